#include "ClassicPalette.h"

QList<QRgb> classicPalette() {
    QList<QRgb> colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours << qRgb(r * 51, g * 51, b * 51);
    for (int i = 1; i <= 40; ++i) {
        const int grey = (i * 255 + 20) / 41;
        colours << qRgb(grey, grey, grey);
    }
    return colours;
}
