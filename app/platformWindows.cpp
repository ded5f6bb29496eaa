#include "platform.h"

#include <QtGlobal>

// Qt for Windows has one platform. Its GDI font database draws the windows'
// Arial faces as classic Windows programs drew them, hands them to the
// printer as the GDI fonts they are, and sees the fonts that Wine's
// replacements stand in for Arial where it is missing, as the DirectWrite
// one does not. A platform the user names wins.
QByteArray desktopPlatform()
{
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "windows:fontengine=gdi" : "";
}
