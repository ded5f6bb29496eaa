#include "printSystem.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <windows.h>

namespace {

// Qt's Windows print engine says why the spooler refused a document only
// in a warning, "… failed (reason)": the reason is kept from there.
QString refusal;
QtMessageHandler passOn = nullptr;

void keepRefusal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QRegularExpression failed(QStringLiteral("^QWin32PrintEngine.* failed.* \\((.*)\\)$"));
    if (const QRegularExpressionMatch match = failed.match(message); type == QtWarningMsg && match.hasMatch())
        refusal = match.captured(1);
    passOn(type, context, message);
}

} // namespace

void printPage(const QPrinterInfo &printer, const QString &title, const std::function<void(QPaintDevice &)> &draw)
{
    // Through the Windows printing system, drawn by GDI at the printer's own
    // resolution.
    QPrinter paper(printer, QPrinter::HighResolution);
    paper.setPageSize(printer.defaultPageSize());
    paper.setDocName(title);
    refusal.clear();
    passOn = qInstallMessageHandler(keepRefusal);
    const auto restore = qScopeGuard([] { qInstallMessageHandler(passOn); });
    try {
        draw(paper);
    } catch (const RuntimeError &error) {
        throw error.number() == 482 ? printerError(refusal) : error;
    }
    if (!refusal.isEmpty())
        throw printerError(refusal);
}

QPageSize localePaper()
{
    DWORD paper = 0;
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                    reinterpret_cast<LPWSTR>(&paper), sizeof paper / sizeof(WCHAR));
    switch (paper) {
    case 1:
        return QPageSize(QPageSize::Letter);
    case 5:
        return QPageSize(QPageSize::Legal);
    case 8:
        return QPageSize(QPageSize::A3);
    default:
        return QPageSize(QPageSize::A4);
    }
}
