#include "LayoutPen.h"

#include <QPaintDevice>
#include <QPainter>

QPen layoutPixelPen(const QPainter& painter, const QColor& color, Qt::PenStyle style,
                    Qt::PenCapStyle cap) {
    const qreal width = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    QPen pen(color, width, style, cap);
    pen.setCosmetic(true);
    return pen;
}
