#include "printSystem.h"

#include "loadedLibrary.h"

#include <QScopeGuard>

#include <cups/cups.h>

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

} // namespace

RuntimeError printerError(const QString &reason)
{
    QString text = QStringLiteral("The printer cannot print.");
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return {482, text};
}

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
