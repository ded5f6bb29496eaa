#pragma once

#include "runtimeError.h"

#include <new>

// Shows the error in a message box: "Run-time error '6':" above "Overflow".
void reportRuntimeError(const RuntimeError &error);

// The boundary of every event handler: runs it and reports whatever error it
// raises, so that no exception ever travels through Qt's event dispatch.
template <class Handler>
void handleEvent(Handler &&handler) noexcept
{
    try {
        try {
            handler();
        } catch (const RuntimeError &error) {
            reportRuntimeError(error);
        } catch (const std::bad_alloc &) {
            reportRuntimeError({7, QStringLiteral("Out of memory")});
        } catch (...) {
            reportRuntimeError({51, QStringLiteral("Internal error")});
        }
    } catch (...) {
        // Reporting itself failed (no memory for the box): nothing more can be said.
    }
}
