#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QStringList>

// A hand-set bitmap shape: rows of '#' (ink) and '.' (empty). Icons use these instead of fonts
// so that the pictures come out the same on every machine.
struct PixelGlyph {
    QStringList rows;

    int width() const { return rows.isEmpty() ? 0 : int(rows.first().size()); }
    int height() const { return int(rows.size()); }
    bool inked(int x, int y) const;
};

// Glyphs set side by side with one empty column between them.
PixelGlyph joinGlyphs(const QList<PixelGlyph>& glyphs);

struct GlyphColours {
    QColor ink;
    QColor highlight; // the upper rim of every stroke, lit from above
    QColor shadow;    // cast one pixel down and to the right onto the ground
};

void stampGlyph(QImage& image, QPoint topLeft, const PixelGlyph& glyph,
                const GlyphColours& colours);
