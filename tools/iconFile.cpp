#include "pictures.h"

#include <QBuffer>
#include <QDataStream>

// Each size as Windows' icons store it: a bitmap of 32-bit pixels, bottom
// row first, over a mask of no bits; 256 pixels as a PNG, as Windows takes it.
namespace {

QByteArray entry(const QImage &picture)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.width() == 256) {
        image.save(&buffer, "PNG");
        return data;
    }
    QDataStream out(&buffer);
    out.setByteOrder(QDataStream::LittleEndian);
    const int maskRow = (image.width() + 31) / 32 * 4;
    out << quint32(40) << qint32(image.width()) << qint32(image.height() * 2) << quint16(1) << quint16(32)
        << quint32(0) << quint32(image.width() * image.height() * 4 + maskRow * image.height()) << qint32(0)
        << qint32(0) << quint32(0) << quint32(0);
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            out << quint32(image.pixel(x, y));
    data.append(QByteArray(maskRow * image.height(), '\0'));
    return data;
}

} // namespace

QByteArray iconFile()
{
    const int sizes[] = {16, 24, 32, 48, 256};
    QList<QByteArray> entries;
    for (int size : sizes)
        entries << entry(iconPicture(size / 32.0));
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(entries.size());
    quint32 offset = 6 + 16 * entries.size();
    for (int i = 0; i < entries.size(); ++i) {
        out << quint8(sizes[i] % 256) << quint8(sizes[i] % 256) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(entries[i].size()) << offset;
        offset += entries[i].size();
    }
    for (const QByteArray &data : entries)
        out.writeRawData(data.constData(), int(data.size()));
    return file;
}
