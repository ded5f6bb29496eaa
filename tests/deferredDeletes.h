#pragma once

#include <QCoreApplication>

// Carries out the deletions that unloading windows asked for.
inline void processDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
