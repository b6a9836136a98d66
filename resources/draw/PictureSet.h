#pragma once

#include "GifWriter.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

struct NamedPicture {
    QString fileName; // relative to the resources folder
    QImage image;
};

// Every picture the program shows, drawn afresh, with the file it belongs in.
QList<NamedPicture> drawAllPictures();

// The window icon as a scalable picture for the desktop, with its file.
struct NamedDrawing {
    QString fileName; // relative to the resources folder
    QByteArray svg;
};
NamedDrawing drawScalableIcon();

// The animation strip's clip; the program reads it as a GIF whatever its file is called.
GifAnimation drawClip();
QString clipFileName();
