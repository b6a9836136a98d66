// Figure 3: one day step of the main window, offscreen. A step is what holding the stepper's
// arrow does once: stepDisplayDate(+1) (Diff, DrawGraph, the percentages and texts), then the
// repaint the window's event loop would do next: the update request, sent at once, paints
// everything the step made dirty (the chart, the strip and the labels whose texts changed),
// each once. Calling repaint() on the chart and then on the strip would paint the strip twice.
// The floor is one repaint of a widget of the chart's size that draws only the star field.

#include "BenchReport.h"
#include "ChartSurfaces.h"
#include "Clock.h"
#include "Dialogs.h"
#include "DisplayMode.h"
#include "PersonFileLocation.h"
#include "PersonList.h"
#include "Start.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

constexpr int DefaultSteps = 3000;
constexpr int WarmUp = 100;
constexpr int CountedSteps = 50;

class StarFieldOnly : public QWidget {
public:
    explicit StarFieldOnly(const QImage& starField) : m_starField(starField) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_starField);
    }

private:
    QImage m_starField;
};

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

void step(Start& window) {
    window.stepDisplayDate(+1);
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A smaller count as the first argument, for running under a profiler.
    const int Steps = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultSteps;

    FixedClock clock(QDate(2000, 1, 1));
    FixedDisplayMode displayMode(640, 480);
    WidgetDialogs dialogs;
    PersonList persons;
    // Steps never touch the person file; it would lie in a fresh folder of its own.
    QTemporaryDir personFolder;
    const PersonFileLocation personFile(personFolder.path());
    Start window(Start::Services{clock, displayMode, dialogs, persons, personFile,
                                 QCoreApplication::applicationDirPath()});
    window.load();
    window.resize(640, 480);
    window.show();
    QCoreApplication::processEvents();

    // First, untimed, which widgets one step paints: the chart and the strip must be painted
    // exactly once per step, or the figure would measure something else.
    PaintCounter counter;
    app.installEventFilter(&counter);
    for (int i = 0; i < CountedSteps; ++i)
        step(window);
    app.removeEventFilter(&counter);
    std::string painted;
    for (const auto& [name, count] : counter.paints) {
        char perStep[32];
        std::snprintf(perStep, sizeof perStep, " %.2g", double(count) / CountedSteps);
        painted += " " + (name.isEmpty() ? std::string("(unnamed)") : name.toStdString()) + perStep;
    }
    ChartArea* chart = window.controls().P1;
    const bool allPainted = counter.paints[QStringLiteral("P1")] == CountedSteps &&
                            counter.paints[QStringLiteral("P2")] == CountedSteps;

    const std::vector<double> stepMs = timeEach(Steps, WarmUp, [&] { step(window); });

    StarFieldOnly floorWidget(QImage(QStringLiteral(":/pictures/starfield.png")));
    floorWidget.resize(chart->size());
    floorWidget.show();
    QCoreApplication::processEvents();
    const std::vector<double> floorMs = timeEach(Steps, WarmUp, [&] { floorWidget.repaint(); });

    if (!allPainted) {
        std::fprintf(stderr, "a step did not paint the chart and the strip once each:%s\n",
                     painted.c_str());
        return 1;
    }
    printFigure({3, "One day step (offscreen)", median(stepMs), median(floorMs), "ms", 3.0, 2.0});
    printNote("Figure 3: " + std::to_string(Steps) + " steps after " + std::to_string(WarmUp) +
              " uncounted; floor = repaint of a " + std::to_string(chart->width()) + " x " +
              std::to_string(chart->height()) + " widget drawing only the star field.");
    printNote("Figure 3: paints per step:" + painted);
    return 0;
}
