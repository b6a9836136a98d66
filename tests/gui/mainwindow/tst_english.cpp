#include "MainWindowFixture.h"
#include "ModalAction.h"
#include "PageReading.h"
#include "core/PhaseTexts.h"
#include "core/UiLanguage.h"
#include "drawing/ReportPdf.h"
#include "gui/controls/DateInput.h"
#include "gui/mainwindow/StartRefusal.h"
#include "gui/platform/SingleInstance.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <functional>
#include <unistd.h>

namespace {

// Words only German uses (any of ä, ö, ü, ß gives a word away too); the program's name,
// Biorhythmus, is the same in both languages.
const QRegularExpression GermanWord(
    QStringLiteral("\\b(und|der|das|den|ist|nicht|Sie|Ihr|Ihre|mit|Tag|Tage|Heute|Geburt\\w*|"
                   "Kurve|Zustand|Datum|Personen|Drucken|Hilfe|Speichern|beenden|Montag|"
                   "Dienstag|Mittwoch|Donnerstag|Freitag|Samstag|Sonntag|Januar|Februar|Mai|"
                   "Juni|Juli|Oktober|Dezember|Di|Mi|Zeitraum|Zyklen|Kritisch\\w*|geboren|"
                   "Anzeige\\w*)\\b|\\w*[äöüßÄÖÜ]\\w*"));

// The one line of text a label, button or input shows; empty for any other control.
QString shownLine(const QWidget& control) {
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->text();
    return QString();
}

// What the user sees, hears from a screen reader or reads in a tool tip, for every control.
QStringList textsOf(const QWidget& control) {
    QStringList texts{control.windowTitle(), control.toolTip(), control.accessibleName(),
                      control.accessibleDescription(), shownLine(control)};
    if (auto* document = qobject_cast<const QTextEdit*>(&control))
        texts << document->toPlainText();
    // The critical days and the calendar's weekday heads are cells of a table.
    if (auto* table = qobject_cast<const QTableView*>(&control)) {
        const QAbstractItemModel& model = *table->model();
        for (int column = 0; column < model.columnCount(); ++column) {
            texts << model.headerData(column, Qt::Horizontal).toString();
            for (int row = 0; row < model.rowCount(); ++row)
                texts << model.index(row, column).data().toString();
        }
    }
    return texts;
}

// Room for one line of text inside a control, after its frame and the style's margins.
int textRoom(const QWidget& control) {
    if (auto* button = qobject_cast<const QPushButton*>(&control))
        return button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    // QLineEdit keeps two pixels clear at each side inside its frame.
    if (auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
    auto* label = qobject_cast<const QLabel*>(&control);
    return label->contentsRect().width() - 2 * label->margin();
}

// A single-line text wider than its room, or wrapped text taller than its label.
bool isCut(const QWidget& control, const QString& text) {
    auto* label = qobject_cast<const QLabel*>(&control);
    if (label && label->wordWrap())
        return label->heightForWidth(label->width()) > label->height();
    return control.fontMetrics().horizontalAdvance(text) > textRoom(control);
}

// What is wrong in the window in English: German words, and texts cut by their frames.
QStringList faultsOf(QWidget& window) {
    QStringList faults;
    QList<QWidget*> controls = window.findChildren<QWidget*>();
    controls.prepend(&window);
    for (const QWidget* control : std::as_const(controls)) {
        const QString where = control->objectName().isEmpty()
                                  ? QString::fromLatin1(control->metaObject()->className())
                                  : control->objectName();
        for (const QString& text : textsOf(*control)) {
            const QRegularExpressionMatch german = GermanWord.match(text);
            if (german.hasMatch())
                faults << QStringLiteral("%1: German \"%2\" in \"%3\"")
                              .arg(where, german.captured(), text.left(80));
        }
        const QString shown = shownLine(*control);
        const bool measured = !qobject_cast<const QToolButton*>(control); // pictures, no text
        if (measured && control->isVisibleTo(&window) && !shown.isEmpty() && isCut(*control, shown))
            faults << QStringLiteral("%1: \"%2\" cut by its frame").arg(where, shown);
    }
    return faults;
}

// Opens a window in English the way the user does and hands each state it shows to the check.
using Opener = std::function<bool(const std::function<void(QWidget&)>& check)>;

// The window holds three of the 21 interpretation texts at a time: each goes through its label.
bool openMainWindow(const std::function<void(QWidget&)>& check) {
    Fixture f;
    f.window.load();
    f.window.show();
    for (const char* name : {"M1", "M2"})
        f.window.findChild<DateInput*>(QLatin1String(name))->calendar();
    check(f.window);
    for (std::int16_t index = 0; index <= 20; ++index) {
        auto* label = f.window.findChild<QLabel*>(QStringLiteral("L4_%1").arg(index / 7));
        label->setText(phaseText(index));
        check(*label);
    }
    return QTest::qWaitForWindowExposed(&f.window);
}

Opener throughKeys(const QKeySequence& keys, const char* window, const char* closer) {
    return [=](const std::function<void(QWidget&)>& check) {
        Fixture f;
        f.window.load();
        f.window.show();
        ModalAction opened(QLatin1String(window), [&](QWidget& modal) {
            check(modal);
            modal.findChild<QAbstractButton*>(QLatin1String(closer))->click();
        });
        f.window.activateWindow();
        if (!QTest::qWaitForWindowActive(&f.window))
            return false;
        QTest::keySequence(&f.window, keys);
        // The critical days and the comparison open without blocking; the other windows are done
        // when this returns.
        return QTest::qWaitFor([&] { return opened.ran(); }) && !opened.leftOpen();
    };
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestEnglish : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installUiLanguage(*QCoreApplication::instance(), UiLanguage::English); }

    void windowsReadEnglish_data() {
        QTest::addColumn<Opener>("open");
        QTest::newRow("main window, calendars, texts") << Opener(openMainWindow);
        QTest::newRow("person editor") << throughKeys(QKeySequence("Ctrl+Shift+E"), "Data", "C2_3");
        QTest::newRow("help window") << throughKeys(QKeySequence("F1"), "About", "C1");
        QTest::newRow("critical days") << throughKeys(QKeySequence("Ctrl+Shift+K"), "Days", "C3_1");
        QTest::newRow("partner comparison")
            << throughKeys(QKeySequence("Ctrl+Shift+V"), "Compare", "C4");
    }
    void windowsReadEnglish() {
        QFETCH(Opener, open);
        QStringList faults;
        int checked = 0;
        QVERIFY(open([&](QWidget& window) {
            faults << faultsOf(window);
            ++checked;
        }));
        QVERIFY(checked > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The English form is typed, with its own separator; DATA.DAT keeps dd.MM.yyyy all the same.
    void typedBirthDateKeepsTheFileForm_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("full form") << "12/31/1999" << QByteArray("\"31.12.1999\"\r\n");
        QTest::newRow("short form") << "3/2/1980" << QByteArray("\"02.03.1980\"\r\n");
    }
    void typedBirthDateKeepsTheFileForm() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        Fixture f;
        f.window.load();
        f.window.show();
        ModalAction editor(QStringLiteral("Data"), [&typed](QWidget& editor) {
            editor.findChild<QPushButton*>(QStringLiteral("C2_0"))->click();
            auto* empty = editor.findChild<QLineEdit*>(QStringLiteral("DT_empty"));
            empty->setFocus();
            // Key by key to whatever has the focus, as a keyboard delivers them.
            QTest::keyClick(empty, typed.at(0).toLatin1());
            QTest::keyClicks(QApplication::focusWidget(), typed.mid(1));
            editor.findChild<QPushButton*>(QStringLiteral("C2_3"))->click();
        });
        f.window.findChild<QToolButton*>(QStringLiteral("C1_0"))->click();
        QVERIFY(editor.ran() && !editor.leftOpen());
        QFile file(f.personFile.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.endsWith("\"\"\r\n" + stored), bytes.constData());
    }

    // No folder of the user's own for the start lock: the box that refuses the start says so in
    // English, the folder's name as it is.
    void startRefusalReadsEnglish() {
        QTemporaryDir temp;
        const QString own = temp.filePath("biorhythmus-" + QString::number(::geteuid()));
        QFile plainFile(own);
        QVERIFY(plainFile.open(QIODevice::WriteOnly));
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray tmp = qgetenv("TMPDIR");
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const SingleInstance instance;
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("TMPDIR", tmp);
        QCOMPARE(instance.role(), SingleInstance::Role::Impossible);
        QCOMPARE(failureText(startRefusal(instance.problem())),
                 "Biorhythmus cannot start. There is no folder of your own in which Biorhythmus "
                 "can note that it is already running:\n" +
                     own + " is not a folder.");
    }

    // The printed page: English words in the English date form, none German, none overlapping.
    void printedPageReadsEnglish() {
        Fixture f;
        f.window.load();
        f.window.takeOver(QStringLiteral("Anna"), QDate(1953, 11, 20));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
        const Outcome saved = saveDayReportPdf(pdf, f.window.dayReport());
        QVERIFY2(saved.worked(), qPrintable(saved.text()));
        const QList<PageWord> words = pdfWords(pdf);
        const QString page = wordTexts(words).join(QLatin1Char(' '));
        for (const char* expected : {"11/20/1953", "1/1/2000", "Physical", "Intellectual"})
            QVERIFY2(page.contains(QLatin1String(expected)), qPrintable(page));
        const QRegularExpressionMatch german = GermanWord.match(page);
        QVERIFY2(!german.hasMatch(), qPrintable(german.captured()));
        for (int i = 0; i < words.size(); ++i) {
            for (int j = i + 1; j < words.size(); ++j)
                QVERIFY2(!words[i].box.intersects(words[j].box),
                         qPrintable(words[i].text + QLatin1String(" / ") + words[j].text));
        }
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
