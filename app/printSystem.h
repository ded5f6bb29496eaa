#pragma once

#include "runtimeError.h"

#include <QByteArray>

// Sends a PDF document to the print system's default destination as one job
// with that title, with the destination's own defaults, as lp would. libcups
// is loaded on the first call, not at start. RuntimeError 482 with the print
// system's reason as a second line when anything on the way fails; a job
// created but not completed is cancelled, so nothing half-sent waits.
void printPdf(const QByteArray &pdf, const QString &title);

// The runtime's error for the printer, with a reason, if any, as a second line.
RuntimeError printerError(const QString &reason = {});
