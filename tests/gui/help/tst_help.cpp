#include "ModalAction.h"
#include "drawing/Grid.h"
#include "gui/help/HelpDocuments.h"
#include "gui/help/HelpWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <functional>

namespace {

// Opens the window the way the main window does and runs the action once it is up; true when
// the action ran and closed the window itself.
bool openAndRun(const std::function<void(HelpWindow&)>& action, QRect* parentGeometry = nullptr) {
    QWidget parent;
    parent.setGeometry(37, 21, 640, 480);
    if (parentGeometry)
        *parentGeometry = parent.geometry();
    parent.show();
    ModalAction about(QStringLiteral("About"),
                      [&action](QWidget& window) { action(*qobject_cast<HelpWindow*>(&window)); });
    openHelpWindow(&parent);
    return about.ran() && !about.leftOpen();
}

int waitForScrollRange(QTextBrowser* box) {
    if (!QTest::qWaitFor([box] { return box->verticalScrollBar()->maximum() > 0; }, 2000))
        return 0;
    return box->verticalScrollBar()->maximum();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void picturesResolve_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sameAs");
        QTest::addColumn<QSize>("minimumSize");
        QTest::newRow("calendar") << "calendar.png" << QString() << QSize(150, 120);
        QTest::newRow("print button") << "qrc:/pictures/print.png"
                                      << ":/pictures/print.png" << QSize(16, 16);
        QTest::newRow("person button") << "qrc:/pictures/persons.png"
                                       << ":/pictures/persons.png" << QSize(16, 16);
    }
    void picturesResolve() {
        QFETCH(QString, name);
        QFETCH(QString, sameAs);
        QFETCH(QSize, minimumSize);
        HelpWindow about;
        const QTextDocument* guide = about.guide()->document();
        QCOMPARE(imageNames(*guide).size(), 3);
        QVERIFY(imageNames(*guide).contains(name));
        const QImage image =
            guide->resource(QTextDocument::ImageResource, QUrl(name)).value<QPixmap>().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= minimumSize.width() && image.height() >= minimumSize.height());
        if (!sameAs.isEmpty())
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
                     QImage(sameAs).convertToFormat(QImage::Format_RGB32));
    }

    // The calendar picture shows a selected day, drawn in the calendar's highlight colour.
    void calendarShowsSelectedDay() {
        const QImage picture = renderCalendarPicture().toImage();
        const QRgb highlight = QApplication::palette().color(QPalette::Highlight).rgb();
        int highlighted = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                highlighted += (picture.pixel(x, y) & 0xffffff) == (highlight & 0xffffff);
        QVERIFY2(highlighted > 100, qPrintable(QString::number(highlighted)));
    }

    // The close button by its picture's word, and the guide as it is read aloud and seen: its
    // fixed lines in order, each on a line of its own but the button's name inside its
    // sentence, and set apart from the plain 8 pt text as the guide sets it (b bold,
    // u underlined, + larger).
    void readByScreenReader() {
        HelpWindow about;
        QAccessibleInterface* close = QAccessible::queryAccessibleInterface(about.closeButton());
        QCOMPARE(close->text(QAccessible::Name), QString("Exit"));
        QCOMPARE(close->text(QAccessible::Description), QString("Hilfe schließen"));
        QAccessibleTextInterface* reader =
            QAccessible::queryAccessibleInterface(about.guide())->textInterface();
        QVERIFY(reader);
        // A line break before the first line, so that every line begins after one.
        const QString spoken = u'\n' + reader->text(0, reader->characterCount());
        QVERIFY(spoken.startsWith("\nKurzanleitung"));
        const QTextDocument* guide = about.guide()->document();
        const QList<std::pair<QString, QString>> lines{
            {"Kurzanleitung", "b+"},
            {"Klicken Sie oben links auf den Pfeil neben der", ""},
            {"Hier stellen Sie Ihr Geburtsdatum wie folgt ein.", "u"},
            {"Jahreszahl auswählen", "b"},
            {"Monat auswählen", "b"},
            {"Tag auswählen", "b"},
            {"Zu berechnendes Tagesdatum einstellen", "bu"},
            {"Ausdrucken des Biorhytmus für den angezeigten Tag", "bu"},
            {"Eingeben von Personendaten", "bu"},
            {" Person übernehmen Button", "bu"},
            {"Bedienung mit der Tastatur und der Maus", "bu"},
            {"Strg+Umschalt+P: Tagesbericht als PDF-Datei speichern", ""},
            {"Irrtum und Änderungen vorbehalten", ""}};
        qsizetype at = 0;
        int position = 0;
        for (const auto& [line, emphasis] : lines) {
            at = spoken.indexOf(line.trimmed(), at);
            QVERIFY2(at > 0, qPrintable(line));
            const bool lineStart =
                spoken[at - 1] == u'\n' || spoken[at - 1] == QChar::LineSeparator;
            QVERIFY2(lineStart != line.startsWith(u' '), qPrintable(line));
            const QTextCursor found = guide->find(line.trimmed(), position);
            QVERIFY2(!found.isNull(), qPrintable(line));
            position = found.selectionEnd();
            for (int i = found.selectionStart() + 1; i <= found.selectionEnd(); ++i) {
                QTextCursor cursor(about.guide()->document());
                cursor.setPosition(i);
                const QFont font = cursor.charFormat().font();
                const QString shown = QString(font.bold() ? "b" : "") +
                                      (font.underline() ? "u" : "") +
                                      (qRound(font.pointSizeF()) > 8 ? "+" : "");
                QVERIFY2(shown == emphasis && qRound(font.pointSizeF()) >= 8, qPrintable(line));
            }
            ++at;
        }
    }

    // Reading line by line with the caret on a picture, a screen reader hears the picture's
    // description in place of an object character, from a box it takes for read-only text.
    void picturesSpokenByDescription_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("description");
        QTest::newRow("calendar") << 0 << "Aufgeklappter Kalender, November 1953";
        QTest::newRow("print") << 1 << "Schaltfläche Drucken";
        QTest::newRow("persons") << 2 << "Schaltfläche Personen";
    }
    void picturesSpokenByDescription() {
        QFETCH(int, picture);
        QFETCH(QString, description);
        HelpWindow about;
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(about.guide());
        QCOMPARE(box->role(), QAccessible::EditableText);
        QVERIFY(box->state().readOnly && box->state().focusable);
        QTextCursor cursor =
            about.guide()->document()->find(QString(QChar::ObjectReplacementCharacter));
        for (int i = 0; i < picture; ++i)
            cursor =
                about.guide()->document()->find(QString(QChar::ObjectReplacementCharacter), cursor);
        cursor.setPosition(cursor.selectionStart());
        about.guide()->setTextCursor(cursor);
        QAccessibleTextInterface* reader = box->textInterface();
        int start = -1;
        int end = -1;
        const QString line =
            reader->textAtOffset(reader->cursorPosition(), QAccessible::LineBoundary, &start, &end);
        QCOMPARE(line, description + u'\n');
        QCOMPARE(reader->text(start, end), line);
        QVERIFY(
            !reader->text(0, reader->characterCount()).contains(QChar::ObjectReplacementCharacter));
        // The caret set from the reader's side lands where the reader put it.
        reader->setCursorPosition(end);
        QCOMPARE(about.guide()->textCursor().position(), cursor.position() + 2);
    }

    void documentsStartAtTopOnEveryOpening() {
        for (int opening = 0; opening < 2; ++opening) {
            QList<int> startValues;
            QList<int> scrolledValues;
            QVERIFY(openAndRun([&](HelpWindow& about) {
                for (QTextBrowser* box : {about.terms(), about.guide()}) {
                    const int range = waitForScrollRange(box);
                    startValues << box->verticalScrollBar()->value();
                    box->verticalScrollBar()->setValue(range);
                    scrolledValues << box->verticalScrollBar()->value();
                }
                QTest::mouseClick(about.closeButton(), Qt::LeftButton);
            }));
            QCOMPARE(startValues, QList<int>({0, 0}));
            QVERIFY(scrolledValues[0] > 0 && scrolledValues[1] > 0);
        }
    }

    void closes_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("close button") << true;
        QTest::newRow("escape key") << false;
    }
    void closes() {
        QFETCH(bool, byButton);
        QVERIFY(openAndRun([byButton](HelpWindow& about) {
            if (byButton)
                QTest::mouseClick(about.closeButton(), Qt::LeftButton);
            else
                QTest::keyClick(&about, Qt::Key_Escape);
        }));
    }

    void opensCentredOnParent() {
        QRect parent;
        QRect about;
        QVERIFY(openAndRun(
            [&about](HelpWindow& window) {
                about = window.geometry();
                window.reject();
            },
            &parent));
        QCOMPARE(about.size(), QSize(580, 426)); // the 574 x 420 client area and its edge
        QVERIFY((about.center() - parent.center()).manhattanLength() <= 2);
    }

    void closeButtonToolTip() {
        HelpWindow about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QToolButton* button = about.findChild<QToolButton*>(QStringLiteral("C1"));
        QVERIFY(button);
        QVERIFY(!button->icon().isNull());
        const QPoint centre = button->rect().center();
        QHelpEvent hover(QEvent::ToolTip, centre, button->mapToGlobal(centre));
        QApplication::sendEvent(button, &hover);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Hilfe schließen"));
    }

    void focusOrder() {
        HelpWindow about;
        about.show();
        QApplication::setActiveWindow(&about);
        QVERIFY(QTest::qWaitForWindowActive(&about));
        const QStringList expected{"RichTextBox1_0", "C1", "RichTextBox1_1", "RichTextBox1_0"};
        QCOMPARE(QApplication::focusWidget()->objectName(), expected.first());
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected[i]);
        }
        // Down moves a caret from line to line, which a screen reader follows and reads.
        QTextBrowser* guide = about.guide();
        QTest::keyClick(guide, Qt::Key_Down);
        QTest::keyClick(guide, Qt::Key_Down);
        QVERIFY(guide->textCursor().block().text().startsWith(QStringLiteral("Klicken Sie")));
    }

    // The window system gives the window no frame; at its fixed size it shows the grid of 16 rows
    // (17 lines, counted by the chart's test) across a free row at the foot and down a free
    // column at the left.
    void drawsGridBehindControls() {
        HelpWindow about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(about.client()->size(), QSize(574, 420));
        const QImage image = about.client()->grab().toImage();
        const QString screenshot = qEnvironmentVariable("BIO_HELP_SCREENSHOT");
        if (!screenshot.isEmpty())
            image.save(screenshot);
        QImage grid(image.size(), QImage::Format_RGB32);
        QPainter painter(&grid);
        drawGrid(painter, grid.size(), 16);
        const QImage shown = image.convertToFormat(QImage::Format_RGB32);
        for (int x = 0; x < shown.width(); ++x)
            QCOMPARE(shown.pixel(x, 405), grid.pixel(x, 405));
        for (int y = 0; y < shown.height(); ++y)
            QCOMPARE(shown.pixel(4, y), grid.pixel(4, y));
    }

    void labelsFitOnOneLine_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("title") << "Label3";
        QTest::newRow("copyright") << "Label1";
    }
    void labelsFitOnOneLine() {
        QFETCH(QString, name);
        HelpWindow about;
        const QLabel* label = about.findChild<QLabel*>(name);
        QVERIFY(label);
        QVERIFY(!label->text().isEmpty());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        QVERIFY(label->fontMetrics().height() <= label->height());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
