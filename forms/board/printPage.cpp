#include "printPage.h"

#include "runtimeError.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

std::function<void(const QImage &)> &destination()
{
    static std::function<void(const QImage &)> current;
    return current;
}

constexpr int printerError = 482;

} // namespace

QImage pageImage(QWidget &window)
{
    return window.grab().toImage();
}

void printPage(const QImage &page, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw RuntimeError(printerError, QStringLiteral("The printer cannot print."));
    const QSizeF inches = page.deviceIndependentSize() / 96.0;
    painter.drawImage(QRectF(QPointF(0, 0), inches * printer.resolution()), page);
    if (!painter.end())
        throw RuntimeError(printerError, QStringLiteral("The printer cannot print."));
}

void printToDefaultPrinter(const QImage &page)
{
    // With no printer, QPrinter quietly falls back to a PDF with no file name.
    if (QPrinterInfo::defaultPrinter().isNull())
        throw RuntimeError(printerError, QStringLiteral("No printer is installed."));
    QPrinter printer(QPrinter::HighResolution);
    printPage(page, printer);
}

void sendToPrinter(const QImage &page)
{
    if (destination())
        destination()(page);
    else
        printToDefaultPrinter(page);
}

void setPrintDestination(std::function<void(const QImage &)> replacement)
{
    destination() = std::move(replacement);
}
