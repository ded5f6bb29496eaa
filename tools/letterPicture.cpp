#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

// A black serif capital on white, as tall as its picture but for a thin
// margin and narrowed where it would be too wide; antialiasing gives the
// soft grey edges.
QImage letterPicture(QChar letter, QSize size, int scale)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(200);
    font.setBold(true);
    QPainterPath glyph;
    glyph.addText(0, 0, font, letter);
    const QRectF bounds = glyph.boundingRect();

    const qreal margin = 1.5 * scale;
    const QRectF box = QRectF(QPointF(0, 0), size * scale).adjusted(margin, margin, -margin, -margin);
    const qreal scaleY = box.height() / bounds.height();
    const qreal scaleX = qMin(scaleY, box.width() / bounds.width());

    QImage image(size * scale, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(scaleX, scaleY);
    painter.translate(-bounds.center());
    painter.fillPath(glyph, Qt::black);
    return image;
}
