#include "Tiling.h"

#include <QPainter>
#include <QPixmap>

QList<QPoint> tileOrigins(const QSize& tile, const QSize& window) {
    QList<QPoint> origins;
    if (tile.width() <= 0 || tile.height() <= 0)
        return origins;
    for (int y = 0; y <= window.height(); y += tile.height())
        for (int x = 0; x <= window.width(); x += tile.width())
            origins.append(QPoint(x, y));
    return origins;
}

void paintTiles(QPainter& painter, const QPixmap& tile, const QSize& window, const QRect& exposed) {
    for (const QPoint& origin : tileOrigins(tile.size(), window))
        if (exposed.intersects(QRect(origin, tile.size())))
            painter.drawPixmap(origin, tile);
}
