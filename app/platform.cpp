#include "platform.h"

#include <QProcessEnvironment>

QByteArray platformFor(const QProcessEnvironment &environment,
                       const std::function<std::optional<QStringList>()> &mutterFeatures)
{
    const auto value = [&](const char *name) { return environment.value(QString::fromLatin1(name)); };
    // GNOME places Wayland windows itself and draws no frame around them, so
    // there the splash would not be centred and the board would wear Qt's
    // own plain title bar. Through XWayland both look as any other GNOME
    // window does, as Qt 5 chose for GNOME; Wayland stays the fallback, and
    // a platform the user names always wins.
    const bool gnome = value("XDG_CURRENT_DESKTOP").split(u':').contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
    const bool wayland = value("XDG_SESSION_TYPE") == QStringLiteral("wayland") || !value("WAYLAND_DISPLAY").isEmpty();
    if (!gnome || !wayland || value("DISPLAY").isEmpty() || !value("QT_QPA_PLATFORM").isEmpty())
        return {};
    // But at a fractional scale GNOME draws X windows at 1x and stretches
    // them, blurred, unless it scales XWayland natively: there Wayland's
    // windows are the sharp ones.
    const std::optional<QStringList> features = mutterFeatures();
    if (features && features->contains(QStringLiteral("scale-monitor-framebuffer"))
        && !features->contains(QStringLiteral("xwayland-native-scaling")))
        return {};
    return "xcb;wayland";
}
