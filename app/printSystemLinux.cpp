#include "printSystem.h"

#include "loadedLibrary.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>

#include <cstdint>

#include <cups/cups.h>
#include <langinfo.h>

namespace {

// The few functions of libcups a job needs. Linked into the program, libcups
// would be loaded at every start; here it is loaded with the first page, and
// stays loaded.
struct Cups
{
    QLibrary library{QStringLiteral("cups"), 2};
    LOADED_FUNCTION(cupsGetNamedDest);
    LOADED_FUNCTION(cupsCopyDestInfo);
    LOADED_FUNCTION(cupsCreateDestJob);
    LOADED_FUNCTION(cupsStartDestDocument);
    LOADED_FUNCTION(cupsWriteRequestData);
    LOADED_FUNCTION(cupsFinishDestDocument);
    LOADED_FUNCTION(cupsCancelDestJob);
    LOADED_FUNCTION(cupsFreeDestInfo);
    LOADED_FUNCTION(cupsFreeDests);
    LOADED_FUNCTION(cupsLastErrorString);

    bool isLoaded() const
    {
        return cupsGetNamedDest && cupsCopyDestInfo && cupsCreateDestJob && cupsStartDestDocument && cupsWriteRequestData
            && cupsFinishDestDocument && cupsCancelDestJob && cupsFreeDestInfo && cupsFreeDests && cupsLastErrorString;
    }
};

bool succeeded(ipp_status_t status)
{
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

// Sends a PDF document to the print system's default destination as one job
// with that title, with the destination's own defaults, as lp would. libcups
// is loaded on the first call, not at start.
void printPdf(const QByteArray &pdf, const QString &title)
{
    static Cups cups;
    if (!cups.isLoaded())
        throw printerError(cups.library.errorString());
    const auto failure = [] { return printerError(QString::fromUtf8(cups.cupsLastErrorString())); };

    cups_dest_t *destination = cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!destination)
        throw failure();
    const auto freeDestination = qScopeGuard([&] { cups.cupsFreeDests(1, destination); });
    cups_dinfo_t *info = cups.cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination);
    if (!info)
        throw failure();
    const auto freeInfo = qScopeGuard([&] { cups.cupsFreeDestInfo(info); });

    const QByteArray name = title.toUtf8();
    int job = 0;
    if (!succeeded(cups.cupsCreateDestJob(CUPS_HTTP_DEFAULT, destination, info, &job, name.constData(), 0, nullptr)))
        throw failure();
    // The reason is read before the job is cancelled, which would replace it.
    auto cancel = qScopeGuard([&] { cups.cupsCancelDestJob(CUPS_HTTP_DEFAULT, destination, job); });
    if (cups.cupsStartDestDocument(CUPS_HTTP_DEFAULT, destination, info, job, name.constData(), CUPS_FORMAT_PDF, 0,
                                   nullptr, 1)
        != HTTP_STATUS_CONTINUE)
        throw failure();
    const http_status_t written = cups.cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size()));
    // The document is finished even after a failed write, which reads the
    // scheduler's answer and leaves the connection ready for the cancel.
    const ipp_status_t finished = cups.cupsFinishDestDocument(CUPS_HTTP_DEFAULT, destination, info);
    if (written != HTTP_STATUS_CONTINUE || !succeeded(finished))
        throw failure();
    cancel.dismiss();
}

} // namespace

void printPage(const QPrinterInfo &printer, const QString &title, const std::function<void(QPaintDevice &)> &draw)
{
    // One PDF document, kept in memory, and handed to the print system,
    // whose answer is checked.
    QPrinter paper(printer);
    paper.setPageSize(printer.defaultPageSize());
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(title);
        writer.setPageLayout(paper.pageLayout());
        draw(writer);
    }
    printPdf(pdf.data(), title);
}

// The paper of the user's locale, as GTK and LibreOffice take it: glibc
// gives its size in whole millimetres, an int carried in the pointer, and
// QPageSize takes the standard size nearest to it (US Letter's
// 215.9 × 279.4 mm is 216 × 279 there).
QPageSize localePaper()
{
    const auto millimetres = [](nl_item item) { return int(reinterpret_cast<std::intptr_t>(nl_langinfo(item))); };
    const QSizeF size(millimetres(_NL_PAPER_WIDTH), millimetres(_NL_PAPER_HEIGHT));
    if (size.isEmpty())
        return QPageSize(QPageSize::A4);
    return QPageSize(size, QPageSize::Millimeter);
}
