#include "ChartPicture.h"

#include "core/DateRules.h"
#include "core/WholeFile.h"
#include "drawing/ChartPainter.h"
#include "drawing/Frames.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChartPicture)
};

QSize chartSize() {
    return ChartPlace.toPixels().size();
}

QSize stripSize() {
    return StripPlace.toPixels().size();
}

QRect inside(const QSize& size, int frameWidth) {
    return QRect(QPoint(0, 0), size).adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
}

QByteArray svgBytes(const QDate& birth, const QDate& display) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(chartPictureSize());
    svg.setViewBox(QRect(QPoint(0, 0), chartPictureSize()));
    svg.setResolution(96); // one picture pixel is one CSS pixel
    svg.setTitle(Texts::tr("Biorhythmus %1").arg(displayDateText(display)));
    QPainter painter(&svg);
    paintChartPicture(painter, birth, display);
    painter.end();
    return buffer.data();
}

QByteArray pngBytes(const QDate& birth, const QDate& display) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    chartPictureImage(birth, display).save(&buffer, "PNG");
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

Outcome saveChartPicture(const QString& path, const QDate& birth, const QDate& display,
                         PictureFormat format) {
    return writeWholeFile(
        path, format == PictureFormat::Svg ? svgBytes(birth, display) : pngBytes(birth, display),
        false);
}

Outcome saveChartPicture(const QString& path, const QDate& birth, const QDate& display) {
    const bool svg =
        QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    return saveChartPicture(path, birth, display, svg ? PictureFormat::Svg : PictureFormat::Png);
}
