#include "platform.h"
#include "start.h"

#include <QApplication>
#include <QProcessEnvironment>

int main(int argc, char **argv)
{
    const QByteArray platform = platformFor(QProcessEnvironment::systemEnvironment(), mutterExperimentalFeatures);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    startProgram();
    return QApplication::exec();
}
