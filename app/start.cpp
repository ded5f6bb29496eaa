#include "start.h"

#include "form.h"
#include "frmSplash.h"

#include <QApplication>

QWidget &startProgram()
{
    QApplication::setApplicationName(QStringLiteral("Bingo"));
    // Wayland docks find the program's name and icon through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("net.ventaro.bingo"));
    frmSplash &splash = form<frmSplash>();
    splash.show();
    return splash;
}
