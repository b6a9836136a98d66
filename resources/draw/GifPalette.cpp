#include "GifPalette.h"

#include <climits>

GifPalette::GifPalette(const QList<QRgb>& colours) : m_colours(colours) {}

int GifPalette::tableBits() const {
    int bits = 1;
    while ((1 << bits) < m_colours.size())
        ++bits;
    return bits;
}

int GifPalette::indexOf(QRgb colour) const {
    const QRgb key = colour | 0xff000000u;
    if (const auto found = m_nearest.constFind(key); found != m_nearest.constEnd())
        return *found;
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < m_colours.size(); ++i) {
        const int dr = qRed(key) - qRed(m_colours[i]);
        const int dg = qGreen(key) - qGreen(m_colours[i]);
        const int db = qBlue(key) - qBlue(m_colours[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    m_nearest.insert(key, best);
    return best;
}

QImage GifPalette::quantized(const QImage& image) const {
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = m_colours[indexOf(line[x])] | 0xff000000u;
    }
    return result;
}
