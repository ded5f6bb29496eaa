#pragma once

#include "runtimeError.h"

#include <QPageSize>

#include <functional>

class QPaintDevice;
class QPrinterInfo;

// Prints one page on the printer as one job with that title, on the
// printer's default paper with its margins and its own defaults: `draw`
// paints the page on the device it is given, at that device's resolution.
// RuntimeError 482 with the print system's reason as a second line when
// anything on the way fails; a job created but not completed is cancelled,
// so nothing half-sent waits.
void printPage(const QPrinterInfo &printer, const QString &title, const std::function<void(QPaintDevice &)> &draw);

// The paper of the user's locale, for a page saved rather than printed.
QPageSize localePaper();

// The runtime's error for the printer, with a reason, if any, as a second line.
inline RuntimeError printerError(const QString &reason = {})
{
    QString text = QStringLiteral("The printer cannot print.");
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return {482, text};
}
