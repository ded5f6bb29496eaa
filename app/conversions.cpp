#include "conversions.h"

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Index just past the digits starting at pos.
qsizetype skipDigits(QStringView text, qsizetype pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

qsizetype skipSign(QStringView text, qsizetype pos)
{
    return pos < text.size() && (text[pos] == u'+' || text[pos] == u'-') ? pos + 1 : pos;
}

} // namespace

double textToNumber(QStringView text)
{
    qsizetype begin = 0;
    while (begin < text.size() && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;

    const qsizetype intStart = skipSign(text, begin);
    qsizetype end = skipDigits(text, intStart);
    bool hasDigits = end > intStart;
    if (end < text.size() && text[end] == u'.') {
        const qsizetype fracEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!hasDigits)
        return 0;

    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        const qsizetype expStart = skipSign(text, end + 1);
        const qsizetype expEnd = skipDigits(text, expStart);
        if (expEnd > expStart)
            end = expEnd;
    }

    // QString's conversion is locale-independent; it returns infinity past the
    // double range, which the rounding conversion then reports as an overflow.
    return text.sliced(begin, end - begin).toDouble();
}

QString numberToText(Number value)
{
    return QString::number(value);
}
