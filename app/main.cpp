#include "platform.h"
#include "start.h"

#include <QApplication>
#include <QProcessEnvironment>

int main(int argc, char **argv)
{
    if (const QByteArray platform = platformFor(QProcessEnvironment::systemEnvironment()); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    startProgram();
    return QApplication::exec();
}
