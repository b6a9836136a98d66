#include "FloorFrame.h"

#include "core/Cycle.h"
#include "core/DateRules.h"
#include "core/Phase.h"
#include "core/PhaseTexts.h"
#include "drawing/ChartPainter.h"
#include "drawing/ChartPicture.h"
#include "drawing/Frames.h"
#include "drawing/Tiling.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

namespace {

QDataStream& operator<<(QDataStream& stream, const FrameText& text) {
    return stream << text.rect << text.font << text.flags << text.colour << text.background
                  << text.text;
}

QDataStream& operator>>(QDataStream& stream, FrameText& text) {
    return stream >> text.rect >> text.font >> text.flags >> text.colour >> text.background >>
           text.text;
}

QDataStream& operator<<(QDataStream& stream, const FramePicture& picture) {
    return stream << picture.rect << picture.background << picture.path;
}

QDataStream& operator>>(QDataStream& stream, FramePicture& picture) {
    return stream >> picture.rect >> picture.background >> picture.path;
}

template <class Range> void writeAll(QDataStream& stream, const Range& items) {
    stream << quint32(items.size());
    for (const auto& item : items)
        stream << item;
}

template <class Item> void readAll(QDataStream& stream, std::vector<Item>& items) {
    quint32 count = 0;
    stream >> count;
    items.resize(stream.status() == QDataStream::Ok ? count : 0);
    for (Item& item : items)
        stream >> item;
}

template <class Item, std::size_t N> void readAll(QDataStream& stream, std::array<Item, N>& items) {
    quint32 count = 0;
    stream >> count;
    if (count != N)
        stream.setStatus(QDataStream::ReadCorruptData);
    for (Item& item : items)
        stream >> item;
}

void paintText(QPainter& painter, const FrameText& place, const QString& text) {
    if (place.background.isValid())
        painter.fillRect(place.rect, place.background);
    if (text.isEmpty())
        return;
    painter.setPen(place.colour);
    painter.setFont(place.font);
    painter.drawText(place.rect, place.flags, text);
}

QRect inside(const QRect& frame, int width) {
    return frame.adjusted(width, width, -width, -width);
}

// The clip is a GIF whatever its name says; the first of its frames is the one shown first.
QImage pictureAt(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

QDataStream& operator<<(QDataStream& stream, const FrameLayout& layout) {
    stream << layout.size << layout.chart << layout.strip << layout.birth << layout.display;
    writeAll(stream, layout.texts);
    writeAll(stream, layout.pictures);
    writeAll(stream, layout.percentages);
    writeAll(stream, layout.phaseTexts);
    return stream;
}

QDataStream& operator>>(QDataStream& stream, FrameLayout& layout) {
    stream >> layout.size >> layout.chart >> layout.strip >> layout.birth >> layout.display;
    readAll(stream, layout.texts);
    readAll(stream, layout.pictures);
    readAll(stream, layout.percentages);
    readAll(stream, layout.phaseTexts);
    return stream;
}

FloorFrame::FloorFrame(FrameLayout layout)
    : m_layout(std::move(layout)), m_starField(QStringLiteral(":/pictures/starfield.png")),
      m_tile(QStringLiteral(":/pictures/tile.png")) {
    for (const FramePicture& picture : m_layout.pictures)
        m_pictures.push_back(pictureAt(picture.path));
}

void FloorFrame::paintWhole(QPainter& painter) {
    paintTiles(painter, m_tile, m_layout.size, QRect(QPoint(0, 0), m_layout.size));
    for (const FrameText& text : m_layout.texts)
        paintText(painter, text, text.text);
    for (std::size_t i = 0; i < m_pictures.size(); ++i) {
        const FramePicture& place = m_layout.pictures[i];
        if (place.background.isValid())
            painter.fillRect(place.rect, place.background);
        QRect centred(QPoint(0, 0), m_pictures[i].size());
        centred.moveCenter(place.rect.center());
        painter.drawImage(centred, m_pictures[i]);
    }
    drawSunkenPanel(painter, m_layout.chart, QGuiApplication::palette(), ChartFrameWidth);
    drawPlainFrame(painter, m_layout.strip, Qt::white, StripFrameWidth);
    paintDay(painter);
}

void FloorFrame::paintNextDay(QPainter& painter) {
    m_layout.display = stepDay(m_layout.display, +1);
    paintDay(painter);
}

void FloorFrame::paintDay(QPainter& painter) {
    const std::int32_t dayCount = dayCountBetween(m_layout.birth, m_layout.display);
    const QRect chart = inside(m_layout.chart, ChartFrameWidth);
    const QRect strip = inside(m_layout.strip, StripFrameWidth);
    painter.save();
    painter.translate(chart.topLeft());
    drawChart(painter, chart.size(), dayCount, m_starField);
    painter.restore();
    painter.save();
    painter.translate(strip.topLeft());
    drawDayStrip(painter, strip.size(), m_layout.display);
    painter.restore();
    for (Cycle cycle : AllCycles) {
        const int i = int(cycle);
        paintText(painter, m_layout.percentages[i], percentageText(dayCount, period(cycle)));
        paintText(painter, m_layout.phaseTexts[i], phaseText(phaseIndex(cycle, dayCount)));
    }
}
