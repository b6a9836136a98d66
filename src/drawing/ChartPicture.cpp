#include "ChartPicture.h"

#include "core/DateRules.h"
#include "core/DayWords.h"
#include "core/WholeFile.h"
#include "drawing/ChartGeometry.h"
#include "drawing/ChartPainter.h"
#include "drawing/Frames.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

namespace {
QSize chartSize() {
    return ChartPlace.toPixels().size();
}

QSize stripSize() {
    return StripPlace.toPixels().size();
}

QRect inside(const QSize& size, int frameWidth) {
    return QRect(QPoint(0, 0), size).adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
}

ChartPictureWords wordsFor(const QString& name, const QDate& birth, const QDate& display) {
    const QDate first = display.addDays(-ChartGeometry::DisplayDayColumn);
    return chartPictureWords(name, birth, first, display, first.addDays(ChartGeometry::Days - 1));
}

QByteArray svgBytes(const ChartPictureWords& words, const QDate& birth, const QDate& display) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(chartPictureSize());
    svg.setViewBox(QRect(QPoint(0, 0), chartPictureSize()));
    svg.setResolution(96); // one picture pixel is one CSS pixel
    svg.setTitle(words.title);
    svg.setDescription(words.description);
    QPainter painter(&svg);
    paintChartPicture(painter, birth, display);
    painter.end();
    // The generator gives the size in millimetres to six digits (153.194mm), which renderers
    // take for a pixel more than the picture has; in pixels it is exact.
    QByteArray bytes = buffer.data();
    const qsizetype start = bytes.indexOf("<svg width=");
    const QSize size = chartPictureSize();
    return bytes.replace(start, bytes.indexOf('\n', start) - start,
                         QStringLiteral("<svg width=\"%1\" height=\"%2\"")
                             .arg(size.width())
                             .arg(size.height())
                             .toUtf8());
}

// The words in the PNG's text chunks under the keys that PNG defines for them.
QByteArray pngBytes(const ChartPictureWords& words, const QDate& birth, const QDate& display) {
    QImage image = chartPictureImage(birth, display);
    image.setText(QStringLiteral("Title"), words.title);
    image.setText(QStringLiteral("Description"), words.description);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}
} // namespace

QSize chartPictureSize() {
    return QSize(chartSize().width(), chartSize().height() + stripSize().height());
}

void paintChartPicture(QPainter& painter, const QDate& birth, const QDate& display,
                       const QDate& partnerBirth) {
    static const QImage starField(QStringLiteral(":/pictures/starfield.png"));
    const QRect chart = inside(chartSize(), ChartFrameWidth);
    const QRect strip = inside(stripSize(), StripFrameWidth);
    painter.save();
    drawSunkenPanel(painter, QRect(QPoint(0, 0), chartSize()), QGuiApplication::palette(),
                    ChartFrameWidth);
    painter.translate(chart.topLeft());
    drawChart(painter, chart.size(), dayCountBetween(birth, display), starField,
              partnerBirth.isValid() ? std::optional(dayCountBetween(partnerBirth, display))
                                     : std::nullopt);
    painter.translate(-chart.left(), chartSize().height() - chart.top());
    drawPlainFrame(painter, QRect(QPoint(0, 0), stripSize()), Qt::white, StripFrameWidth);
    painter.translate(strip.topLeft());
    drawDayStrip(painter, strip.size(), display);
    painter.restore();
}

QImage chartPictureImage(const QDate& birth, const QDate& display) {
    QImage image(chartPictureSize(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paintChartPicture(painter, birth, display);
    return image;
}

Outcome saveChartPicture(const QString& path, const QString& name, const QDate& birth,
                         const QDate& display, PictureFormat format) {
    const ChartPictureWords words = wordsFor(name, birth, display);
    return writeOutputFile(path, format == PictureFormat::Svg ? svgBytes(words, birth, display)
                                                              : pngBytes(words, birth, display));
}

Outcome saveChartPicture(const QString& path, const QString& name, const QDate& birth,
                         const QDate& display) {
    const bool svg =
        QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    return saveChartPicture(path, name, birth, display,
                            svg ? PictureFormat::Svg : PictureFormat::Png);
}
