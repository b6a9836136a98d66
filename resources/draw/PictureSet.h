#pragma once

#include "GifWriter.h"

#include <QImage>
#include <QList>
#include <QString>

struct NamedPicture {
    QString fileName; // relative to the resources folder
    QImage image;
};

// Every picture the program shows, drawn afresh, with the file it belongs in.
QList<NamedPicture> drawAllPictures();

// The animation strip's clip; the program reads it as a GIF whatever its file is called.
GifAnimation drawClip();
QString clipFileName();
