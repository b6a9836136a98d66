#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>

// The window icon, drawn on a 32-unit grid and scaled, so every size shows the same design.
QImage drawAppIcon(int size);
// The same icon as a scalable SVG picture on the 32-unit grid.
QByteArray drawAppIconSvg();

// Three waves crossing on grey, for the title corner.
QImage drawLogo(QSize size);

// One legend sample: a centred horizontal line on a transparent ground.
QImage drawLineSample(QSize size, const QColor& colour);

// The running waves of the animation strip; the last frame leads back into the first.
QList<QImage> drawClipFrames(QSize size, int frameCount);
