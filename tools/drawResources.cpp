// Draws the pictures the program carries into the folder given as the only
// argument: the five column letters, the program icon and the splash
// photograph, each also at twice its size ("@2x") for high-density screens,
// and the icon as Windows wants it. Run it after a
// change here, then commit what it writes; the build embeds those files.

#include "pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

// Written aside and put in place whole. commit() does not check the flush
// that closing the file makes, so the last part is flushed, and checked, first.
bool save(const QByteArray &bytes, const QString &path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool save(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.save(&buffer, qPrintable(QFileInfo(path).suffix())))
        return save(bytes, path);
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
        {u'Б', {24, 29}, "letterBe"},
        {u'И', {25, 23}, "letterI"},
        {u'Н', {24, 29}, "letterEn"},
        {u'Г', {24, 29}, "letterGe"},
        {u'О', {24, 29}, "letterO"},
    };
    bool ok = true;
    for (int scale : {1, 2}) {
        // The program takes "name@2x" in place of "name" on a screen scaled by 2.
        const auto file = [&](const char *name, const char *type) {
            return out.filePath(QString::fromLatin1(name) + (scale == 2 ? "@2x." : ".") + QLatin1String(type));
        };
        // The pictures of the first window are 24-bit bitmaps, which load
        // several times faster than PNG; the icon needs PNG's transparency.
        for (const Letter &l : letters)
            ok = save(letterPicture(l.letter, l.size, scale), file(l.file, "bmp")) && ok;
        ok = save(iconPicture(scale), file("icon", "png")) && ok;
        ok = save(photographPicture(scale), file("photograph", "bmp")) && ok;
    }
    ok = save(iconFile(), out.filePath(QStringLiteral("icon.ico"))) && ok;
    return ok ? 0 : 1;
}
