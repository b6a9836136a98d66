#include "WaveMotifs.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <array>
#include <cmath>
#include <numbers>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);

struct Wave {
    QColor colour;
    double wavelength;
    double phase; // in whole cycles, moves the wave to the right
};

// The three rhythms' periods of 23, 28 and 33 days set the ratio of the wavelengths.
std::array<Wave, 3> rhythmWaves(double daysToUnits, std::array<double, 3> phases) {
    return {Wave{Green, 33 * daysToUnits, phases[2]}, Wave{Blue, 28 * daysToUnits, phases[1]},
            Wave{Red, 23 * daysToUnits, phases[0]}};
}

// Traces y = centre - amplitude * sin(2 pi (x / wavelength - phase)) from `left` to `right`.
void drawWave(QPainter& painter, const Wave& wave, double left, double right, double centre,
              double amplitude, double penWidth) {
    const auto yAt = [&](double x) {
        return centre - amplitude * std::sin(2 * std::numbers::pi *
                                             ((x - left) / wave.wavelength - wave.phase));
    };
    QPainterPath path(QPointF(left, yAt(left)));
    for (double x = left + 0.25; x <= right + 1e-9; x += 0.25)
        path.lineTo(x, yAt(x));
    painter.setPen(QPen(wave.colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// The icon on its 32-unit grid, for any device scaled to it.
void paintAppIcon(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, 32);
    night.setColorAt(0, QColor(28, 36, 96));
    night.setColorAt(1, QColor(4, 6, 30));
    painter.setPen(QPen(QColor(110, 130, 200), 1));
    painter.setBrush(night);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);

    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.drawLine(QPointF(4, 16), QPointF(28, 16));
    // A third of a cycle apart, so each wave can be followed on its own even at 32 pixels.
    for (const Wave& wave : rhythmWaves(0.8, {0.0, 1 / 3.0, 2 / 3.0}))
        drawWave(painter, wave, 5, 27, 16, 7.5, 1.8);
}

} // namespace

QImage drawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(size / 32.0, size / 32.0);
    paintAppIcon(painter);
    return image;
}

QByteArray drawAppIconSvg() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(32, 32));
    generator.setViewBox(QRect(0, 0, 32, 32));
    generator.setTitle(QStringLiteral("Biorhythmus"));
    QPainter painter(&generator);
    paintAppIcon(painter);
    painter.end();
    return bytes;
}

QImage drawLogo(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double centre = size.height() / 2.0;
    for (const Wave& wave : rhythmWaves(1.2, {0.0, 0.25, 0.5}))
        drawWave(painter, wave, 1.5, size.width() - 1.5, centre, centre - 3, 2.0);
    return image;
}

QImage drawLineSample(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // Three rows, crisp, centred on an odd height; a pixel of air at either end.
    QPainter painter(&image);
    painter.fillRect(1, size.height() / 2 - 1, size.width() - 2, 3, colour);
    return image;
}

QList<QImage> drawClipFrames(QSize size, int frameCount) {
    // Each wave moves on by exactly one wavelength over the loop, so the last frame joins the
    // first without a jump; the shorter red wave thereby runs slowest.
    QList<QImage> frames;
    const double centre = size.height() / 2.0;
    for (int frame = 0; frame < frameCount; ++frame) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(0, 0, 51));
        QPainter painter(&image);
        painter.setPen(QPen(QColor(102, 102, 102), 1, Qt::DotLine));
        painter.drawLine(QPointF(0, std::floor(centre)), QPointF(size.width(), std::floor(centre)));
        painter.setRenderHint(QPainter::Antialiasing);
        const double step = double(frame) / frameCount;
        for (const Wave& wave : rhythmWaves(1.1, {step, 0.3 + step, 0.6 + step}))
            drawWave(painter, wave, 0, size.width(), centre, centre - 3, 1.6);
        frames << image;
    }
    return frames;
}
