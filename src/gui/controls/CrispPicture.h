#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The program's pictures, PNG files among its resources, read as PNG without guessing: to
// guess, Qt loads every image-format plugin it has and asks each of them first.
QPixmap picturePixmap(const QString& path);
QImage pictureImage(const QString& path);

// Pictures for a desktop scaled to 200 % or 300 %: their own pixels repeated, not blurred.

// The picture at `scale` times its size, marked with that device pixel ratio.
QPixmap crispPixmap(const QString& path, int scale);

// The picture at the scale of the application's screens, rounded up.
QPixmap crispPixmap(const QString& path);

// An icon that holds the picture at 1x, 2x and 3x.
QIcon crispIcon(const QString& path);
