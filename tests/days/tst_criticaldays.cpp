#include "ChartSurfaces.h"
#include "CriticalDaysWindow.h"
#include "DateInput.h"
#include "MainWindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPainter>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTest>

class TestCriticalDays : public QObject {
    Q_OBJECT
private slots:
    void chooseADayFromTheList_data();
    void chooseADayFromTheList();
    void chartPicture_data();
    void chartPicture();
};

namespace {
enum Pick { Enter, DoubleClick };

QString cellText(const QTableWidget* table, int row, int column) {
    return table->item(row, column)->text();
}

// The chart and the strip as the window painted them, one directly above the other.
QImage shownChartAndStrip(const MainWindow& window) {
    const QImage chart = window.findChild<QWidget*>("P1")->grab().toImage();
    const QImage strip = window.findChild<QWidget*>("P2")->grab().toImage();
    QImage both(chart.width(), chart.height() + strip.height(), QImage::Format_RGB32);
    QPainter painter(&both);
    painter.drawImage(0, 0, chart);
    painter.drawImage(0, chart.height(), strip);
    return both;
}

QAction* chartCommand(const MainWindow& window, const char* text) {
    for (QAction* action : window.findChild<QWidget*>("P1")->actions()) {
        if (action->text() == QLatin1String(text))
            return action;
    }
    return nullptr;
}
} // namespace

// From the display date field, Ctrl+Shift+K opens the list; a span is chosen with the keyboard
// and a row is picked. Row counts and dates worked out by hand from the phase tables for a
// birth date equal to the display date 01.01.2000.
void TestCriticalDays::chooseADayFromTheList_data() {
    QTest::addColumn<int>("spanSteps"); // Down (+) or Up (-) presses in the span field
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("pick");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QString>("cycles");
    QTest::addColumn<QString>("mark");
    QTest::newRow("90 days, Enter on the birthday")
        << 0 << 26 << 0 << +Enter << QDate(2000, 1, 1) << "Physisch, Seelisch, Geistig"
        << "dreifach";
    QTest::newRow("30 days, Enter on the emotional mid-cycle day")
        << -1 << 8 << 3 << +Enter << QDate(2000, 1, 16) << "Seelisch"
        << "";
    QTest::newRow("365 days, double-click on the second physical day")
        << 1 << 100 << 2 << +DoubleClick << QDate(2000, 1, 13) << "Physisch"
        << "";
}

void TestCriticalDays::chooseADayFromTheList() {
    QFETCH(int, spanSteps);
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(int, pick);
    QFETCH(QDate, shown);
    Fixture f(QDate(2000, 1, 1));
    f.window.load();
    f.window.takeOver(QStringLiteral("Anna"), QDate(2000, 1, 1));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    auto* displayDate = f.window.findChild<DateInput*>("M2");
    displayDate->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K,
                    Qt::ControlModifier | Qt::ShiftModifier);
    CriticalDaysWindow* days = nullptr;
    QTRY_VERIFY((days = f.window.findChild<CriticalDaysWindow*>("Days")) && days->isVisible());
    QCOMPARE(days->findChild<QLabel*>("lblPerson")->text(),
             QString("Anna, geboren am 01.01.2000, ab 01.01.2000"));

    auto* span = days->findChild<QComboBox*>("Span");
    for (int i = 0; i < std::abs(spanSteps); ++i)
        QTest::keyClick(span, spanSteps > 0 ? Qt::Key_Down : Qt::Key_Up);
    auto* table = days->findChild<QTableWidget*>("DayList");
    QCOMPARE(table->rowCount(), rows);
    QTEST(cellText(table, row, 1), "cycles");
    QTEST(cellText(table, row, 2), "mark");
    QAccessibleInterface* readTable = QAccessible::queryAccessibleInterface(table);
    QCOMPARE(readTable->role(), QAccessible::Table);
    QCOMPARE(readTable->tableInterface()->columnDescription(1), QString("Zyklen"));

    table->setFocus();
    for (int i = 0; i < row; ++i)
        QTest::keyClick(table, Qt::Key_Down);
    if (pick == Enter) {
        QTest::keyClick(table, Qt::Key_Return);
    } else {
        const QPoint centre = table->visualRect(table->model()->index(row, 0)).center();
        // A double click is a click and then the second press, which QTest sends alone.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    }
    QCOMPARE(displayDate->date(), shown);
    QCOMPARE(f.window.dayCount(), int(QDate(2000, 1, 1).daysTo(shown)));
    QVERIFY(days->isVisible());
}

// The exported picture is the window's own picture of the chart and the strip.
void TestCriticalDays::chartPicture_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("PNG") << "Diagramm als Bild speichern..."
                         << "chart.png"
                         << "Das Diagramm ist in der Datei";
    QTest::newRow("SVG") << "Diagramm als Bild speichern..."
                         << "chart.svg"
                         << "Das Diagramm ist in der Datei";
    QTest::newRow("a folder that does not exist")
        << "Diagramm als Bild speichern..."
        << "missing/chart.png"
        << "chart.png: Die Datei kann nicht angelegt werden";
    QTest::newRow("clipboard") << "Diagramm kopieren"
                               << ""
                               << "";
}

void TestCriticalDays::chartPicture() {
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QString, message);
    Fixture f(QDate(2000, 1, 1));
    f.window.load();
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.findChild<QWidget*>("M2")->setFocus(); // no focus frame on the chart
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    f.dialogs.saveFileNames << path;
    QAction* action = chartCommand(f.window, command.toLatin1());
    QVERIFY(action);
    action->trigger();

    const QImage shown = shownChartAndStrip(f.window);
    if (file.isEmpty())
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), shown);
    else
        QVERIFY2(f.dialogs.messages.value(0).contains(message),
                 qPrintable(f.dialogs.messages.value(0)));
    if (file.endsWith(".png") && message.startsWith("Das"))
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), shown);
    if (file.endsWith(".svg"))
        QCOMPARE(QSvgRenderer(path).viewBox().size(), shown.size());
}

QTEST_MAIN(TestCriticalDays)
#include "tst_criticaldays.moc"
