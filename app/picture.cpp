#include "picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QResource>
#include <QtEndian>

#include <cstring>

namespace {

// The program's bitmaps are its own 24-bit, uncompressed, bottom-up BMPs,
// embedded uncompressed: reading their pixels in place spares the first
// window Qt's image-format plugins and decoders.
QImage readBitmap(const QString &path)
{
    const QResource resource(path);
    const auto *bytes = resource.data();
    const auto field = [&](int offset) { return qFromLittleEndian<qint32>(bytes + offset); };
    if (!bytes || resource.compressionAlgorithm() != QResource::NoCompression || resource.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M'
        || qFromLittleEndian<quint16>(bytes + 28) != 24 || field(30) != 0)
        return QImage(path);
    const int width = field(18);
    const int height = field(22);
    const int stride = (width * 3 + 3) & ~3;
    if (width <= 0 || height <= 0 || field(10) + qint64(stride) * height > resource.size())
        return QImage(path);
    // Bottom-up: the file's last row is the picture's top.
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), bytes + field(10) + qint64(stride) * (height - 1 - y), size_t(width) * 3);
    return image;
}

// The picture drawn at twice the size ("name@2x.bmp" for "name.bmp") where
// the program carries one, else the picture itself.
QString finestPath(const QString &path)
{
    QString doubled = path;
    doubled.insert(path.lastIndexOf(u'.'), QStringLiteral("@2x"));
    return QResource(doubled).isValid() ? doubled : path;
}

class PictureLabel : public QLabel
{
public:
    PictureLabel(QWidget *parent, const QString &path) : QLabel(parent), m_path(path) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (!onPaper(painter)) {
            painter.drawPixmap(0, 0, pixmap());
            return;
        }
        painter.drawImage(QRectF(rect()), readBitmap(finestPath(m_path)));
    }

private:
    QString m_path;
};

} // namespace

QPixmap picture(const QString &path)
{
    const qreal ratio = qApp->devicePixelRatio();
    if (ratio <= 1)
        return QPixmap::fromImage(readBitmap(path));
    const QString finest = finestPath(path);
    if (finest == path)
        return QPixmap::fromImage(readBitmap(path));

    QImage large = readBitmap(finest);
    const QSize logical = large.size() / 2;
    if (ratio != 2)
        large = large.scaled((QSizeF(logical) * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    large.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(large));
}

QLabel *makePictureLabel(QWidget *parent, const QString &path, QPoint topLeft, const QString &name)
{
    auto *label = new PictureLabel(parent, path);
    label->setAccessibleName(name);
    const QPixmap pixmap = picture(path);
    label->setPixmap(pixmap);
    label->setGeometry(QRect(topLeft, pixmap.deviceIndependentSize().toSize()));
    return label;
}

bool onPaper(const QPainter &painter)
{
    return painter.paintEngine()->type() == QPaintEngine::Picture;
}
