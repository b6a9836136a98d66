// Dates typed and pasted into the date inputs, key by key as a user gives them: a start date,
// the keys, the language, and the date the input holds after them, with what it says.
// On Qt's offscreen platform QTest hands the events to the focused widget. With
// DATE_KEYS_THROUGH_X set, on an X server (date-keys-test.sh), xdotool presses the same keys
// and clicks through the server, so that they reach the inputs by the users' own way: the
// server's key map, Qt's xcb keyboard and its focus handling.
#include "core/DateRules.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/FieldNote.h"
#include "gui/persons/BirthDateInput.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QVBoxLayout>

namespace {
// Keys and clicks, through the X server or through QTest.
class Hands : public QObject {
public:
    Hands() { qApp->installEventFilter(this); }

    // A key with its modifiers, named as QKeySequence names it: "Ctrl+A", "Tab", "Backspace".
    void press(const QString& name) {
        const QKeyCombination key = QKeySequence::fromString(name)[0];
        if (!m_throughX)
            return QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        // xdotool names modifiers and letters in small letters, keys by their X key symbols.
        QStringList xName = name.split('+');
        for (QString& word : xName) {
            if (word.size() == 1 || word != xName.last())
                word = word.toLower();
        }
        xName.last().replace(QLatin1String("Backspace"), QLatin1String("BackSpace"));
        xdotool({"key", "--clearmodifiers", xName.join('+')}, 1);
    }

    void type(const QString& text) {
        if (!m_throughX)
            return QTest::keyClicks(QApplication::focusWidget(), text);
        xdotool({"type", "--delay", "20", "--", text}, int(text.size()));
    }

    void click(QWidget* widget, QPoint at) {
        if (!m_throughX)
            return QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        const QPoint global = widget->mapToGlobal(at);
        xdotool({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()),
                 "click", "1"},
                1);
    }

protected:
    // Each key and each click reaches the window once, whichever widget then takes it.
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::MouseButtonPress ||
                           (event->type() == QEvent::KeyPress &&
                            !isModifier(static_cast<QKeyEvent*>(event)->key()));
        if (press && watched->isWindowType())
            ++m_arrived;
        return false;
    }

private:
    static bool isModifier(int key) { return key >= Qt::Key_Shift && key <= Qt::Key_AltGr; }

    // Runs xdotool and waits until the presses it made have been handled.
    void xdotool(const QStringList& arguments, int presses) {
        m_sent += presses;
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
        QVERIFY2(QTest::qWaitFor([this] { return m_arrived >= m_sent; }, 5000),
                 qPrintable(arguments.join(' ')));
    }

    const bool m_throughX = qEnvironmentVariableIsSet("DATE_KEYS_THROUGH_X");
    int m_sent = 0;
    int m_arrived = 0;
};

// A window with a field before the date input and one after it, the focus in the first.
struct Form {
    explicit Form(QWidget* input) : field(input) {
        before = new QLineEdit(&window);
        after = new QLineEdit(&window);
        auto* column = new QVBoxLayout(&window);
        column->addWidget(before);
        column->addWidget(input);
        column->addWidget(after);
        QWidget::setTabOrder(before, input);
        QWidget::setTabOrder(input, after);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window did not become active");
        before->setFocus();
    }
    QWidget window;
    QWidget* field;
    QLineEdit* before;
    QLineEdit* after;
};

// The middle of character `at` of the text, where a click puts the cursor before it.
QPoint characterAt(QLineEdit* edit, int at) {
    int x = 0;
    while (x < edit->width() && edit->cursorPositionAt(QPoint(x, edit->height() / 2)) < at)
        ++x;
    return {x, edit->height() / 2};
}

QString noteText(const QWidget& window) {
    const auto* note = window.findChild<FieldNote*>();
    return note && note->isVisible() ? note->text() : QString();
}

} // namespace

class TestDateKeys : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void typedAndPasted_data();
    void typedAndPasted();
};

// Steps: "Tab", "Ctrl+A" and other keys by name; "type:TEXT" types TEXT character by character;
// "click:N" clicks before character N of the date input's text; "paste:TEXT" puts TEXT on the
// clipboard and presses Ctrl+V. The field is "date" (a date input) or "birth" (the editor's
// birth date, empty when there is no start date).
void TestDateKeys::typedAndPasted_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("note"); // how the message under the field begins; empty: none
    const auto row = [](const char* name, const char* language, const char* field, QDate start,
                        QStringList steps, QDate date, const char* note = "") {
        QTest::newRow(name) << QString(language) << QString(field) << start << steps << date
                            << QString::fromUtf8(note);
    };
    const QDate april(2027, 4, 15);
    const QDate february(2024, 2, 15);
    const QStringList tab{"Tab"};

    // The measured faults: a second day digit 1 to 3 in a short month, the old day after Ctrl+A,
    // the English form, ISO pasted.
    row("01052027 after Tab, from 15.04.", "de", "date", april, tab + QStringList{"type:01052027"},
        QDate(2027, 5, 1));
    row("01052027 after a click", "de", "date", april, {"click:0", "type:01052027"},
        QDate(2027, 5, 1));
    row("03032027 from 10.02.", "de", "date", QDate(2027, 2, 10), {"Tab", "type:03032027"},
        QDate(2027, 3, 3));
    row("02112027 from 15.06.", "de", "date", QDate(2027, 6, 15), {"Tab", "type:02112027"},
        QDate(2027, 11, 2));
    row("Ctrl+A, 20.04.2026", "de", "date", QDate(2026, 1, 1), {"Tab", "Ctrl+A", "type:20.04.2026"},
        QDate(2026, 4, 20));
    row("birth date, Ctrl+A, 08.11.1999", "de", "birth", QDate(1953, 11, 20),
        {"Tab", "Ctrl+A", "type:08.11.1999"}, QDate(1999, 11, 8));
    row("English, Ctrl+A, 1/5/2027", "en", "date", QDate(2026, 12, 12),
        {"Tab", "Ctrl+A", "type:1/5/2027"}, QDate(2027, 1, 5));
    row("pasted ISO", "de", "date", april, {"Tab", "paste:2026-12-24"}, QDate(2026, 12, 24));
    row("English, pasted ISO", "en", "date", april, {"Tab", "paste:2026-12-24"},
        QDate(2026, 12, 24));

    // How the keys reach the parts: Tab, Home, a click, a selection; digits with and without
    // separators, one-digit day and month where no second digit fits.
    row("Home, whole date", "de", "date", april, {"Tab", "Home", "type:08.11.1999"},
        QDate(1999, 11, 8));
    row("short form", "de", "date", april, {"Tab", "type:1.5.2027"}, QDate(2027, 5, 1));
    row("4 and 5 are whole", "de", "date", april, {"Tab", "type:452027"}, QDate(2027, 5, 4));
    row("click into the month", "de", "date", april, {"click:4", "type:12"}, QDate(2027, 12, 15));
    row("click into the year", "de", "date", february, {"click:8", "type:2000"},
        QDate(2000, 2, 15));
    row("selection from the month on", "de", "date", april, {"click:3", "Shift+End", "type:052030"},
        QDate(2030, 5, 15));
    row("day alone, Tab on", "de", "date", april, {"Tab", "type:3", "Tab"}, QDate(2027, 4, 3));
    row("Backspace in the day", "de", "date", april, {"click:2", "Backspace", "type:6"},
        QDate(2027, 4, 16));
    row("Escape takes the typing back", "de", "date", april, {"Tab", "type:0105", "Escape"}, april);
    row("birth date empty, typed", "de", "birth", QDate(), {"Tab", "type:08111999"},
        QDate(1999, 11, 8));

    // "31" in a short month is its last day; a month typed after it gives the day back.
    row("31 into February", "de", "date", february, {"Tab", "type:31"}, QDate(2024, 2, 29));
    row("31 into February 2023", "de", "date", QDate(2023, 2, 1), {"Tab", "type:31"},
        QDate(2023, 2, 28));
    row("31.01. into February", "de", "date", february, {"Tab", "type:31.01.2024"},
        QDate(2024, 1, 31));
    row("30.04. into February", "de", "date", february, {"Tab", "type:30.04.2023"},
        QDate(2023, 4, 30));
    row("February into the 31st", "de", "date", QDate(2024, 1, 31), {"click:3", "type:02"},
        QDate(2024, 2, 29));
    row("29.02. of a leap year", "de", "date", april, {"Tab", "type:29.02.2024"},
        QDate(2024, 2, 29));
    row("English, 31 into February", "en", "date", february, {"Tab", "Tab", "type:31"},
        QDate(2024, 2, 29));

    // No date, or none the program takes: the date stays and the input says so.
    row("31.02. is no date", "de", "date", QDate(2026, 4, 15), {"Tab", "type:31.02.2027"},
        QDate(2026, 4, 15), "„31.02“ ist kein Datum. Es bleibt beim 15.04.2026.");
    row("29.02. of another year", "de", "date", april, {"Tab", "type:29.02.2023"}, april,
        "„29.02.2023“ ist kein Datum.");
    row("31.04. is no date", "de", "date", april, {"Tab", "type:31042027"}, april,
        "„3104“ ist kein Datum.");
    row("day 00", "de", "date", april, {"Tab", "type:00"}, april, "„00“ ist kein Datum.");
    row("35 is no day", "de", "date", april, {"Tab", "type:352027"}, april, "„35“ ist kein Datum.");
    row("13 is no month", "de", "date", april, {"Tab", "type:01132027"}, april,
        "„0113“ ist kein Datum.");
    row("a letter", "de", "date", april, {"Tab", "type:1x"}, april, "„1x“ ist kein Datum.");
    row("two-digit year", "de", "date", april, {"Tab", "type:1.5.27", "Tab"}, april,
        "„1.5.27“ ist kein Datum.");
    row("before 1601", "de", "date", april, {"Tab", "type:31.12.1600"}, april,
        "Das Datum muss zwischen dem 01.01.1601 und dem 31.12.9999 liegen. Es bleibt beim "
        "15.04.2027.");
    row("typed ISO", "de", "date", april, {"Tab", "type:2026-12-24"}, april,
        "„2026-“ ist kein Datum.");
    row("English, 2/30", "en", "date", april, {"Tab", "type:2/30/2024"}, april,
        "„2/30“ ist kein Datum. Es bleibt beim 4/15/2027.");
    row("pasted words", "de", "date", april, {"Tab", "paste:gestern"}, april,
        "„gestern“ ist kein Datum.");
    row("pasted before 1601", "de", "date", april, {"Tab", "paste:1600-12-31"}, april,
        "Das Datum muss");
    row("pasted German form", "de", "date", april, {"click:8", "paste:24.12.2026"},
        QDate(2026, 12, 24));
    row("English, pasted English form", "en", "date", april, {"Tab", "paste:12/8/2026"},
        QDate(2026, 12, 8));
    row("pasted digits go where the cursor is", "de", "date", april, {"click:8", "paste:2031"},
        QDate(2031, 4, 15));
}

void TestDateKeys::typedAndPasted() {
    QFETCH(QString, language);
    QFETCH(QString, field);
    QFETCH(QDate, start);
    QFETCH(QStringList, steps);
    QFETCH(QDate, date);
    QFETCH(QString, note);
    QLocale::setDefault(language == "en" ? QLocale(QLocale::English, QLocale::UnitedStates)
                                         : QLocale(QLocale::German, QLocale::Germany));
    DateInput* input = nullptr;
    QWidget* widget = nullptr;
    if (field == "birth") {
        auto* birth = new BirthDateInput;
        birth->setDate(QDate(2024, 5, 17)); // today's date, under an empty field
        birth->setBirthText(start.isValid() ? shortDateText(start) : QString());
        input = birth->dateInput();
        widget = birth;
    } else {
        input = new DateInput;
        input->setDateQuietly(start);
        widget = input;
    }
    Form form(widget);
    Hands hands;
    for (const QString& step : steps) {
        const QString argument = step.section(':', 1);
        if (step.startsWith("type:")) {
            hands.type(argument);
        } else if (step.startsWith("paste:")) {
            QGuiApplication::clipboard()->setText(argument);
            hands.press("Ctrl+V");
        } else if (step.startsWith("click:")) {
            auto* edit = input->findChild<QLineEdit*>();
            hands.click(edit, characterAt(edit, argument.toInt()));
        } else {
            hands.press(step);
        }
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(input->date(), date);
    if (note.isEmpty())
        QCOMPARE(noteText(form.window), QString());
    else
        QVERIFY2(noteText(form.window).startsWith(note), qPrintable(noteText(form.window)));
}

QTEST_MAIN(TestDateKeys)
#include "tst_datekeys.moc"
