#include "platform.h"

#include <QWidget>

#include <windows.h>

// Qt for Windows has one platform. Its GDI font database draws the windows'
// Arial faces as classic Windows programs drew them, hands them to the
// printer as the GDI fonts they are, and sees the fonts that Wine's
// replacements stand in for Arial where it is missing, as the DirectWrite
// one does not. A platform the user names wins.
QByteArray desktopPlatform()
{
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "windows:fontengine=gdi" : "";
}

// ShowWindow, then UpdateWindow: the window paints now. Under Wine 8 on a
// bare X server, hiding a window waits two seconds for a window manager.
void drawShownWindow(QWidget &window)
{
    UpdateWindow(reinterpret_cast<HWND>(window.winId()));
}
