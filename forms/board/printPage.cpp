#include "printPage.h"

#include "discardWindow.h"
#include "printSystem.h"
#include "runtimeError.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStandardPaths>

namespace {

std::function<void(const QPicture &)> &destination()
{
    static std::function<void(const QPicture &)> current;
    return current;
}

QString pageTitle()
{
    return QObject::tr("Bingo card");
}

RuntimeError fileError(const QFileDevice &file)
{
    if (file.error() == QFileDevice::ResourceError)
        return {61, QStringLiteral("Disk full")};
    return {75, QStringLiteral("Path/File access error")};
}

// With no printer the page becomes a PDF file, on the locale's paper with
// the margins a printer has by default.
void savePdf(const QPicture &page, QWidget &window)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    auto *dialog = new QFileDialog(&window, QObject::tr("Save the card as a PDF"),
                                   QDir(folder).filePath(QObject::tr("Bingo card.pdf")), QObject::tr("PDF documents (*.pdf)"));
    const auto discard = qScopeGuard([dialog] { discardWindow(dialog); });
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension is saved as a PDF all the same.
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog->exec() != QDialog::Accepted)
        return;
    const QString fileName = dialog->selectedFiles().value(0);
    // Written aside and put in place whole: a failure leaves no half-written file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw fileError(file);
    {
        QPdfWriter writer(&file);
        writer.setTitle(pageTitle());
        writer.setPageSize(localePaper());
        drawPage(page, writer);
    }
    // commit() does not check the flush that closing the file makes, and
    // would put a cut-off file in place: the last part is flushed here. A
    // flush that a full disk cut short fails without saying why; the next
    // one finds the disk full and says so.
    if (!file.flush() && !file.flush())
        throw fileError(file);
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
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        savePdf(page, window);
        return;
    }
    printPage(printer, pageTitle(), [&](QPaintDevice &device) { drawPage(page, device); });
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
