#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

class QDataStream;
class QPainter;

// The floors of start-up (figures 15-16) and of a day step (figure 3): what the main window
// shows, painted by one QPainter without a widget of the window. Where each part lies, in which
// font and colours, is read from the window itself (WindowLayout.h) and can be kept in a file,
// so that the start-up floor paints it without building the window.

// A text, or with an empty text a coloured block, at its place in the window.
struct FrameText {
    QRect rect;
    QFont font;
    int flags = 0;     // Qt::Alignment and Qt::TextWordWrap
    QColor colour;     // of the text
    QColor background; // invalid: none
    QString text;
};

// A picture of the resources, or the clip, centred in its place over its background.
struct FramePicture {
    QRect rect;
    QColor background;
    QString path;
};

struct FrameLayout {
    QSize size;
    QRect chart; // the chart and the strip with their frames
    QRect strip;
    QDate birth;
    QDate display;
    std::vector<FrameText> texts;         // what a day step leaves alone, bottom first
    std::vector<FramePicture> pictures;   // over the texts
    std::array<FrameText, 3> percentages; // by cycle; their texts follow the day
    std::array<FrameText, 3> phaseTexts;
};

QDataStream& operator<<(QDataStream& stream, const FrameLayout& layout);
QDataStream& operator>>(QDataStream& stream, FrameLayout& layout);

class FloorFrame {
public:
    // Loads every picture the frame shows; needs a QGuiApplication.
    explicit FloorFrame(FrameLayout layout);

    // The first frame: the tiled background, the blocks and texts, the pictures, the frames of
    // the chart and the strip, then the day.
    void paintWhole(QPainter& painter);

    // The next day, computed and painted as a day step changes it: the chart, the strip, the
    // percentages and the interpretation texts.
    void paintNextDay(QPainter& painter);

private:
    void paintDay(QPainter& painter);

    FrameLayout m_layout;
    QImage m_starField;
    QPixmap m_tile;
    std::vector<QImage> m_pictures; // by m_layout.pictures
};
