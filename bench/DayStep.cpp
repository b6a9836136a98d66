// Figure 3: one day step of the main window, offscreen (see BenchWindow::step), against the
// same frame painted directly: the chart with its curves and zero line, the strip's day
// numbers, the three percentages and the three texts, computed for the next day and painted
// by one QPainter into an image of the window's size, at the window's places in its fonts.

#include "BenchReport.h"
#include "BenchWindow.h"
#include "FloorFrame.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

constexpr int DefaultSteps = 3000;
constexpr int WarmUp = 100;
constexpr int CountedSteps = 50;

// Counts the paint events each widget receives, by object name.
class PaintCounter : public QObject {
public:
    using QObject::QObject;
    std::map<QString, int> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints[watched->objectName()];
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A smaller count as the first argument, for running under a profiler.
    const int Steps = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultSteps;
    BenchWindow bench;

    // First, untimed, which widgets one step paints: the chart and the strip must be painted
    // exactly once per step, or the figure would measure something else.
    PaintCounter counter;
    app.installEventFilter(&counter);
    for (int i = 0; i < CountedSteps; ++i)
        bench.step();
    app.removeEventFilter(&counter);
    std::string painted;
    for (const auto& [name, count] : counter.paints) {
        char perStep[32];
        std::snprintf(perStep, sizeof perStep, " %.2g", double(count) / CountedSteps);
        painted += " " + (name.isEmpty() ? std::string("(unnamed)") : name.toStdString()) + perStep;
    }
    const bool allPainted = counter.paints[QStringLiteral("P1")] == CountedSteps &&
                            counter.paints[QStringLiteral("P2")] == CountedSteps;

    FloorFrame floor(windowLayout(bench.window()));
    QImage frame(bench.window().size(), QImage::Format_RGB32);
    const auto [stepMs, floorMs] = timeInTurns(
        Steps, WarmUp, [&] { bench.step(); },
        [&] {
            QPainter painter(&frame);
            floor.paintNextDay(painter);
        });

    if (!allPainted) {
        std::fprintf(stderr, "a step did not paint the chart and the strip once each:%s\n",
                     painted.c_str());
        return 1;
    }
    printFigure({3, "One day step (offscreen)", median(stepMs), median(floorMs), "ms", 1.5, 2.0});
    printNote("Figure 3: " + std::to_string(stepMs.size()) + " steps after " +
              std::to_string(WarmUp) +
              " uncounted; floor = the same frame (chart, strip, percentages, texts) painted "
              "by one QPainter into a " +
              std::to_string(bench.window().width()) + " x " +
              std::to_string(bench.window().height()) + " image.");
    printNote("Figure 3: paints per step:" + painted);
    return 0;
}
