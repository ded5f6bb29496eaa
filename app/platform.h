#pragma once

#include <QByteArray>

class QProcessEnvironment;

// The platform plugins Qt is asked to try, in order, before the application
// object is made, given the environment the program was started in; empty
// leaves the choice to Qt.
QByteArray platformFor(const QProcessEnvironment &environment);
