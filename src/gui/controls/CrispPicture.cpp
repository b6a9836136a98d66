#include "CrispPicture.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QtMath>

namespace {
QPixmap scaledUp(const QPixmap& picture, int scale) {
    if (scale <= 1)
        return picture;
    QPixmap larger =
        picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    larger.setDevicePixelRatio(scale);
    return larger;
}
} // namespace

QImage pictureImage(const QString& path) {
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap picturePixmap(const QString& path) {
    return QPixmap::fromImage(pictureImage(path));
}

QPixmap crispPixmap(const QString& path, int scale) {
    return scaledUp(picturePixmap(path), scale);
}

QPixmap crispPixmap(const QString& path) {
    return crispPixmap(path, qCeil(qGuiApp->devicePixelRatio()));
}

QIcon crispIcon(const QString& path) {
    const QPixmap picture = picturePixmap(path);
    QIcon icon(picture);
    for (int scale : {2, 3})
        icon.addPixmap(scaledUp(picture, scale));
    return icon;
}
