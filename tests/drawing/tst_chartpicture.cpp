// The chart picture against what it promises to be: the main window's own chart and day strip,
// pixel for pixel, one above the other; as SVG, drawn by Debian's own SVG renderer as Qt draws
// it; and saying of itself whose chart it is and which days it shows.

#include "MainWindowFixture.h"
#include "drawing/ChartPicture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

class TestChartPicture : public QObject {
    Q_OBJECT
private slots:
    void savedAndCopiedFromTheWindow_data();
    void savedAndCopiedFromTheWindow();
    void svgDrawnElsewhereAsQtDrawsIt_data();
    void svgDrawnElsewhereAsQtDrawsIt();
};

namespace {
QAction* chartCommand(const MainWindow& window, const char* text) {
    for (QAction* action : window.findChild<QWidget*>("P1")->actions()) {
        if (action->text() == QLatin1String(text))
            return action;
    }
    return nullptr;
}

// The SVG's <title> and <desc>, read as XML.
QStringList svgWords(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList words{QString(), QString()};
    for (QXmlStreamReader svg(&file); !svg.atEnd();) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (svg.name() == QLatin1String("title"))
            words[0] = svg.readElementText();
        else if (svg.name() == QLatin1String("desc"))
            words[1] = svg.readElementText();
    }
    return words;
}

QStringList pngWords(const QString& path) {
    QImageReader png(path);
    return {png.text("Title"), png.text("Description")};
}

// How far two pictures of one size lie apart within an area: the number of its pixels in which
// some colour channel differs by more than threshold.
int pixelsApart(const QImage& one, const QImage& other, const QRect& area, int threshold) {
    int apart = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            apart += std::abs(qRed(a) - qRed(b)) > threshold ||
                     std::abs(qGreen(a) - qGreen(b)) > threshold ||
                     std::abs(qBlue(a) - qBlue(b)) > threshold;
        }
    }
    return apart;
}
} // namespace

void TestChartPicture::savedAndCopiedFromTheWindow_data() {
    QTest::addColumn<QString>("person"); // taken over from the list; empty: none
    QTest::addColumn<QString>("title");
    // 16 days before the display date, 15 after it
    QTest::newRow("birth date typed in")
        << ""
        << "Biorhythmus zum Geburtsdatum 20.11.1953, 16.12.1999 bis 16.01.2000";
    QTest::newRow("person from the list") << "Anna %2"
                                          << "Biorhythmus von Anna %2, 16.12.1999 bis 16.01.2000";
}

// Saved as PNG and copied, the picture is the window's own picture of the chart and the
// strip; saved as SVG, it has the same size. Both carry the same title and description.
void TestChartPicture::savedAndCopiedFromTheWindow() {
    QFETCH(QString, person);
    QFETCH(QString, title);
    const QString description =
        "Die Kurven Physisch, Seelisch und Geistig; der senkrechte Strich markiert den 01.01.2000.";
    Fixture f(QDate(2000, 1, 1));
    f.window.load();
    if (!person.isEmpty())
        f.window.takeOver(person, QDate(1953, 11, 20));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.findChild<QWidget*>("M2")->setFocus(); // no focus frame on the chart
    QTemporaryDir folder;
    f.dialogs.saveFileNames << folder.filePath("chart.png") << folder.filePath("chart.svg");
    for (const char* command :
         {"Diagramm als Bild speichern...", "Diagramm als Bild speichern...", "Diagramm kopieren"})
        chartCommand(f.window, command)->trigger();

    const QImage shown = shownChartAndStrip(f.window);
    QCOMPARE(QImage(folder.filePath("chart.png")).convertToFormat(QImage::Format_RGB32), shown);
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);
    QCOMPARE(QSvgRenderer(folder.filePath("chart.svg")).viewBox().size(), shown.size());
    QCOMPARE(f.dialogs.messages.filter("Das Diagramm ist in der Datei").size(), 2);
    QCOMPARE(pngWords(folder.filePath("chart.png")), QStringList({title, description}));
    QCOMPARE(svgWords(folder.filePath("chart.svg")), QStringList({title, description}));
}

void TestChartPicture::svgDrawnElsewhereAsQtDrawsIt_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("display");
    QTest::newRow("start-up dates") << QDate(1953, 11, 20) << QDate(2000, 1, 1);
    QTest::newRow("day of birth") << QDate(2000, 1, 1) << QDate(2000, 1, 1);
    QTest::newRow("last day") << QDate(1601, 1, 1) << QDate(9999, 12, 31);
}

// librsvg (rsvg-convert: what GNOME shows an SVG with) draws the saved SVG as Qt draws the
// PNG, but for anti-aliasing: a pixel counts as different beyond a quarter of the colour range
// (64 of 255 in some channel). In the chart's 88 587 pixels fewer than 200 may differ (the
// anti-aliased edges of the curves: 22 to 70 of them); in the day strip's 11 001, where each
// renderer draws the small letters with its own glyph rasteriser, fewer than 1500 (about 1070).
// The faults this catches differ in thousands: a 1 px curve drawn 8 to 18 px wide inside a
// scaled group, the day marker as a wide white bar, lines smeared over two pixels, a star field
// squeezed or drawn over the frame.
void TestChartPicture::svgDrawnElsewhereAsQtDrawsIt() {
    QFETCH(QDate, birth);
    QFETCH(QDate, display);
    const QString renderer = QStandardPaths::findExecutable("rsvg-convert");
    if (renderer.isEmpty())
        QSKIP("rsvg-convert (librsvg2-bin) is not installed");
    QTemporaryDir folder;
    const QString svg = folder.filePath("chart.svg");
    const QString rendered = folder.filePath("rendered.png");
    QVERIFY(saveChartPicture(svg, QString(), birth, display, PictureFormat::Svg).worked());
    QProcess rsvg;
    rsvg.start(renderer, {"--background-color", "black", "-o", rendered, svg});
    QVERIFY(rsvg.waitForFinished(30000));
    QCOMPARE(rsvg.exitCode(), 0);

    const QImage drawn = chartPictureImage(birth, display);
    const QImage elsewhere = QImage(rendered).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(elsewhere.size(), drawn.size());
    const int chartHeight = ChartPlace.toPixels().height();
    const QRect chart(0, 0, drawn.width(), chartHeight);
    const QRect strip(0, chartHeight, drawn.width(), drawn.height() - chartHeight);
    const int chartApart = pixelsApart(drawn, elsewhere, chart, 64);
    const int stripApart = pixelsApart(drawn, elsewhere, strip, 64);
    QVERIFY2(chartApart < 200, qPrintable(QString("chart: %1 pixels apart").arg(chartApart)));
    QVERIFY2(stripApart < 1500, qPrintable(QString("strip: %1 pixels apart").arg(stripApart)));
}

QTEST_MAIN(TestChartPicture)
#include "tst_chartpicture.moc"
