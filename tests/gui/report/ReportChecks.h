#pragma once

// Checks of a printed day report page, read back from its PDF: words at their cells and in
// order, the title's colours, and the chart clear between the rule and the legend.

#include "PageReading.h"
#include "core/DateRules.h"
#include "core/DayReport.h"
#include "drawing/ChartPainter.h"

#include <QMap>
#include <QMarginsF>
#include <QTest>
#include <algorithm>
#include <tuple>

namespace reportcheck {

constexpr double CellX = 6.0;  // points
constexpr double CellY = 12.0; // points
constexpr double Tolerance = 1.5;
// Word boxes of a page that went through the print system's conversion hug the letters, so
// their tops lie a little below the text's cell; a row is 12 points.
constexpr double VerticalTolerance = 3.5;
constexpr int Dpi = 300; // fine enough to see the gap of a millimetre between chart and legend

// 400 characters without spaces, so each printed line is one word that shows where it was cut.
inline QString digitText(int length) {
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(u'0' + i % 10);
    return text;
}

inline DayReport sampleReport(int physicalLength = 299) {
    DayReport r;
    r.birthCaption = QStringLiteral("Geburts-Datum");
    r.birthDate = QDate(1953, 11, 20);
    r.displayCaption = QStringLiteral("Anzeige-Datum");
    r.displayDate = QDate(2024, 3, 1);
    r.chartDayCount = dayCountBetween(r.birthDate, r.displayDate);
    r.percentages = {QStringLiteral("27 %"), QStringLiteral("-100 %"), QStringLiteral("-81 %")};
    QString words;
    while (words.size() < physicalLength)
        words += QStringLiteral("Wort ");
    r.texts = {words.left(physicalLength), digitText(400),
               QStringLiteral("Heute ist ein guter Tag.")};
    return r;
}

inline bool darkPixel(QRgb p) {
    return qRed(p) + qGreen(p) + qBlue(p) < 300;
}

// Pure red, green or blue ink, black for any other dark ink, white for paper and the pale
// edges of letters.
inline QRgb inkOf(QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (r > 180 && g < 140 && b < 140)
        return qRgb(255, 0, 0);
    if (g > 150 && r < 140 && b < 140)
        return qRgb(0, 255, 0);
    if (b > 180 && r < 140 && g < 140)
        return qRgb(0, 0, 255);
    return darkPixel(p) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
}

// The ink most pixels of the area show, apart from the paper.
inline QRgb dominantInk(const QImage& image, const QRect& area) {
    QMap<QRgb, int> count;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++count[inkOf(image.pixel(x, y))];
    count.remove(qRgb(255, 255, 255));
    QRgb most = qRgb(255, 255, 255);
    for (auto ink = count.cbegin(); ink != count.cend(); ++ink)
        if (ink.value() > count.value(most))
            most = ink.key();
    return most;
}

// Share of dark pixels in one image row between two columns.
inline double darkShare(const QImage& image, int row, int left, int right) {
    int dark = 0;
    for (int x = left; x <= right; ++x)
        dark += darkPixel(image.pixel(x, row)) ? 1 : 0;
    return double(dark) / (right - left + 1);
}

// One printed page read back: its words, its picture, and where its cells and chart units lie.
// The printable area starts at margins (points) from the top-left corner of the paper.
struct ReadPage {
    QList<PageWord> words;
    QImage image;
    QMarginsF margins;
    double width = 0; // points
    double height = 0;

    double cellX(double cells) const { return margins.left() + cells * CellX; }
    double cellY(double cells) const { return margins.top() + cells * CellY; }
    static int px(double points) { return int(points * Dpi / 72.0 + 0.5); }
    double chartX(double x) const {
        return margins.left() + (x + 7) * (width - margins.left() - margins.right()) / 46;
    }
    double chartY(double y) const {
        const double printableHeight = height - margins.top() - margins.bottom();
        return margins.top() + (y + 18) * std::min(printableHeight, 10.9 * 72) / 90;
    }
    // A word missing from the page stands at its top-left corner, where no check expects it.
    const PageWord& word(const QString& text) const {
        static const PageWord missing;
        const PageWord* found = findWord(words, text);
        return found ? *found : missing;
    }
};

// Title runs: one line reading VORAX BIORHYTHMUS, the B at cell 23, the runs coloured; the
// copyright beside it and the rule under it from cell 13 to cell 82.
inline void verifyTitle(const ReadPage& page) {
    QStringList title;
    const PageWord* firstB = nullptr;
    for (const PageWord& w : page.words)
        if (std::abs(w.box.top() - page.cellY(4)) < 5 && w.box.left() < page.cellX(60)) {
            title << w.text;
            if (w.text.startsWith(QLatin1Char('B')) && !firstB)
                firstB = &w;
        }
    QCOMPARE(title.join(QString()), QStringLiteral("VORAXBIORHYTHMUS"));
    QVERIFY(firstB);
    QVERIFY(std::abs(page.word(QStringLiteral("VORAX")).box.left() - page.cellX(13)) < Tolerance);
    QVERIFY(std::abs(firstB->box.left() - page.cellX(23)) < Tolerance);
    const auto titleInk = [&page](double fromCell, double toCell) {
        const int top = page.px(page.cellY(4) + 3), bottom = page.px(page.cellY(4) + 14);
        return dominantInk(page.image, QRect(QPoint(page.px(page.cellX(fromCell)), top),
                                             QPoint(page.px(page.cellX(toCell)) - 1, bottom)));
    };
    QCOMPARE(titleInk(13, 22), qRgb(0, 0, 0));
    QCOMPARE(titleInk(23, 25), qRgb(0, 0, 255));
    QCOMPARE(titleInk(25, 26), qRgb(255, 0, 0));
    QCOMPARE(titleInk(26, 28), qRgb(0, 255, 0));
    QCOMPARE(titleInk(28, 40), qRgb(0, 0, 0));

    const QRectF copyright = page.word(QStringLiteral("Copyright")).box;
    QVERIFY(std::abs(copyright.left() - page.cellX(68)) < Tolerance);
    QVERIFY(std::abs(copyright.top() - page.cellY(4)) < VerticalTolerance);

    const int ruleRow = page.px(page.cellY(5.5));
    double ruleShare = 0;
    for (int row = ruleRow - 1; row <= ruleRow + 1; ++row)
        ruleShare = std::max(ruleShare, darkShare(page.image, row, page.px(page.cellX(13.5)),
                                                  page.px(page.cellX(81.5))));
    QVERIFY2(ruleShare > 0.95, "no rule under the title");
}

// Date line at cell 16, three 12-point lines below the rule.
inline void verifyDateLine(const ReadPage& page, const DayReport& report) {
    const PageWord& birth = page.word(report.birthCaption);
    QVERIFY(std::abs(birth.box.left() - page.cellX(16)) < Tolerance);
    QVERIFY(birth.box.top() > page.cellY(5.5) + 36);
    QStringList dateLine;
    for (const PageWord& w : page.words)
        if (std::abs(w.box.top() - birth.box.top()) < 1)
            dateLine << w.text;
    QCOMPARE(dateLine, QStringList({report.birthCaption, shortDateText(report.birthDate),
                                    report.displayCaption, shortDateText(report.displayDate)}));
}

// Legend at row 28, in its three columns and colours.
inline void verifyLegend(const ReadPage& page) {
    for (const auto& [text, cell, colour] : {std::tuple{"Physische", 13.0, qRgb(255, 0, 0)},
                                             std::tuple{"Seelische", 37.0, qRgb(0, 0, 255)},
                                             std::tuple{"Geistige", 62.0, qRgb(0, 255, 0)}}) {
        const QRectF box = page.word(QLatin1String(text)).box;
        QVERIFY2(std::abs(box.left() - page.cellX(cell)) < Tolerance, text);
        QVERIFY2(std::abs(box.top() - page.cellY(28)) < VerticalTolerance, text);
        const QRect inPixels(QPoint(page.px(box.left()), page.px(box.top())),
                             QPoint(page.px(box.right()), page.px(box.bottom())));
        QVERIFY2(dominantInk(page.image, inPixels) == colour, text);
    }
    QVERIFY(wordTexts(page.words)
                .join(QLatin1Char(' '))
                .contains(QStringLiteral(
                    "Physische Kurve ist rot Seelische Kurve ist blau Geistige Kurve ist grün")));
}

// Day strip: the 32 labels in order, centred on their days, above the legend.
inline void verifyDayLabels(const ReadPage& page, const DayReport& report) {
    QList<PageWord> labels;
    for (const PageWord& w : page.words)
        if (w.box.top() > page.chartY(18.5) && w.box.bottom() < page.chartY(20.5) + 1)
            labels << w;
    std::sort(labels.begin(), labels.end(),
              [](const PageWord& a, const PageWord& b) { return a.box.left() < b.box.left(); });
    const QStringList expected = dayStripLabels(report.displayDate);
    QCOMPARE(labels.size(), expected.size());
    const double legendTop = page.word(QStringLiteral("Physische")).box.top();
    for (int i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels[i].text, expected[i]);
        QVERIFY2(std::abs(labels[i].box.center().x() - page.chartX(i)) < 1.0,
                 qPrintable(QStringLiteral("label %1 off its day").arg(i)));
        QVERIFY2(labels[i].box.bottom() < legendTop, "day label runs into the legend");
    }
}

// The chart, strip included, lies between the date line and the legend: its lowest line is
// the strip's bottom edge, and blank paper separates it from the legend's coloured letters.
inline void verifyChartFrame(const ReadPage& page, const DayReport& report) {
    const QRectF birth = page.word(report.birthCaption).box;
    const QRectF physical = page.word(QStringLiteral("Physische")).box;
    const int left = page.px(page.chartX(0)), right = page.px(page.chartX(31));
    int frameTop = -1, stripBottom = -1;
    for (int row = page.px(birth.bottom()); row < page.px(physical.bottom()); ++row)
        if (darkShare(page.image, row, left, right) > 0.9) {
            if (frameTop < 0)
                frameTop = row;
            stripBottom = row;
        }
    QVERIFY2(frameTop > page.px(birth.bottom()), "chart frame touches the date line");
    QVERIFY2(std::abs(stripBottom - page.px(page.chartY(20.5))) <= 1,
             "strip bottom edge misplaced");
    const auto coloured = [](QRgb p) {
        return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) >
               100;
    };
    const int legendLeft = page.px(physical.left());
    const int legendRight = page.px(page.word(QStringLiteral("Geistige")).box.right());
    int legendInkRow = -1;
    for (int row = stripBottom + 1; row <= page.px(physical.bottom()) && legendInkRow < 0; ++row)
        for (int x = legendLeft; x <= legendRight && legendInkRow < 0; ++x)
            if (coloured(page.image.pixel(x, row)))
                legendInkRow = row;
    bool blankRow = false;
    for (int row = stripBottom + 1; row < legendInkRow; ++row) {
        bool white = true;
        for (int x = legendLeft; x <= legendRight && white; ++x)
            white = page.image.pixel(x, row) == qRgb(255, 255, 255);
        blankRow |= white;
    }
    QVERIFY2(legendInkRow > 0 && blankRow, "strip and legend touch");
}

// The three curves in their colours inside the frame, the marker on day 16.
inline void verifyCurves(const ReadPage& page) {
    const QRect inner(QPoint(page.px(page.chartX(0)) + 2, page.px(page.chartY(0)) + 2),
                      QPoint(page.px(page.chartX(31)) - 2, page.px(page.chartY(18)) - 2));
    QMap<QRgb, int> inks;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            ++inks[inkOf(page.image.pixel(x, y))];
    for (const QRgb curve : {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)})
        QVERIFY2(inks.value(curve) > 200, "a curve is missing");
    const int marker = page.px(page.chartX(16));
    int markerDark = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        bool dark = false;
        for (int x = marker - 1; x <= marker + 1; ++x)
            dark |= page.image.pixel(x, y) != qRgb(255, 255, 255);
        markerDark += dark;
    }
    QVERIFY2(markerDark > inner.height() * 0.9, "no marker on the display day");
}

// Blocks: headings at cell 13 with their percentages, one below the other, all three of the
// same height although the physical text fills only three lines; the emotional text is cut at
// characters 99, 199, 299 and 398, inside its one long word.
inline void verifyCycleBlocks(const ReadPage& page, const DayReport& report) {
    const QStringList all = wordTexts(page.words);
    const QString text = all.join(QLatin1Char(' '));
    const QStringList headings{"Physischer", "Seelischer", "Geistiger"};
    QList<double> tops;
    for (int k = 0; k < 3; ++k) {
        const QString& heading = headings[k];
        const QRectF box = page.word(heading).box;
        QVERIFY2(std::abs(box.left() - page.cellX(13)) < Tolerance, qPrintable(heading));
        QVERIFY(box.top() > page.word(QStringLiteral("Physische")).box.bottom());
        tops << box.top();
        QVERIFY(text.contains(heading + QStringLiteral(" Zustand ") + report.percentages[k]));
    }
    QVERIFY(tops[0] < tops[1] && tops[1] < tops[2]);
    QVERIFY2(std::abs((tops[1] - tops[0]) - (tops[2] - tops[1])) < 0.5,
             "blocks differ in height: the empty fourth line is missing");
    QVERIFY(tops[2] < page.height - page.margins.bottom());
    const QString digits = report.texts[1];
    for (const QString& line :
         {digits.mid(0, 99), digits.mid(99, 100), digits.mid(199, 100), digits.mid(299, 99)})
        QVERIFY2(all.contains(line), qPrintable(line));
}

// Every element of a day report page; margins as the printer gave them, in points.
inline void verifyDayReportPage(const QString& pdfPath, const DayReport& report,
                                const QMarginsF& margins) {
    QCOMPARE(pdfPageCount(pdfPath), 1);
    ReadPage page{pdfWords(pdfPath), renderPdfPage(pdfPath, Dpi), margins};
    QVERIFY2(!page.words.isEmpty(), "no words on the page");
    QVERIFY(!page.image.isNull());
    page.width = page.image.width() * 72.0 / Dpi;
    page.height = page.image.height() * 72.0 / Dpi;
    verifyTitle(page);
    verifyDateLine(page, report);
    verifyLegend(page);
    verifyDayLabels(page, report);
    verifyChartFrame(page, report);
    verifyCurves(page);
    verifyCycleBlocks(page, report);
}

} // namespace reportcheck
