#include "FocusFrame.h"

#include <QColor>
#include <QPainter>
#include <QRect>

void drawFocusFrame(QPainter& painter, const QRect& outer) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const QRegion ring = QRegion(outer).subtracted(QRegion(
        outer.adjusted(FocusFrameWidth, FocusFrameWidth, -FocusFrameWidth, -FocusFrameWidth)));
    painter.setClipRegion(ring);
    painter.fillRect(outer, Qt::black);
    painter.fillRect(outer.adjusted(1, 1, -1, -1), QColor(255, 220, 0));
    painter.fillRect(outer.adjusted(2, 2, -2, -2), Qt::black);
    painter.restore();
}
