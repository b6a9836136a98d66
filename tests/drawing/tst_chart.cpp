#include "core/DayDescription.h"
#include "drawing/ChartPainter.h"
#include "drawing/DayColumns.h"
#include "drawing/Grid.h"
#include "drawing/Tiling.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <optional>

namespace {
const QSize ChartInner(575, 149);

QImage renderChart(int dayCount, std::optional<std::int32_t> partnerDayCount = std::nullopt) {
    QImage image(ChartInner, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QImage starField(600, 161, QImage::Format_RGB32);
    starField.fill(Qt::black);
    QPainter painter(&image);
    drawChart(painter, ChartInner, dayCount, starField, partnerDayCount);
    return image;
}

// Rows in one pixel column whose colour is near the given colour.
QList<int> rowsNear(const QImage& image, int x, const QColor& color) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) +
                std::abs(c.blue() - color.blue()) <
            120)
            rows << y;
    }
    return rows;
}

// Pixels near the colour over the whole picture.
int pixelsNear(const QImage& image, const QColor& color) {
    int pixels = 0;
    for (int x = 0; x < image.width(); ++x)
        pixels += rowsNear(image, x, color).size();
    return pixels;
}

// The middle of those rows; -1 where there are none.
int middleRowNear(const QImage& image, int x, const QColor& color) {
    const QList<int> rows = rowsNear(image, x, color);
    return rows.isEmpty() ? -1 : (rows.first() + rows.last()) / 2;
}
} // namespace

class TestChart : public QObject {
    Q_OBJECT
private slots:
    void tileOrigins_data();
    void tileOrigins();
    void tilesPaintOnlyTheExposedPart();
    void dayStrip_data();
    void dayStrip();
    void chartShowsEveryCurve();
    void chartShowsASecondPersonDashed();
    void chartMarksTheDisplayDay();
    void chartIsTheSameEachTime();
    void gridLines_data();
    void gridLines();
    void dayColumns_data();
    void dayColumns();
    void everyPixelLiesInItsColumnRect();
    void dayDescriptions_data();
    void dayDescriptions();
};

void TestChart::tileOrigins_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QPoint>("last");
    QTest::newRow("one tile wide") << QSize(29, 27) << 2 << 2 << QPoint(29, 27);
    QTest::newRow("640 x 480") << QSize(640, 480) << 23 << 18 << QPoint(638, 459);
    QTest::newRow("1024 x 768") << QSize(1024, 768) << 36 << 29 << QPoint(1015, 756);
    QTest::newRow("smaller than a tile") << QSize(28, 26) << 1 << 1 << QPoint(0, 0);
}

void TestChart::tileOrigins() {
    QFETCH(QSize, window);
    QFETCH(int, columns);
    QFETCH(int, rows);
    const QList<QPoint> origins = ::tileOrigins(QSize(29, 27), window);
    QCOMPARE(origins.size(), columns * rows);
    QCOMPARE(origins.first(), QPoint(0, 0));
    QFETCH(QPoint, last);
    QCOMPARE(origins.last(), last);
    // Rows are filled top to bottom, each left to right.
    if (columns > 1)
        QCOMPARE(origins.at(1), QPoint(29, 0));
}

void TestChart::tilesPaintOnlyTheExposedPart() {
    QImage tileImage(29, 27, QImage::Format_RGB32);
    tileImage.fill(Qt::blue);
    tileImage.setPixelColor(0, 0, Qt::yellow);
    const QPixmap tile = QPixmap::fromImage(tileImage);
    QImage window(640, 480, QImage::Format_RGB32);
    window.fill(Qt::red);
    {
        QPainter painter(&window);
        painter.setClipRect(QRect(300, 200, 40, 30));
        paintTiles(painter, tile, window.size(), QRect(300, 200, 40, 30));
    }
    // The exposed part continues the pattern anchored at the top left; nothing else is touched.
    QCOMPARE(window.pixelColor(319, 216), QColor(Qt::yellow)); // a tile corner at (319, 216)
    QCOMPARE(window.pixelColor(300, 200), QColor(Qt::blue));
    QCOMPARE(window.pixelColor(339, 229), QColor(Qt::blue));
    QCOMPARE(window.pixelColor(299, 200), QColor(Qt::red));
    QCOMPARE(window.pixelColor(0, 0), QColor(Qt::red));
}

void TestChart::dayStrip_data() {
    QTest::addColumn<QDate>("display");
    QTest::addColumn<QString>("labels");
    QTest::newRow("1 March of a common year")
        << QDate(2001, 3, 1)
        << "13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16";
    QTest::newRow("1 March of a leap year")
        << QDate(2000, 3, 1)
        << "14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16";
    QTest::newRow("new year")
        << QDate(2000, 1, 1)
        << "16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16";
}

void TestChart::dayStrip() {
    QFETCH(QDate, display);
    QFETCH(QString, labels);
    QCOMPARE(dayStripLabels(display).join(QLatin1Char(' ')), labels);
}

// Physical red, emotional blue, intellectual green, each across the chart. On day 9999, the
// column left of the display day, physical stands at -100 %, emotional at +62 % and
// intellectual at 0 % (worked out by hand), so from the top: blue, green, red.
void TestChart::chartShowsEveryCurve() {
    const QImage image = renderChart(10000);
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255);
    for (const QColor& colour : {red, green, blue}) {
        int pixels = 0;
        for (int x = 0; x < image.width(); x += 7)
            pixels += rowsNear(image, x, colour).size();
        QVERIFY2(pixels > 40, qPrintable(colour.name()));
    }
    const int x = qRound(15 * 575 / 31.0);
    const int blueRow = middleRowNear(image, x, blue), greenRow = middleRowNear(image, x, green);
    QVERIFY(blueRow >= 0 && blueRow < greenRow && greenRow < middleRowNear(image, x, red));
}

// The second person born 14 days later: on day 9985, the column left of the display day,
// physical stands at +73 %, emotional at -62 % and intellectual at -46 % (by hand), each
// curve in its colour at that height, beside the first person's. Dashed, a curve lights about
// two thirds of the pixels it would light drawn whole.
void TestChart::chartShowsASecondPersonDashed() {
    const QImage one = renderChart(10000), both = renderChart(10000, 9986);
    const QImage partnerAlone = renderChart(9986);
    const QList<std::pair<QColor, double>> partnerRows{
        {QColor(255, 0, 0), 25.6}, {QColor(0, 0, 255), 113.5}, {QColor(0, 255, 0), 102.8}};
    for (const auto& [colour, row] : partnerRows) {
        const int added = pixelsNear(both, colour) - pixelsNear(one, colour);
        const int whole = pixelsNear(partnerAlone, colour);
        QVERIFY2(
            added > whole * 2 / 5 && added < whole * 3 / 4,
            qPrintable(QStringLiteral("%1: %2 of %3").arg(colour.name()).arg(added).arg(whole)));
        bool near = false;
        for (int x = 275; x <= 281; ++x) {
            for (int y : rowsNear(both, x, colour))
                near = near || std::abs(y - row) < 4;
        }
        QVERIFY2(near, qPrintable(colour.name()));
    }
}

void TestChart::chartMarksTheDisplayDay() {
    const QImage image = renderChart(0);
    const int markerX = qRound(16 * 575 / 31.0);
    int whiteRows = 0;
    for (int x = markerX - 1; x <= markerX + 1; ++x)
        whiteRows = std::max(whiteRows, int(rowsNear(image, x, Qt::white).size()));
    QVERIFY2(whiteRows > 130, qPrintable(QString::number(whiteRows)));
    // The dotted zero line at y = 9: every other pixel or so along the row is lit.
    const int zeroY = qRound(9 * 121.7121 / 15.0);
    int lit = 0;
    for (int x = 0; x < image.width(); ++x)
        lit += image.pixelColor(x, zeroY) == QColor(Qt::white);
    QVERIFY2(lit > image.width() / 4 && lit < image.width() * 3 / 4,
             qPrintable(QString::number(lit)));
}

void TestChart::chartIsTheSameEachTime() {
    QCOMPARE(renderChart(16843), renderChart(16843));
    QVERIFY(renderChart(16843) != renderChart(16844));
}

void TestChart::gridLines_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("horizontal");
    QTest::newRow("person editor") << QSize(574, 181) << 7 << 8;
    QTest::newRow("help window") << QSize(574, 420) << 16 << 17;
}

void TestChart::gridLines() {
    QFETCH(QSize, size);
    QFETCH(int, divisor);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        drawGrid(painter, size, divisor);
    }
    auto isLine = [&](int x, int y) { return image.pixelColor(x, y) == QColor(0, 0, 255); };
    int vertical = 0;
    for (int x = 0; x < size.width(); ++x)
        vertical += isLine(x, size.height() / 2 + 3) && isLine(x, size.height() / 2 + 5);
    int horizontalLines = 0;
    for (int y = 0; y < size.height(); ++y)
        horizontalLines += isLine(size.width() / 2 + 5, y) && isLine(size.width() / 2 + 9, y);
    QCOMPARE(vertical, 21);
    QFETCH(int, horizontal);
    QCOMPARE(horizontalLines, horizontal);
    // No line lies on the window's edge itself.
    QVERIFY(!isLine(0, size.height() / 2 + 3));
    QVERIFY(!isLine(size.width() / 2 + 5, size.height() - 1));
    QCOMPARE(image.pixelColor(3, 3), QColor(128, 128, 128));
    // The lines begin one unit inside the top and left edges: that row and column stay grey.
    int onTopOrLeft = 0;
    for (int x = 0; x < size.width(); ++x)
        onTopOrLeft += isLine(x, 0);
    for (int y = 0; y < size.height(); ++y)
        onTopOrLeft += isLine(0, y);
    QCOMPARE(onTopOrLeft, 0);
    QVERIFY(isLine(1, 1));
}

void TestChart::dayColumns_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("column");
    // One column is 575 / 31 = 18.548 px wide, centred on k * 18.548.
    QTest::newRow("left edge") << 0.0 << 0;
    QTest::newRow("just left of the first boundary") << 9.0 << 0;
    QTest::newRow("just right of it") << 10.0 << 1;
    QTest::newRow("display day") << 296.0 << 16;
    QTest::newRow("last pixel") << 574.0 << 31;
    QTest::newRow("right of the area") << 575.0 << -1;
    QTest::newRow("left of the area") << -1.0 << -1;
}

void TestChart::dayColumns() {
    QFETCH(double, x);
    QFETCH(int, column);
    QCOMPARE(dayColumnAt(x, ChartInner.width()), column);
}

void TestChart::everyPixelLiesInItsColumnRect() {
    for (int x = 0; x < ChartInner.width(); ++x)
        QVERIFY2(dayColumnRect(dayColumnAt(x, ChartInner.width()), ChartInner).contains(x, 0),
                 qPrintable(QString::number(x)));
}

void TestChart::dayDescriptions_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("dayCount");
    QTest::addColumn<QString>("text");
    // Days in cycle and percentages worked out by hand from the birth date 20.11.1953.
    QTest::newRow("emotional critical day")
        << QDate(2000, 1, 1) << 16843
        << "Samstag, 01.01.2000\nTag 16843 seit der Geburt\n"
           "Physisch 94 %, Seelisch -22 %, Geistig 62 %\nKritischer Tag: Seelisch";
    QTest::newRow("no critical day")
        << QDate(2000, 1, 2) << 16844
        << "Sonntag, 02.01.2000\nTag 16844 seit der Geburt\n"
           "Physisch 82 %, Seelisch -43 %, Geistig 46 %\nKein kritischer Tag";
    QTest::newRow("two critical days") << QDate(2000, 1, 5) << 16847
                                       << "Mittwoch, 05.01.2000\nTag 16847 seit der Geburt\n"
                                          "Physisch 14 %, Seelisch -90 %, Geistig -10 %\nDoppelt "
                                          "kritischer Tag: Physisch, Geistig";
    QTest::newRow("the day before birth")
        << QDate(1953, 11, 19) << -1
        << "Donnerstag, 19.11.1953\n1 Tag vor der Geburt\n"
           "Physisch -27 %, Seelisch -22 %, Geistig -19 %\nKein kritischer Tag";
    QTest::newRow("critical before birth")
        << QDate(1953, 11, 8) << -12
        << "Sonntag, 08.11.1953\n12 Tage vor der Geburt\n"
           "Physisch 14 %, Seelisch -43 %, Geistig -76 %\nKritischer Tag: Physisch";
}

void TestChart::dayDescriptions() {
    QFETCH(QDate, date);
    QFETCH(int, dayCount);
    QFETCH(QString, text);
    QCOMPARE(dayDescription(summarizeDay(date, dayCount)), text);
}

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
