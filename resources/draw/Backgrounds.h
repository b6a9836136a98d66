#pragma once

#include <QImage>

// The night sky that lies under the chart's curves.
QImage drawStarField(QSize size);

// The bevelled square that is tiled over the whole window.
QImage drawTile(QSize size);
