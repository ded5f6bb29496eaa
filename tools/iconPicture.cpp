#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The 16 colours of the classic icon palette, and transparency.
QList<QRgb> iconPalette()
{
    return {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
            0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
            0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff, 0x00000000};
}

} // namespace

// A yellow smiling face with a black outline, black eyes and a red open
// mouth, transparent outside the circle; drawn without antialiasing so that
// every pixel is one of the 16 colours.
QImage iconPicture(qreal scale)
{
    QImage image(QSize(32, 32) * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(0xff, 0xff, 0x00));
    painter.drawEllipse(QRect(1, 1, 29, 29));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(10, 8, 4, 6));
    painter.drawEllipse(QRect(18, 8, 4, 6));

    // The open mouth: the lower half of an ellipse, red inside a black rim.
    QPainterPath mouth;
    mouth.moveTo(8, 17);
    mouth.arcTo(QRectF(8, 11, 16, 13), 180, 180);
    mouth.closeSubpath();
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(0xff, 0x00, 0x00));
    painter.drawPath(mouth);
    painter.end();

    return image.convertToFormat(QImage::Format_Indexed8, iconPalette(), Qt::ThresholdDither);
}
