#include "CommandIcons.h"

#include "PixelGlyph.h"

#include <QPainter>

namespace {

const QColor Outline(0, 0, 112);
const QColor CastShadow(118, 118, 118);
const QColor Paper(255, 255, 255);
const QColor PaperEdge(96, 96, 96);
const QColor PaperText(168, 168, 168);
const GlyphColours BlueInk{QColor(0, 0, 208), QColor(80, 120, 255), CastShadow};

// Light grey falling off from the upper left to the lower right corner.
QImage ground(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const int span = size.width() + size.height() - 2;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int grey = 236 - 60 * (x + y) / span;
            image.setPixel(x, y, qRgb(grey, grey, grey));
        }
    return image;
}

// A filled box with a one-pixel outline and a shadow cast to the lower right.
void box(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& outline) {
    painter.fillRect(rect.translated(1, 1), CastShadow);
    painter.fillRect(rect, outline);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), fill);
}

QImage centredGlyph(QSize size, const PixelGlyph& glyph) {
    QImage image = ground(size);
    // The cast shadow adds one pixel to the glyph's width and height.
    const QPoint topLeft((size.width() - glyph.width() - 1) / 2,
                         (size.height() - glyph.height() - 1) / 2);
    stampGlyph(image, topLeft, glyph, BlueInk);
    return image;
}

} // namespace

QImage drawPersonsIcon(QSize size) {
    QImage image = ground(size);
    QPainter painter(&image);
    // Three index cards fanned out from the back (upper right) to the front (lower left).
    const QSize card(16, 11);
    box(painter, QRect(QPoint(6, 1), card), QColor(72, 112, 224), Outline);
    box(painter, QRect(QPoint(4, 5), card), QColor(150, 176, 248), Outline);
    const QRect front(QPoint(2, 9), card);
    box(painter, front, QColor(236, 240, 255), Outline);
    painter.fillRect(front.left() + 2, front.top() + 2, card.width() - 4, 1, QColor(0, 0, 208));
    for (int row = 4; row < card.height() - 1; row += 2)
        painter.fillRect(front.left() + 2, front.top() + row, card.width() - 4, 1,
                         QColor(140, 168, 240));
    return image;
}

QImage drawHelpIcon(QSize size) {
    const PixelGlyph questionMark{{
        "...######...",
        "..########..",
        ".###....###.",
        ".###....###.",
        "........###.",
        ".......###..",
        "......###...",
        ".....###....",
        ".....###....",
        ".....###....",
        "............",
        ".....###....",
        ".....###....",
        ".....###....",
    }};
    return centredGlyph(size, questionMark);
}

QImage drawPrintIcon(QSize size) {
    QImage image = ground(size);
    QPainter painter(&image);
    // The sheet waiting at the back, the body, and the printed sheet coming out at the front.
    box(painter, QRect(7, 1, 10, 8), Paper, PaperEdge);
    for (int y : {3, 5})
        painter.fillRect(9, y, 6, 1, PaperText);
    const QRect body(2, 8, 20, 9);
    box(painter, body, QColor(16, 72, 216), Outline);
    painter.fillRect(body.left() + 1, body.top() + 1, body.width() - 2, 2, QColor(80, 136, 255));
    painter.fillRect(body.left() + 1, body.bottom() - 1, body.width() - 2, 1, QColor(0, 40, 150));
    painter.fillRect(5, 12, 14, 1, QColor(0, 0, 72));
    painter.fillRect(19, 10, 1, 1, QColor(0, 255, 0));
    box(painter, QRect(6, 13, 12, 7), Paper, PaperEdge);
    for (int y : {15, 17})
        painter.fillRect(8, y, 8, 1, PaperText);
    return image;
}

QImage drawExitIcon(QSize size) {
    const PixelGlyph capitalE{{
        "#####",
        "#####",
        "##...",
        "####.",
        "####.",
        "##...",
        "##...",
        "#####",
        "#####",
    }};
    const PixelGlyph smallX{{
        "......",
        "......",
        "......",
        "##..##",
        ".####.",
        "..##..",
        "..##..",
        ".####.",
        "##..##",
    }};
    const PixelGlyph smallI{{
        "##",
        "##",
        "..",
        "##",
        "##",
        "##",
        "##",
        "##",
        "##",
    }};
    const PixelGlyph smallT{{
        ".##.",
        ".##.",
        "####",
        ".##.",
        ".##.",
        ".##.",
        ".##.",
        ".##.",
        "..##",
    }};
    return centredGlyph(size, joinGlyphs({capitalE, smallX, smallI, smallT}));
}
