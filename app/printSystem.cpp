#include "printSystem.h"

#include <QLibrary>
#include <QScopeGuard>

#include <cups/cups.h>

namespace {

template <class Function>
Function resolve(QLibrary &library, const char *name)
{
    return reinterpret_cast<Function>(library.resolve(name));
}

// The few functions of libcups a job needs, each under its own name. Linked
// into the program, libcups would be loaded at every start; here it is
// loaded with the first page, and stays loaded.
#define CUPS_FUNCTION(name) decltype(&::name) name = resolve<decltype(&::name)>(library, #name)
struct Cups
{
    QLibrary library{QStringLiteral("cups"), 2};
    CUPS_FUNCTION(cupsGetNamedDest);
    CUPS_FUNCTION(cupsCopyDestInfo);
    CUPS_FUNCTION(cupsCreateDestJob);
    CUPS_FUNCTION(cupsStartDestDocument);
    CUPS_FUNCTION(cupsWriteRequestData);
    CUPS_FUNCTION(cupsFinishDestDocument);
    CUPS_FUNCTION(cupsCancelDestJob);
    CUPS_FUNCTION(cupsFreeDestInfo);
    CUPS_FUNCTION(cupsFreeDests);
    CUPS_FUNCTION(cupsLastErrorString);

    bool isLoaded() const
    {
        return cupsGetNamedDest && cupsCopyDestInfo && cupsCreateDestJob && cupsStartDestDocument && cupsWriteRequestData
            && cupsFinishDestDocument && cupsCancelDestJob && cupsFreeDestInfo && cupsFreeDests && cupsLastErrorString;
    }
};
#undef CUPS_FUNCTION

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
