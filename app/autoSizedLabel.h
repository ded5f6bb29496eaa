#pragma once

#include <QLabel>

#include <optional>

// A label that sizes itself to its one line of text, as the forms' AutoSize
// does, with the line measured as Windows measures it: as tall as the face's
// usWinAscent and usWinDescent at the font's size, with the text on the
// baseline they give. Qt takes other metrics for a face that asks for its
// typographic ones (the USE_TYPO_METRICS bit, Liberation Sans Narrow 1.07.6
// on), which would shorten the label and raise the text. A face without
// Windows metrics keeps Qt's.
class AutoSizedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Shows the text and takes its size, keeping the top-left corner;
    // cheaper than adjustSize(), which lays the text out.
    void setCaption(const QString &caption);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Line
    {
        qreal ascent;
        qreal descent;
        qreal qtAscent;
    };
    static Line measure(const QFont &font);
    const Line &line();

    // The font's line: measured when first needed and again after the font
    // changes, not at each caption.
    std::optional<Line> m_line;
};
