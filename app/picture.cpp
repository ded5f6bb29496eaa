#include "picture.h"

#include <QGuiApplication>

QPixmap picture(const QString &path)
{
    if (qApp->devicePixelRatio() >= 2) {
        QString doubled = path;
        doubled.insert(path.lastIndexOf(u'.'), QStringLiteral("@2x"));
        QPixmap large(doubled);
        if (!large.isNull()) {
            large.setDevicePixelRatio(2);
            return large;
        }
    }
    return QPixmap(path);
}
