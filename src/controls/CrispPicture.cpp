#include "CrispPicture.h"

#include <QGuiApplication>
#include <QtMath>

QPixmap crispPixmap(const QString& path, int scale) {
    const QPixmap picture(path);
    if (scale <= 1)
        return picture;
    QPixmap larger =
        picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    larger.setDevicePixelRatio(scale);
    return larger;
}

QPixmap crispPixmap(const QString& path) {
    return crispPixmap(path, qCeil(qGuiApp->devicePixelRatio()));
}

QIcon crispIcon(const QString& path) {
    QIcon icon(crispPixmap(path, 1));
    for (int scale : {2, 3})
        icon.addPixmap(crispPixmap(path, scale));
    return icon;
}
