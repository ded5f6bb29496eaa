#include "printPage.h"

#include "runtimeError.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

std::function<void(const QPicture &)> &destination()
{
    static std::function<void(const QPicture &)> current;
    return current;
}

RuntimeError printerError()
{
    return {482, QStringLiteral("The printer cannot print.")};
}

RuntimeError fileError(const QFileDevice &file)
{
    if (file.error() == QFileDevice::ResourceError)
        return {61, QStringLiteral("Disk full")};
    return {75, QStringLiteral("Path/File access error")};
}

// With no printer the page becomes a PDF file, on the paper and margins a
// printer has by default.
void savePdf(const QPicture &page, QWidget &window)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(QObject::tr("Bingo card.pdf"));
    const QString fileName = QFileDialog::getSaveFileName(&window, QObject::tr("Save the card as a PDF"), suggested,
                                                          QObject::tr("PDF documents (*.pdf)"));
    if (fileName.isEmpty())
        return;
    // Written aside and put in place whole: a failure leaves no half-written file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw fileError(file);
    {
        QPdfWriter writer(&file);
        writer.setTitle(QObject::tr("Bingo card"));
        drawPage(page, writer);
    }
    if (!file.commit())
        throw fileError(file);
}

} // namespace

QPicture pagePicture(QWidget &window)
{
    QPicture page;
    window.render(&page);
    return page;
}

void drawPage(const QPicture &page, QPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        throw printerError();
    // A picture plays itself scaled from the screen's resolution to the
    // device's; the page's pixels are 96ths of an inch whatever the screen's.
    painter.scale(page.logicalDpiX() / 96.0, page.logicalDpiY() / 96.0);
    painter.drawPicture(0, 0, page);
    if (!painter.end())
        throw printerError();
}

void printToDefaultPrinter(const QPicture &page, QWidget &window)
{
    // QPrinter without a printer would quietly write a PDF with no file name.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        savePdf(page, window);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    drawPage(page, printer);
}

void sendToPrinter(const QPicture &page, QWidget &window)
{
    if (destination())
        destination()(page);
    else
        printToDefaultPrinter(page, window);
}

void setPrintDestination(std::function<void(const QPicture &)> replacement)
{
    destination() = std::move(replacement);
}
