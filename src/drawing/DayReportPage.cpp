#include "DayReportPage.h"

#include "core/Cycle.h"
#include "core/DateRules.h"
#include "drawing/ChartGeometry.h"
#include "drawing/ChartPainter.h"
#include "drawing/CycleColors.h"
#include "drawing/PageSurface.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

const QColor Black(0, 0, 0);
const QColor Red = cycleColor(Cycle::Physical);
const QColor Blue = cycleColor(Cycle::Emotional);
const QColor Green = cycleColor(Cycle::Intellectual);

// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DayReport)
};

void setFont(PageSurface& page, double points, bool bold, bool italic = false,
             bool underline = false) {
    page.setFontSize(points);
    page.setBold(bold);
    page.setItalic(italic);
    page.setUnderline(underline);
}

void emptyLines(PageSurface& page, int count) {
    for (int i = 0; i < count; ++i)
        page.printLine();
}

void printAt(PageSurface& page, double x, double y, const QString& text) {
    page.setPosition(x, y);
    page.printLine(text);
}

void printAt(PageSurface& page, double x, double y, const QColor& colour, const QString& text) {
    page.setColor(colour);
    printAt(page, x, y, text);
}

void printSetUp(PageSurface& page) {
    page.setFontName(QStringLiteral("Arial"));
    setFont(page, 16, true);
    page.setColor(Black);
    page.setLineWidth(1);
    page.setLineStyle(PageSurface::LineStyle::Solid);
    page.useCharacterCells();
}

void printTitle(PageSurface& page) {
    printAt(page, 13, TitleRowCell, QStringLiteral("VORAX "));
    printAt(page, 23, TitleRowCell, Blue, QStringLiteral("B"));
    printAt(page, 25, TitleRowCell, Red, QStringLiteral("I"));
    printAt(page, 26, TitleRowCell, Green, QStringLiteral("O"));
    printAt(page, 28, TitleRowCell, Black, QStringLiteral("RHYTHMUS"));

    setFont(page, 8, true, true);
    printAt(page, 68, TitleRowCell, Texts::tr("Copyright © Biorhythmus-Team"));

    page.line(QPointF(ReportLeftCell, RuleRowCell), QPointF(RuleRightCell, RuleRowCell));
}

void printDateLine(PageSurface& page, const DayReport& report) {
    setFont(page, 12, true);
    emptyLines(page, 3);
    page.setX(DateLineCell);
    page.printLine(reportDateLine(report));
    emptyLines(page, 1);
}

void frame(PageSurface& page, double left, double top, double right, double bottom) {
    page.line(QPointF(left, top), QPointF(right, top));
    page.line(QPointF(left, top), QPointF(left, bottom));
    page.line(QPointF(left, bottom), QPointF(right, bottom));
    page.line(QPointF(right, top), QPointF(right, bottom));
}

void printChart(PageSurface& page, const DayReport& report) {
    page.useScale(ChartScaleLeft, ChartScaleTop, ChartScaleWidth, ChartScaleHeight);
    page.setLineWidth(4);
    page.setLineStyle(PageSurface::LineStyle::Solid);
    page.setColor(Black);
    frame(page, -0.5, -0.5, 31.5, 18.5);
    frame(page, 0, 0, 31, 18);

    for (Cycle cycle : DrawingOrder) {
        const QPolygonF points = ChartGeometry::curvePoints(report.chartDayCount, cycle);
        page.setPosition(points.first().x(), points.first().y());
        for (qsizetype i = 1; i < points.size(); ++i)
            page.lineTo(points[i], cycleColor(cycle));
    }

    page.setLineWidth(1);
    page.setLineStyle(PageSurface::LineStyle::Dotted);
    const QLineF zero = ChartGeometry::zeroLine(ChartGeometry::PaperLines);
    page.line(zero.p1(), zero.p2());
    page.setLineStyle(PageSurface::LineStyle::Solid);
    const QLineF marker = ChartGeometry::markerLine(ChartGeometry::PaperLines);
    page.line(marker.p1(), marker.p2());

    page.line(QPointF(-0.5, 18.5), QPointF(-0.5, 20.5));
    page.line(QPointF(-0.5, 20.5), QPointF(31.5, 20.5));
    page.line(QPointF(31.5, 18.5), QPointF(31.5, 20.5));

    setFont(page, 8, false);
    page.setColor(Black);
    const QStringList labels = dayStripLabels(report.displayDate);
    for (int i = 0; i < labels.size(); ++i) {
        printAt(page, ChartGeometry::stripLabelLeft(i, page.textWidth(labels[i])), 19, labels[i]);
        page.setY(19);
    }
    page.useCharacterCells();
}

void printLegend(PageSurface& page) {
    setFont(page, 10, true);
    printAt(page, 13, LegendRowCell, Red, Texts::tr("Physische Kurve ist rot"));
    printAt(page, 37, LegendRowCell, Blue, Texts::tr("Seelische Kurve ist blau"));
    printAt(page, 62, LegendRowCell, Green, Texts::tr("Geistige Kurve ist grün"));
    page.setColor(Black);
    emptyLines(page, 3);
}

void printCycleBlock(PageSurface& page, const QString& label, const QString& percentage,
                     const QString& text) {
    page.setX(ReportLeftCell);
    setFont(page, 10, true, false, true);
    page.printLine(label + QStringLiteral("  ") + percentage);
    setFont(page, 9, false, true, false);
    for (const QString& line : reportTextLines(text)) {
        page.setX(ReportLeftCell);
        page.printLine(line);
    }
}

void printCycleBlocks(PageSurface& page, const DayReport& report) {
    for (Cycle cycle : AllCycles) {
        const int k = int(cycle);
        if (k > 0)
            emptyLines(page, 2);
        printCycleBlock(page, conditionHeading(cycle), report.percentages[k], report.texts[k]);
    }
}

} // namespace

std::array<QString, 4> reportTextLines(const QString& text) {
    return {text.mid(0, 99), text.mid(99, 100), text.mid(199, 100), text.mid(299, 99)};
}

QString reportDateLine(const DayReport& report) {
    return report.birthCaption + QStringLiteral("  ") + displayDateText(report.birthDate) +
           QString(20, QLatin1Char(' ')) + report.displayCaption + QStringLiteral("  ") +
           displayDateText(report.displayDate);
}

void drawDayReport(PageSurface& page, const DayReport& report) {
    printSetUp(page);
    printTitle(page);
    printDateLine(page, report);
    printChart(page, report);
    printLegend(page);
    printCycleBlocks(page, report);
}

void paintDayReport(QPainter& painter, const DayReport& report) {
    painter.save();
    PageSurface page(painter);
    drawDayReport(page, report);
    painter.restore();
}
