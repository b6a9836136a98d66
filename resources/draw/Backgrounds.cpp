#include "Backgrounds.h"

#include "ClassicPalette.h"
#include "GifPalette.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace {

// std::mt19937's sequence is fixed by the C++ standard, so the sky is the same on every build.
constexpr unsigned StarSeed = 19531120;
// One star to roughly 420 pixels keeps the one-pixel chart curves easy to follow.
constexpr int PixelsPerStar = 420;

class StarSky {
public:
    explicit StarSky(QSize size) : m_image(size, QImage::Format_RGB32) { m_image.fill(Qt::black); }

    // Stars keep a dark pixel between them, so none grows into a blob.
    bool hasRoomAt(QPoint at, int radius) const {
        for (int dy = -radius - 1; dy <= radius + 1; ++dy)
            for (int dx = -radius - 1; dx <= radius + 1; ++dx)
                if (m_image.rect().contains(at + QPoint(dx, dy)) &&
                    m_image.pixel(at + QPoint(dx, dy)) != qRgb(0, 0, 0))
                    return false;
        return true;
    }

    // A bright core with arms that fade; radius 0 is a single pixel.
    void put(QPoint at, QColor colour, int radius) {
        set(at, colour, 1.0);
        for (int arm = 1; arm <= radius; ++arm) {
            const double fade = arm == 1 ? 0.45 : 0.2;
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                set(at + step * arm, colour, fade);
        }
    }

    const QImage& image() const { return m_image; }

private:
    void set(QPoint at, QColor colour, double strength) {
        if (m_image.rect().contains(at))
            m_image.setPixelColor(at, QColor::fromRgbF(float(colour.redF() * strength),
                                                       float(colour.greenF() * strength),
                                                       float(colour.blueF() * strength)));
    }

    QImage m_image;
};

// Pale tints only: pure red, blue or green stars could be mistaken for a curve.
const std::array<QColor, 6> StarTints{QColor(255, 255, 153), QColor(153, 204, 255),
                                      QColor(255, 204, 153), QColor(204, 153, 255),
                                      QColor(153, 255, 255), QColor(255, 170, 170)};

} // namespace

QImage drawStarField(QSize size) {
    std::mt19937 random(StarSeed);
    StarSky sky(size);
    const int stars = size.width() * size.height() / PixelsPerStar;
    int largeStars = 0;
    for (int placed = 0, tries = 0; placed < stars && tries < stars * 20; ++tries) {
        const QPoint at(int(random() % unsigned(size.width())),
                        int(random() % unsigned(size.height())));
        const unsigned kind = random() % 100;
        const unsigned shade = random() % 4;
        QColor colour;
        int radius = 0;
        if (kind < 55) {
            const int grey = 40 + int(shade) * 20;
            colour = QColor(grey, grey, grey);
        } else if (kind < 80) {
            const int grey = 130 + int(shade) * 20;
            colour = QColor(grey, grey, grey);
        } else if (kind < 91) {
            colour = Qt::white;
            radius = shade == 0 ? 1 : 0;
            if (shade == 1 && largeStars < 4) {
                radius = 2;
                ++largeStars;
            }
        } else {
            colour = StarTints[random() % StarTints.size()];
            radius = shade == 0 ? 1 : 0;
        }
        if (!sky.hasRoomAt(at, radius))
            continue;
        sky.put(at, colour, radius);
        ++placed;
    }
    return GifPalette(classicPalette()).quantized(sky.image());
}

QImage drawTile(QSize size) {
    // Light from the upper left: the upper and left rims catch it, the lower and right rims and
    // the outermost ring lie in shade, and the middle swells softly towards the light.
    const QColor base(196, 204, 218);
    constexpr int Bevel = 3;
    QImage tile(size, QImage::Format_RGB32);
    const double cx = (size.width() - 1) / 2.0;
    const double cy = (size.height() - 1) / 2.0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int left = x;
            const int top = y;
            const int right = size.width() - 1 - x;
            const int bottom = size.height() - 1 - y;
            const int edge = std::min({left, top, right, bottom});
            double light;
            if (edge < Bevel) {
                const bool lit = std::min(left, top) <= std::min(right, bottom);
                light = lit ? 1.02 + 0.015 * edge : 0.86 + 0.03 * edge;
                if (edge == 0)
                    light -= 0.05;
                const int sides =
                    (left == edge) + (top == edge) + (right == edge) + (bottom == edge);
                if (sides > 1 || (std::min(left, right) < Bevel && std::min(top, bottom) < Bevel))
                    light -= 0.03;
            } else {
                const double dx = (x - cx) / cx;
                const double dy = (y - cy) / cy;
                light = 1.0 + 0.05 * std::max(0.0, 1.0 - (dx * dx + dy * dy));
            }
            tile.setPixelColor(x, y,
                               QColor(std::min(255, int(std::lround(base.red() * light))),
                                      std::min(255, int(std::lround(base.green() * light))),
                                      std::min(255, int(std::lround(base.blue() * light)))));
        }
    }
    return tile;
}
