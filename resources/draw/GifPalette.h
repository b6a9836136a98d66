#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QRgb>

// The colour table of a GIF and the mapping of any RGB colour onto it. The table that goes into
// the file is padded with black to a power of two, as the format demands.
class GifPalette {
public:
    explicit GifPalette(const QList<QRgb>& colours);

    bool isValid() const { return !m_colours.isEmpty() && m_colours.size() <= 256; }
    const QList<QRgb>& colours() const { return m_colours; }
    // Bits per entry of the stored table: 1 to 8, the table holds 2^tableBits() entries.
    int tableBits() const;
    // The nearest entry in RGB space; alpha is ignored because GIF frames here are opaque.
    int indexOf(QRgb colour) const;
    // The picture as it will look once stored: every pixel moved to its palette colour.
    QImage quantized(const QImage& image) const;

private:
    QList<QRgb> m_colours;
    mutable QHash<QRgb, int> m_nearest;
};
