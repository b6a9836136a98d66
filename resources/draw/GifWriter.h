#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>

class QIODevice;

struct GifFrame {
    QImage image;
    int delayCentiseconds = 10;
};

struct GifAnimation {
    QSize size;
    QList<QRgb> palette; // 1 to 256 colours; frame pixels are moved to the nearest one
    QList<GifFrame> frames;
    int loopCount = 0; // 0 plays the clip forever
};

// Writes a GIF89a file: one global colour table, the looping extension and, per frame, a
// graphic control block with its delay and a full-size image. Every frame must have the
// animation's size. Returns false on invalid input or when the device refuses a write.
bool writeGif(QIODevice& device, const GifAnimation& animation);
