#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QLabel>

// How far below the top of its label a caption's ink begins, as drawn.
inline int inkTop(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const int ground = qGray(image.pixel(0, image.height() - 1));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAbs(qGray(image.pixel(x, y)) - ground) > 64)
                return y;
    return -1;
}

// Where that ink begins when the first line stands at the top of the box.
inline int inkTopWhenTopAligned(const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    return metrics.ascent() + metrics.tightBoundingRect(label->text().section(' ', 0, 2)).top();
}
