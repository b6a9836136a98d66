#include "PixelGlyph.h"

#include <algorithm>

bool PixelGlyph::inked(int x, int y) const {
    if (y < 0 || y >= height() || x < 0 || x >= int(rows[y].size()))
        return false;
    return rows[y][x] == QLatin1Char('#');
}

PixelGlyph joinGlyphs(const QList<PixelGlyph>& glyphs) {
    int height = 0;
    for (const PixelGlyph& glyph : glyphs)
        height = std::max(height, glyph.height());
    PixelGlyph joined;
    for (int y = 0; y < height; ++y) {
        QStringList parts;
        for (const PixelGlyph& glyph : glyphs)
            parts << (y < glyph.height() ? glyph.rows[y]
                                         : QString(glyph.width(), QLatin1Char('.')));
        joined.rows << parts.join(QLatin1Char('.'));
    }
    return joined;
}

void stampGlyph(QImage& image, QPoint topLeft, const PixelGlyph& glyph,
                const GlyphColours& colours) {
    for (int y = 0; y <= glyph.height(); ++y) {
        for (int x = 0; x <= glyph.width(); ++x) {
            const QPoint at = topLeft + QPoint(x, y);
            if (!image.rect().contains(at))
                continue;
            if (glyph.inked(x, y)) {
                const bool rim = !glyph.inked(x, y - 1);
                image.setPixelColor(at, rim ? colours.highlight : colours.ink);
            } else if (glyph.inked(x - 1, y - 1)) {
                image.setPixelColor(at, colours.shadow);
            }
        }
    }
}
