#include "PictureCheck.h"

#include "GifPalette.h"
#include "PictureSet.h"

#include <QFile>
#include <QImageReader>
#include <QMovie>

namespace {

QString firstDifference(const QImage& found, const QImage& expected) {
    if (found.size() != expected.size())
        return QStringLiteral("is %1 x %2 instead of %3 x %4")
            .arg(found.width())
            .arg(found.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = found.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("differs at (%1, %2): #%3 instead of #%4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16, QLatin1Char('0'))
                    .arg(b.pixel(x, y), 8, 16, QLatin1Char('0'));
    return {};
}

// Frames and loop are read the way the program reads them, through QMovie; the delays through
// QImageReader, because QMovie shortens a delay by the time its caller took.
QStringList checkClip(const QString& path) {
    const GifAnimation clip = drawClip();
    const GifPalette palette(clip.palette);
    QMovie movie(path, QByteArrayLiteral("gif"));
    if (!movie.isValid())
        return {QStringLiteral("%1: QMovie cannot read it").arg(path)};
    QStringList problems;
    if (movie.frameCount() != clip.frames.size())
        problems << QStringLiteral("%1: %2 frames instead of %3")
                        .arg(path)
                        .arg(movie.frameCount())
                        .arg(clip.frames.size());
    if (movie.loopCount() != -1)
        problems << QStringLiteral("%1: does not loop forever").arg(path);
    QImageReader reader(path, QByteArrayLiteral("gif"));
    for (int i = 0; i < clip.frames.size(); ++i) {
        if (!movie.jumpToFrame(i) || reader.read().isNull()) {
            problems << QStringLiteral("%1: frame %2 cannot be read").arg(path).arg(i);
            break;
        }
        const QString difference =
            firstDifference(movie.currentImage(), palette.quantized(clip.frames[i].image));
        if (!difference.isEmpty())
            problems << QStringLiteral("%1: frame %2 %3").arg(path).arg(i).arg(difference);
        if (reader.nextImageDelay() != clip.frames[i].delayCentiseconds * 10)
            problems << QStringLiteral("%1: frame %2 waits %3 ms")
                            .arg(path)
                            .arg(i)
                            .arg(reader.nextImageDelay());
    }
    return problems;
}

} // namespace

QStringList checkPictures(const QDir& resources) {
    QStringList problems;
    for (const NamedPicture& picture : drawAllPictures()) {
        const QString path = resources.filePath(picture.fileName);
        const QImage found(path);
        if (found.isNull()) {
            problems << QStringLiteral("%1: missing or unreadable").arg(path);
            continue;
        }
        const QString difference = firstDifference(found, picture.image);
        if (!difference.isEmpty())
            problems << QStringLiteral("%1: %2").arg(path, difference);
    }
    const NamedDrawing icon = drawScalableIcon();
    QFile drawing(resources.filePath(icon.fileName));
    if (!drawing.open(QIODevice::ReadOnly) || drawing.readAll() != icon.svg)
        problems << QStringLiteral("%1: missing, or not what is drawn").arg(drawing.fileName());
    return problems + checkClip(resources.filePath(clipFileName()));
}
