#include "autoSizedLabel.h"

#include "picture.h"

#include <QEvent>
#include <QHash>
#include <QLibraryInfo>
#include <QPainter>
#include <QRawFont>
#include <QVersionNumber>
#include <QtEndian>
#include <QtMath>

#include <cmath>

// Read from the face's OS/2 table once per font, and rounded to a 64th of a
// pixel as Qt rounds its own, so that where Qt takes these very metrics the
// two agree exactly.
AutoSizedLabel::Line AutoSizedLabel::measure(const QFont &font)
{
    static QHash<QFont, Line> known;
    if (const auto found = known.constFind(font); found != known.cend())
        return *found;
    const QFontMetricsF qt(font);
    Line line{qt.ascent(), qt.descent(), qt.ascent()};
    const QRawFont face = QRawFont::fromFont(font);
    const QByteArray os2 = face.fontTable("OS/2");
    if (os2.size() >= 78) {
        const auto scaled = [&](int offset) {
            return std::floor(qFromBigEndian<quint16>(os2.constData() + offset) * face.pixelSize() * 64 / face.unitsPerEm()
                              + 0.5)
                / 64;
        };
        line.ascent = scaled(74);
        line.descent = scaled(76);
    }
    known.insert(font, line);
    return line;
}

const AutoSizedLabel::Line &AutoSizedLabel::line()
{
    if (!m_line)
        m_line = measure(font());
    return *m_line;
}

void AutoSizedLabel::setCaption(const QString &caption)
{
    setText(caption);
    resize(qCeil(QFontMetricsF(font()).horizontalAdvance(caption)), qCeil(line().ascent + line().descent));
}

void AutoSizedLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_line.reset();
    QLabel::changeEvent(event);
}

// The text as QLabel draws plain text, but lowered from Qt's baseline to
// Windows': the box it is laid out in moves down by the difference, so that
// the baseline is rounded to the device's pixels only once.
void AutoSizedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const Line &line = this->line();
    qreal lowered = line.ascent - line.qtAscent;
    // Up to Qt 6.8 a page plays its text back from the top of the line, which
    // it takes to be the baseline less Qt's ascent in whole pixels (6.11 keeps
    // the baseline): lowered by what that rounding takes off, less what it
    // would take off Windows' ascent.
    static const bool pageRoundsTheAscent = QLibraryInfo::version() < QVersionNumber(6, 9);
    if (pageRoundsTheAscent && onPaper(painter))
        lowered += (qRound(line.qtAscent) - line.qtAscent) - (qRound(line.ascent) - line.ascent);
    painter.drawText(QRectF(contentsRect()).translated(0, lowered), int(alignment()), text());
}
