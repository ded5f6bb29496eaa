#pragma once

#include <QColor>
#include <QImage>

#include <cmath>

// Contrast of a colour with white as WCAG measures it: 1 : 1 for white, 21 : 1 for black.
inline double contrastWithWhite(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double luminance =
        0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    return 1.05 / (luminance + 0.05);
}

// The darkest pixel of an area of the image: the ink of what is drawn there.
inline QColor darkest(const QImage &image, const QRect &area)
{
    QColor found = Qt::white;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < qGray(found.rgb()))
                found = image.pixelColor(x, y);
    return found;
}
