#include "platform.h"
#include "start.h"

#include <QApplication>

int main(int argc, char **argv)
{
    const QByteArray platform = desktopPlatform();
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    startProgram();
    return QApplication::exec();
}
