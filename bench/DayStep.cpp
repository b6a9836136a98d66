// Figure 3: one day step of the main window, offscreen (see BenchWindow::step), against the
// same frame painted directly: the chart with its curves and zero line, the strip's day
// numbers, the three percentages and the three texts, computed for the next day and painted
// by one QPainter into an image of the window's size, at the window's places in its fonts.

#include "BenchReport.h"
#include "BenchWindow.h"
#include "core/Cycle.h"
#include "core/DateRules.h"
#include "core/Phase.h"
#include "core/PhaseTexts.h"
#include "drawing/ChartPainter.h"
#include "gui/controls/DateInput.h"
#include "gui/mainwindow/ChartSurfaces.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

constexpr int DefaultSteps = 3000;
constexpr int WarmUp = 100;
constexpr int CountedSteps = 50;

class FloorFrame {
public:
    explicit FloorFrame(const MainWindow& window);
    void paintNextDay();

private:
    struct Text {
        QRect rect;
        QFont font;
        int flags = 0;
        QColor background;
    };
    static Text textOf(const QLabel& label);
    static void paintText(QPainter& painter, const Text& place, const QString& text);

    QImage m_image;
    QImage m_starField{QStringLiteral(":/pictures/starfield.png")};
    QRect m_chart;
    QRect m_strip;
    std::array<Text, 3> m_percentages;
    std::array<Text, 3> m_texts;
    QDate m_birth;
    QDate m_display;
};

FloorFrame::FloorFrame(const MainWindow& window)
    : m_image(window.size(), QImage::Format_RGB32), m_birth(window.controls().M1->date()),
      m_display(window.controls().M2->date()) {
    const MainWindowControls& c = window.controls();
    m_chart = c.P1->contentsRect().translated(c.P1->pos());
    m_strip = c.P2->contentsRect().translated(c.P2->pos());
    for (int i = 0; i < 3; ++i) {
        m_percentages[i] = textOf(*c.L2[i]);
        m_texts[i] = textOf(*c.L4[i]);
    }
}

FloorFrame::Text FloorFrame::textOf(const QLabel& label) {
    const int m = label.margin();
    return {label.contentsRect().adjusted(m, m, -m, -m).translated(label.pos()), label.font(),
            int(label.alignment()) | (label.wordWrap() ? int(Qt::TextWordWrap) : 0),
            label.palette().color(QPalette::Window)};
}

void FloorFrame::paintText(QPainter& painter, const Text& place, const QString& text) {
    painter.fillRect(place.rect, place.background);
    painter.setFont(place.font);
    painter.drawText(place.rect, place.flags, text);
}

void FloorFrame::paintNextDay() {
    m_display = stepDay(m_display, +1);
    const std::int32_t dayCount = dayCountBetween(m_birth, m_display);
    QPainter painter(&m_image);
    painter.translate(m_chart.topLeft());
    drawChart(painter, m_chart.size(), dayCount, m_starField);
    painter.resetTransform();
    painter.translate(m_strip.topLeft());
    drawDayStrip(painter, m_strip.size(), m_display);
    painter.resetTransform();
    painter.setPen(Qt::black);
    for (Cycle cycle : AllCycles) {
        const int i = int(cycle);
        paintText(painter, m_percentages[i], percentageText(dayCount, period(cycle)));
        paintText(painter, m_texts[i], phaseText(phaseIndex(cycle, dayCount)));
    }
}

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

    FloorFrame floor(bench.window());
    const auto [stepMs, floorMs] = timeInTurns(
        Steps, WarmUp, [&] { bench.step(); }, [&] { floor.paintNextDay(); });

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
