#include "GifWriter.h"

#include "GifLzw.h"
#include "GifPalette.h"

#include <QIODevice>

#include <algorithm>

namespace {

void appendWord(QByteArray& bytes, int value) {
    bytes.append(char(value & 0xff));
    bytes.append(char((value >> 8) & 0xff));
}

QByteArray header(const GifAnimation& animation, const GifPalette& palette) {
    QByteArray bytes("GIF89a");
    appendWord(bytes, animation.size.width());
    appendWord(bytes, animation.size.height());
    const int bits = palette.tableBits();
    // Global table present, 8 bits per primary in the source, unsorted, 2^bits entries.
    bytes.append(char(0x80 | 0x70 | (bits - 1)));
    bytes.append('\0'); // background colour index
    bytes.append('\0'); // no pixel aspect ratio given
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb colour = i < palette.colours().size() ? palette.colours()[i] : qRgb(0, 0, 0);
        bytes.append(char(qRed(colour)));
        bytes.append(char(qGreen(colour)));
        bytes.append(char(qBlue(colour)));
    }
    return bytes;
}

QByteArray loopExtension(int loopCount) {
    QByteArray bytes("\x21\xff\x0b"
                     "NETSCAPE2.0"
                     "\x03\x01",
                     16);
    appendWord(bytes, loopCount);
    bytes.append('\0');
    return bytes;
}

QByteArray graphicControl(int delayCentiseconds) {
    QByteArray bytes("\x21\xf9\x04", 3);
    bytes.append(char(1 << 2)); // leave the frame in place; no transparent colour
    appendWord(bytes, delayCentiseconds);
    bytes.append('\0'); // transparent index, unused
    bytes.append('\0');
    return bytes;
}

QByteArray imageBlock(const QImage& image, const GifPalette& palette) {
    QByteArray bytes("\x2c", 1);
    appendWord(bytes, 0);
    appendWord(bytes, 0);
    appendWord(bytes, image.width());
    appendWord(bytes, image.height());
    bytes.append('\0'); // no local colour table, not interlaced

    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QByteArray indices;
    indices.reserve(qsizetype(pixels.width()) * pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            indices.append(char(palette.indexOf(line[x])));
    }

    // The LZW minimum code size must be at least 2, even for a two-colour table.
    const int minCodeSize = std::max(2, palette.tableBits());
    bytes.append(char(minCodeSize));
    const QByteArray data = gifLzwEncode(indices, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        bytes.append(char(length));
        bytes.append(data.mid(at, length));
    }
    bytes.append('\0');
    return bytes;
}

bool isWritable(const GifAnimation& animation, const GifPalette& palette) {
    if (!palette.isValid() || animation.frames.isEmpty() || animation.size.isEmpty())
        return false;
    if (animation.size.width() > 0xffff || animation.size.height() > 0xffff)
        return false;
    if (animation.loopCount < 0 || animation.loopCount > 0xffff)
        return false;
    for (const GifFrame& frame : animation.frames) {
        if (frame.image.size() != animation.size)
            return false;
        if (frame.delayCentiseconds < 0 || frame.delayCentiseconds > 0xffff)
            return false;
    }
    return true;
}

bool writeAll(QIODevice& device, const QByteArray& bytes) {
    return device.write(bytes) == bytes.size();
}

} // namespace

bool writeGif(QIODevice& device, const GifAnimation& animation) {
    const GifPalette palette(animation.palette);
    if (!isWritable(animation, palette))
        return false;
    if (!writeAll(device, header(animation, palette)) ||
        !writeAll(device, loopExtension(animation.loopCount)))
        return false;
    for (const GifFrame& frame : animation.frames) {
        if (!writeAll(device, graphicControl(frame.delayCentiseconds)) ||
            !writeAll(device, imageBlock(frame.image, palette)))
            return false;
    }
    return writeAll(device, QByteArray("\x3b", 1));
}
