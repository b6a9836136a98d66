// The floor for start-up and memory of figures 15-16: the main window's first frame (the tiled
// background, the captions and dates, the pictures, the star field with the chart, the day
// strip, the percentages and the texts) painted by one QPainter into one window of its size,
// with no widget of the program. It leaves after that paint as FloorWindow does.
//
//   bench_floorframe <frame layout>
//
// The layout, the places and fonts of the window's parts, is written by bench_framelayout.

#include "FloorFrame.h"
#include "LeaveAfterFirstPaint.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <optional>

namespace {

std::optional<FrameLayout> readLayout(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QDataStream stream(&file);
    FrameLayout layout;
    stream >> layout;
    if (stream.status() != QDataStream::Ok)
        return std::nullopt;
    return layout;
}

class FrameWindow : public QWidget {
public:
    explicit FrameWindow(FrameLayout layout) : m_frame(std::move(layout)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_frame.paintWhole(painter);
    }

private:
    FloorFrame m_frame;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::optional<FrameLayout> layout =
        argc == 2 ? readLayout(QString::fromLocal8Bit(argv[1])) : std::nullopt;
    if (!layout) {
        std::fprintf(stderr, "usage: %s <frame layout written by bench_framelayout>\n", argv[0]);
        return 2;
    }
    FrameWindow window(*layout);
    window.resize(layout->size);
    window.setAttribute(Qt::WA_OpaquePaintEvent);
    LeaveAfterFirstPaint leave;
    window.installEventFilter(&leave);
    window.show();
    return QApplication::exec();
}
