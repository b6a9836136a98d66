// The chart picture against what it promises to be: the main window's own chart and day strip,
// pixel for pixel, one above the other.

#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QSvgRenderer>
#include <QTest>

class TestChartPicture : public QObject {
    Q_OBJECT
private slots:
    void savedAndCopiedFromTheWindow();
};

namespace {
QAction* chartCommand(const MainWindow& window, const char* text) {
    for (QAction* action : window.findChild<QWidget*>("P1")->actions()) {
        if (action->text() == QLatin1String(text))
            return action;
    }
    return nullptr;
}
} // namespace

// Saved as PNG and copied, the picture is the window's own picture of the chart and the
// strip; saved as SVG, it has the same size.
void TestChartPicture::savedAndCopiedFromTheWindow() {
    Fixture f(QDate(2000, 1, 1));
    f.window.load();
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
}

QTEST_MAIN(TestChartPicture)
#include "tst_chartpicture.moc"
