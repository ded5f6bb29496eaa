// Draws the pictures the program carries into the folder given as the only
// argument: the five column letters and the program icon. Run it after a
// change here, then commit what it writes; the build embeds those files.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// A black serif capital on white, as tall as its picture but for a thin
// margin and narrowed where it would be too wide; antialiasing gives the
// soft grey edges.
QImage letterPicture(QChar letter, QSize size)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(200);
    font.setBold(true);
    QPainterPath glyph;
    glyph.addText(0, 0, font, letter);
    const QRectF bounds = glyph.boundingRect();

    const QRectF box = QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal scaleY = box.height() / bounds.height();
    const qreal scaleX = qMin(scaleY, box.width() / bounds.width());

    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(scaleX, scaleY);
    painter.translate(-bounds.center());
    painter.fillPath(glyph, Qt::black);
    return image;
}

// The 16 colours of the classic icon palette, and transparency.
QList<QRgb> iconPalette()
{
    return {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
            0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
            0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff, 0x00000000};
}

// A yellow smiling face with a black outline, black eyes and a red open
// mouth, transparent outside the circle; drawn without antialiasing so that
// every pixel is one of the 16 colours.
QImage iconPicture()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
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

bool save(const QImage &image, const QString &path)
{
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCE-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    struct Letter
    {
        QChar letter;
        QSize size;
        const char *file;
    };
    const Letter letters[] = {
        {u'Б', {24, 29}, "letterBe.png"},
        {u'И', {25, 23}, "letterI.png"},
        {u'Н', {24, 29}, "letterEn.png"},
        {u'Г', {24, 29}, "letterGe.png"},
        {u'О', {24, 29}, "letterO.png"},
    };
    bool ok = true;
    for (const Letter &l : letters)
        ok = save(letterPicture(l.letter, l.size), out.filePath(QLatin1String(l.file))) && ok;
    ok = save(iconPicture(), out.filePath(QStringLiteral("icon.png"))) && ok;
    return ok ? 0 : 1;
}
