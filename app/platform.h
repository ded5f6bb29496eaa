#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

class QProcessEnvironment;
class QWidget;

// The platform plugins Qt is asked to try, in order, before the application
// object is made, given the environment the program was started in and
// mutter's experimental features, read only on GNOME's Wayland session
// (nullopt where they cannot be read); empty leaves the choice to Qt.
QByteArray platformFor(const QProcessEnvironment &environment,
                       const std::function<std::optional<QStringList>()> &mutterFeatures);

// The platform Qt is asked for on the system the program was started on:
// on Linux what platformFor gives, with mutter's experimental features read
// where needed; on Windows its one platform, with the fonts it draws with.
QByteArray desktopPlatform();

// Draws a window just shown before anything else runs, as a Windows program
// does, rather than when the window system next asks: what the program does
// next (hiding the window it shows this one in place of, say) may wait on
// the window system, and the window would stand undrawn meanwhile.
void drawShownWindow(QWidget &window);
