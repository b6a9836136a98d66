#pragma once

// Checks of a printed day report page, read back from its PDF: words at their cells and in
// order, the title's colours, and the chart clear between the rule and the legend.

#include "ChartPainter.h"
#include "DateRules.h"
#include "DayReport.h"
#include "PageReading.h"

#include <QMarginsF>
#include <QTest>
#include <algorithm>

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

inline QRgb dominantInk(const QImage& image, const QRect& area) {
    int red = 0, green = 0, blue = 0, black = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 180 && qGreen(p) < 120 && qBlue(p) < 120)
                ++red;
            else if (qGreen(p) > 180 && qRed(p) < 120 && qBlue(p) < 120)
                ++green;
            else if (qBlue(p) > 180 && qRed(p) < 120 && qGreen(p) < 120)
                ++blue;
            else if (darkPixel(p))
                ++black;
        }
    const int most = std::max({red, green, blue, black});
    if (most == 0)
        return qRgb(255, 255, 255);
    if (most == red)
        return qRgb(255, 0, 0);
    if (most == green)
        return qRgb(0, 255, 0);
    if (most == blue)
        return qRgb(0, 0, 255);
    return qRgb(0, 0, 0);
}

// Share of dark pixels in one image row between two columns.
inline double darkShare(const QImage& image, int row, int left, int right) {
    int dark = 0;
    for (int x = left; x <= right; ++x)
        dark += darkPixel(image.pixel(x, row)) ? 1 : 0;
    return double(dark) / (right - left + 1);
}

// The page's printable area starts at margins (points) from the top-left corner of the paper.
inline void verifyDayReportPage(const QString& pdfPath, const DayReport& report,
                                const QMarginsF& margins) {
    QCOMPARE(pdfPageCount(pdfPath), 1);
    const QList<PageWord> words = pdfWords(pdfPath);
    QVERIFY2(!words.isEmpty(), "no words on the page");
    const QImage image = renderPdfPage(pdfPath, Dpi);
    QVERIFY(!image.isNull());
    const double pageWidth = image.width() * 72.0 / Dpi;
    const double pageHeight = image.height() * 72.0 / Dpi;
    const double ox = margins.left();
    const double oy = margins.top();
    const auto cellX = [&](double cells) { return ox + cells * CellX; };
    const auto cellY = [&](double cells) { return oy + cells * CellY; };
    const auto px = [](double points) { return int(points * Dpi / 72.0 + 0.5); };

    // Title runs: one line reading VORAX BIORHYTHMUS, the B at cell 23, the runs coloured.
    QStringList title;
    const PageWord* firstB = nullptr;
    for (const PageWord& w : words)
        if (std::abs(w.box.top() - cellY(4)) < 5 && w.box.left() < cellX(60)) {
            title << w.text;
            if (w.text.startsWith(QLatin1Char('B')) && !firstB)
                firstB = &w;
        }
    QCOMPARE(title.join(QString()), QStringLiteral("VORAXBIORHYTHMUS"));
    const PageWord* vorax = findWord(words, QStringLiteral("VORAX"));
    QVERIFY(vorax && firstB);
    QVERIFY(std::abs(vorax->box.left() - cellX(13)) < Tolerance);
    QVERIFY(std::abs(firstB->box.left() - cellX(23)) < Tolerance);
    const int titleTop = px(cellY(4) + 3), titleBottom = px(cellY(4) + 14);
    const auto titleInk = [&](double fromCell, double toCell) {
        return dominantInk(image, QRect(QPoint(px(cellX(fromCell)), titleTop),
                                        QPoint(px(cellX(toCell)) - 1, titleBottom)));
    };
    QCOMPARE(titleInk(13, 22), qRgb(0, 0, 0));
    QCOMPARE(titleInk(23, 25), qRgb(0, 0, 255));
    QCOMPARE(titleInk(25, 26), qRgb(255, 0, 0));
    QCOMPARE(titleInk(26, 28), qRgb(0, 255, 0));
    QCOMPARE(titleInk(28, 40), qRgb(0, 0, 0));

    const PageWord* copyright = findWord(words, QStringLiteral("Copyright"));
    QVERIFY(copyright);
    QVERIFY(std::abs(copyright->box.left() - cellX(68)) < Tolerance);
    QVERIFY(std::abs(copyright->box.top() - cellY(4)) < VerticalTolerance);

    // The rule under the title from cell 13 to cell 82.
    const int ruleRow = px(cellY(5.5));
    double ruleShare = 0;
    for (int row = ruleRow - 1; row <= ruleRow + 1; ++row)
        ruleShare = std::max(ruleShare, darkShare(image, row, px(cellX(13.5)), px(cellX(81.5))));
    QVERIFY2(ruleShare > 0.95, "no rule under the title");

    // Date line at cell 16, three 12-point lines below the rule.
    const PageWord* birth = findWord(words, report.birthCaption);
    QVERIFY(birth);
    QVERIFY(std::abs(birth->box.left() - cellX(16)) < Tolerance);
    QVERIFY(birth->box.top() > cellY(5.5) + 36);
    QStringList dateLine;
    for (const PageWord& w : words)
        if (std::abs(w.box.top() - birth->box.top()) < 1)
            dateLine << w.text;
    QCOMPARE(dateLine, QStringList({report.birthCaption, shortDateText(report.birthDate),
                                    report.displayCaption, shortDateText(report.displayDate)}));

    // Legend at row 28, in its three columns and colours.
    const PageWord* physical = findWord(words, QStringLiteral("Physische"));
    const PageWord* emotional = findWord(words, QStringLiteral("Seelische"));
    const PageWord* intellectual = findWord(words, QStringLiteral("Geistige"));
    QVERIFY(physical && emotional && intellectual);
    for (const auto& [word, cell] :
         {std::pair{physical, 13.0}, std::pair{emotional, 37.0}, std::pair{intellectual, 62.0}}) {
        QVERIFY2(std::abs(word->box.left() - cellX(cell)) < Tolerance, qPrintable(word->text));
        QVERIFY2(std::abs(word->box.top() - cellY(28)) < VerticalTolerance, qPrintable(word->text));
    }
    const QStringList all = wordTexts(words);
    const QString text = all.join(QLatin1Char(' '));
    QVERIFY(text.contains(QStringLiteral(
        "Physische Kurve ist rot Seelische Kurve ist blau Geistige Kurve ist grün")));
    const auto legendInk = [&](const PageWord* w) {
        return dominantInk(image, QRect(QPoint(px(w->box.left()), px(w->box.top())),
                                        QPoint(px(w->box.right()), px(w->box.bottom()))));
    };
    QCOMPARE(legendInk(physical), qRgb(255, 0, 0));
    QCOMPARE(legendInk(emotional), qRgb(0, 0, 255));
    QCOMPARE(legendInk(intellectual), qRgb(0, 255, 0));

    // Day strip: the 32 labels in order, centred on their days, above the legend.
    const double printableWidth = pageWidth - margins.left() - margins.right();
    const double printableHeight = pageHeight - margins.top() - margins.bottom();
    const auto chartX = [&](double x) { return ox + (x + 7) * printableWidth / 46; };
    const double scaleHeight = std::min(printableHeight, 10.9 * 72);
    const auto chartY = [&](double y) { return oy + (y + 18) * scaleHeight / 90; };
    QList<PageWord> labels;
    for (const PageWord& w : words)
        if (w.box.top() > chartY(18.5) && w.box.bottom() < chartY(20.5) + 1)
            labels << w;
    std::sort(labels.begin(), labels.end(),
              [](const PageWord& a, const PageWord& b) { return a.box.left() < b.box.left(); });
    const QStringList expected = dayStripLabels(report.displayDate);
    QCOMPARE(labels.size(), expected.size());
    for (int i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels[i].text, expected[i]);
        QVERIFY2(std::abs(labels[i].box.center().x() - chartX(i)) < 1.0,
                 qPrintable(QStringLiteral("label %1 off its day").arg(i)));
        QVERIFY2(labels[i].box.bottom() < physical->box.top(), "day label runs into the legend");
    }

    // The chart, strip included, lies between the date line and the legend: its lowest line is
    // the strip's bottom edge, and blank paper separates it from the legend's letters.
    const int left = px(chartX(0)), right = px(chartX(31));
    int frameTop = -1, stripBottom = -1;
    for (int row = px(birth->box.bottom()); row < px(physical->box.bottom()); ++row)
        if (darkShare(image, row, left, right) > 0.9) {
            if (frameTop < 0)
                frameTop = row;
            stripBottom = row;
        }
    QVERIFY2(frameTop > px(birth->box.bottom()), "chart frame touches the date line");
    QVERIFY2(std::abs(stripBottom - px(chartY(20.5))) <= 1, "strip bottom edge misplaced");
    // Coloured ink of the legend's letters, then a blank row between them and the strip.
    const auto coloured = [](QRgb p) {
        return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) >
               100;
    };
    const int legendLeft = px(physical->box.left()), legendRight = px(intellectual->box.right());
    int legendInkRow = -1;
    for (int row = stripBottom + 1; row <= px(physical->box.bottom()) && legendInkRow < 0; ++row)
        for (int x = legendLeft; x <= legendRight && legendInkRow < 0; ++x)
            if (coloured(image.pixel(x, row)))
                legendInkRow = row;
    bool blankRow = false;
    for (int row = stripBottom + 1; row < legendInkRow; ++row) {
        bool white = true;
        for (int x = legendLeft; x <= legendRight && white; ++x)
            white = image.pixel(x, row) == qRgb(255, 255, 255);
        blankRow |= white;
    }
    QVERIFY2(legendInkRow > 0 && blankRow, "strip and legend touch");

    // The three curves in their colours inside the frame, the marker on day 16.
    const QRect inner(QPoint(px(chartX(0)) + 2, px(chartY(0)) + 2),
                      QPoint(px(chartX(31)) - 2, px(chartY(18)) - 2));
    int red = 0, green = 0, blue = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            red += qRed(p) > 180 && qGreen(p) < 140 && qBlue(p) < 140;
            green += qGreen(p) > 150 && qRed(p) < 140 && qBlue(p) < 140;
            blue += qBlue(p) > 180 && qRed(p) < 140 && qGreen(p) < 140;
        }
    QVERIFY2(red > 200 && green > 200 && blue > 200, "a curve is missing");
    int markerDark = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        bool dark = false;
        for (int x = px(chartX(16)) - 1; x <= px(chartX(16)) + 1; ++x)
            dark |= image.pixel(x, y) != qRgb(255, 255, 255);
        markerDark += dark;
    }
    QVERIFY2(markerDark > inner.height() * 0.9, "no marker on the display day");

    // Blocks: headings at cell 13 with their percentages, one below the other, all three of
    // the same height although the physical text fills only three lines.
    const QStringList headings{QStringLiteral("Physischer"), QStringLiteral("Seelischer"),
                               QStringLiteral("Geistiger")};
    QList<double> tops;
    for (int k = 0; k < 3; ++k) {
        const PageWord* heading = findWord(words, headings[k]);
        QVERIFY2(heading, qPrintable(headings[k]));
        QVERIFY(std::abs(heading->box.left() - cellX(13)) < Tolerance);
        QVERIFY(heading->box.top() > physical->box.bottom());
        tops << heading->box.top();
        QVERIFY(text.contains(headings[k] + QStringLiteral(" Zustand ") + report.percentages[k]));
    }
    QVERIFY(tops[0] < tops[1] && tops[1] < tops[2]);
    QVERIFY2(std::abs((tops[1] - tops[0]) - (tops[2] - tops[1])) < 0.5,
             "blocks differ in height: the empty fourth line is missing");
    QVERIFY(tops[2] < pageHeight - margins.bottom());

    // The emotional text is cut at characters 99, 199, 299 and 398, inside its one long word.
    const QString digits = report.texts[1];
    for (const QString& line :
         {digits.mid(0, 99), digits.mid(99, 100), digits.mid(199, 100), digits.mid(299, 99)})
        QVERIFY2(all.contains(line), qPrintable(line));
}

} // namespace reportcheck
