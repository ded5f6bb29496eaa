#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

class QProcessEnvironment;

// The platform plugins Qt is asked to try, in order, before the application
// object is made, given the environment the program was started in and
// mutter's experimental features, read only on GNOME's Wayland session
// (nullopt where they cannot be read); empty leaves the choice to Qt.
QByteArray platformFor(const QProcessEnvironment &environment,
                       const std::function<std::optional<QStringList>()> &mutterFeatures);

// The experimental features GNOME's compositor runs with, read through GIO's
// GSettings as GNOME reads them: the user's value, else the distribution's,
// else the schema's. GIO is loaded only for this; nullopt where it, or the
// schema, cannot be found.
std::optional<QStringList> mutterExperimentalFeatures();
