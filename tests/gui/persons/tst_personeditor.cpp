#include "FullDisk.h"
#include "RecordingTakeOver.h"
#include "ScriptedDialogs.h"
#include "TestLanguage.h"
#include "core/Clock.h"
#include "core/PersonFile.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"
#include "drawing/Grid.h"
#include "gui/controls/DateInput.h"
#include "gui/controls/Stepper.h"
#include "gui/persons/BirthDateInput.h"
#include "gui/persons/NameValidator.h"
#include "gui/persons/PersonEditor.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
// Five persons, the given one current, as the file holds them.
QByteArray fiveFile(int current) {
    QByteArray bytes = "5," + QByteArray::number(current) + "\r\n";
    for (int i = 1; i <= 5; ++i)
        bytes +=
            "\"P" + QByteArray::number(i) + "\"\r\n\"0" + QByteArray::number(i) + ".01.2000\"\r\n";
    return bytes;
}

// An editor over a fresh folder on 17 May 2024, as the main window opens it.
struct Fixture {
    explicit Fixture(const QByteArray& file = {}, QWidget* mainWindow = nullptr)
        : location(dir.path()), clock(QDate(2024, 5, 17)) {
        if (!file.isEmpty())
            write(file);
        open(mainWindow);
    }

    void write(const QByteArray& bytes) {
        QFile out(location.filePath());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QByteArray file() const {
        QFile in(location.filePath());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    void open(QWidget* mainWindow = nullptr) {
        editor = std::make_unique<PersonEditor>(
            PersonEditor::Services{persons, takeOver, dialogs, clock, location}, mainWindow);
        editor->load();
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        editor->activateWindow();
    }

    template <typename T> T* child(const char* name) const {
        auto* widget = editor->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    void click(int button) const {
        QTest::mouseClick(child<QPushButton>(qPrintable(QString("C2_%1").arg(button))),
                          Qt::LeftButton);
    }
    QString status() const { return child<QLabel>("lblCurrRecord")->text(); }
    QLineEdit* name() const { return child<QLineEdit>("txtName"); }
    BirthDateInput* date() const { return child<BirthDateInput>("DT"); }
    Stepper* stepper() const { return child<Stepper>("UpDown1"); }

    QTemporaryDir dir;
    PersonFileLocation location;
    PersonList persons;
    ScriptedDialogs dialogs;
    FixedClock clock;
    RecordingTakeOver takeOver;
    std::unique_ptr<PersonEditor> editor;
};

const QString DeleteTitle = "Vorax Biorhytmus v2.0|";
} // namespace

class TestPersonEditor : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void showsItsGrid();
    void openingWithoutFile();
    void addOnEmptyList();
    void typingIntoTheEmptyList_data();
    void typingIntoTheEmptyList();
    void addStoresShownPerson();
    void stepperStopsAtEnds_data();
    void stepperStopsAtEnds();
    void deleting_data();
    void deleting();
    void deletingOnlyPersonThenSaving();
    void closingWays_data();
    void closingWays();
    void mainWindowClosingClosesEditor();
    void takeOver();
    void takeOverWithoutDate();
    void compare();
    void fullListRefusesAdd();
    void pastedNameLosesOnlyUnstorableCharacters();
    void brokenFileIsKeptAsBackup();
    void storeFailuresInTheLanguage_data();
    void storeFailuresInTheLanguage();
    void nameLongerThanTheField();
    void typingIntoEmptyBirthDate_data();
    void typingIntoEmptyBirthDate();
};

void TestPersonEditor::layout() {
    Fixture f;
    QCOMPARE(f.editor->objectName(), QString("Data"));
    QVERIFY(f.editor->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(f.editor->isModal());
    QCOMPARE(f.editor->client()->size(), QSize(574, 181));
    QCOMPARE(f.editor->size(), QSize(580, 187)); // with the dialog edge
    const QStringList texts = {"Person hinzufügen ", "Person löschen",     "Speichern", "Exit",
                               "Person übernehmen",  "Partnervergleich..."};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f.child<QPushButton>(qPrintable(QString("C2_%1").arg(i)))->text(), texts[i]);
    QCOMPARE(f.child<QLabel>("Label3")->text(), QString("PERSONEN DATENBANK"));
    QCOMPARE(f.child<QLabel>("Label1")->text(), QString("Name:"));
    QCOMPARE(f.child<QLabel>("Label2")->text(), QString("Geb.datum:"));
    QCOMPARE(f.child<QLabel>("Label3")->font().pointSizeF(), 12.0);
    QCOMPARE(f.name()->font().pointSizeF(), 9.75);
    QCOMPARE(f.child<QPushButton>("C2_0")->font().pointSizeF(), 8.25);
    QCOMPARE(f.child<QPushButton>("C2_4")->geometry(), QRect(288, 130, 256, 24));
    QCOMPARE(f.stepper()->geometry(), QRect(146, 130, 55, 25));

    // Every caption fits its label and every button text its button.
    for (auto* label : f.editor->findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName()));
    for (auto* button : f.editor->findChildren<QPushButton*>())
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                 qPrintable(button->objectName()));

    // Focus order: name, the date under it, add, stepper, delete, save, exit, compare, take over.
    f.click(0);
    QWidget* expected[] = {
        f.date()->focusProxy(),       f.child<QPushButton>("C2_0"), f.stepper(),
        f.child<QPushButton>("C2_1"), f.child<QPushButton>("C2_2"), f.child<QPushButton>("C2_3"),
        f.child<QPushButton>("C2_5"), f.child<QPushButton>("C2_4"), f.name()};
    QTRY_VERIFY(f.name()->hasFocus());
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

// The editor shows the grid of seven rows (eight lines, counted by the chart's test) behind
// its controls.
void TestPersonEditor::showsItsGrid() {
    Fixture f;
    const QImage shown = f.editor->client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage grid(shown.size(), QImage::Format_RGB32);
    QPainter painter(&grid);
    drawGrid(painter, grid.size(), 7);
    // Right of the buttons no control covers the grid.
    for (int y = 0; y < shown.height(); ++y)
        QCOMPARE(shown.pixel(560, y), grid.pixel(560, y));
}

void TestPersonEditor::openingWithoutFile() {
    Fixture f;
    QCOMPARE(f.status(), QString("Keine Einträge"));
    QVERIFY(!f.name()->isEnabled());
    QVERIFY(!f.date()->isEnabled());
    QVERIFY(!f.date()->hasDate());
    QVERIFY(f.dialogs.messages.isEmpty());

    // Stepping and deleting do nothing; saving writes the empty list.
    QTest::mouseClick(f.stepper()->rightButton(), Qt::LeftButton);
    f.click(1);
    QVERIFY(f.dialogs.questions.isEmpty());
    f.click(2);
    QCOMPARE(f.file(), QByteArray("0,0\r\n"));
}

void TestPersonEditor::addOnEmptyList() {
    Fixture f;
    f.click(0);
    QCOMPARE(f.status(), QString("Person 1 von 1"));
    QCOMPARE(QAccessible::queryAccessibleInterface(f.child<QLabel>("lblCurrRecord"))
                 ->text(QAccessible::Name),
             f.status());
    QVERIFY(f.name()->isEnabled());
    QVERIFY(f.date()->isEnabled());
    QTRY_VERIFY(f.name()->hasFocus());
    // The new person has no birth text yet, so the date field shows no date.
    QVERIFY(!f.date()->hasDate());

    QTest::keyClicks(f.name(), "Anna");
    f.click(2);
    QCOMPARE(f.file(), QByteArray("1,1\r\n\"Anna\"\r\n\"\"\r\n"));

    // A click on the empty field's arrow opens the calendar on today's date, and leaving
    // stores it.
    auto* empty = f.child<QLineEdit>("DT_empty");
    QTest::mouseClick(empty, Qt::LeftButton, {}, {empty->width() - 5, empty->height() / 2});
    QVERIFY(f.date()->hasDate());
    QWidget* calendar = f.date()->dateInput()->calendarWidget()->window();
    QTRY_VERIFY(calendar->isVisible());
    calendar->close();
    QCOMPARE(f.date()->dateInput()->date(), QDate(2024, 5, 17));
    f.click(3);
    QCOMPARE(f.file(), QByteArray("1,1\r\n\"Anna\"\r\n\"17.05.2024\"\r\n"));
    QVERIFY(!f.editor->isVisible());
}

// With no persons the fields wait for "Person hinzufügen "; a click into the name field and
// typing still give a new person of that name, and no typed key reaches a button.
void TestPersonEditor::typingIntoTheEmptyList_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QByteArray>("file"); // after Save
    QTest::newRow("a name with a blank")
        << "Anna Müller"
        << "Person 1 von 1" << QByteArray("1,1\r\n\"Anna M\xfcller\"\r\n\"\"\r\n");
    QTest::newRow("a blank first")
        << " Anna"
        << "Person 1 von 1" << QByteArray("1,1\r\n\" Anna\"\r\n\"\"\r\n");
    QTest::newRow("a click alone adds no one") << ""
                                               << "Keine Einträge" << QByteArray("0,0\r\n");
}

void TestPersonEditor::typingIntoTheEmptyList() {
    QFETCH(QString, typed);
    QFETCH(QString, status);
    QFETCH(QByteArray, file);
    Fixture f;
    QVERIFY(!f.name()->isEnabled());
    QTest::mouseClick(f.name(), Qt::LeftButton);
    for (const QChar c : typed) // key by key to whatever has the focus, as a keyboard does
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                            Qt::Key(c.toUpper().unicode()), QString(c), {});
    QCOMPARE(f.name()->text(), typed);
    QCOMPARE(f.status(), status);
    f.click(2);
    QCOMPARE(f.file(), file);
    QCOMPARE(f.name()->isEnabled(), !typed.isEmpty());
}

void TestPersonEditor::addStoresShownPerson() {
    Fixture f("3,2\r\n\"A\"\r\n\"01.01.2000\"\r\n\"B\"\r\n\"02.02.2000\"\r\n\"C\"\r\n\"\"\r\n");
    QCOMPARE(f.status(), QString("Person 2 von 3"));
    QCOMPARE(f.name()->text(), QString("B"));
    QCOMPARE(f.date()->date(), QDate(2000, 2, 2));
    f.name()->selectAll();
    QTest::keyClicks(f.name(), "Berta");
    f.date()->dateInput()->setDate(QDate(1980, 3, 4));
    f.click(0);
    QCOMPARE(f.status(), QString("Person 4 von 4"));
    QCOMPARE(f.persons.person(2), (Person{"Berta", "04.03.1980"}));
    QCOMPARE(f.persons.person(4), Person{});
    QCOMPARE(f.name()->text(), QString());
}

void TestPersonEditor::stepperStopsAtEnds_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("storedName"); // of person 1 afterwards
    QTest::newRow("left on the first") << 1 << false << "Person 1 von 5"
                                       << "P1";
    QTest::newRow("right on the last") << 5 << true << "Person 5 von 5"
                                       << "P1";
    QTest::newRow("right from the first stores it") << 1 << true << "Person 2 von 5"
                                                    << "edited";
    QTest::newRow("left from the second") << 2 << false << "Person 1 von 5"
                                          << "P1";
}

void TestPersonEditor::stepperStopsAtEnds() {
    QFETCH(int, current);
    QFETCH(bool, right);
    QFETCH(QString, status);
    QFETCH(QString, storedName);
    Fixture f(fiveFile(current));
    f.name()->setText("edited");
    QTest::mouseClick(right ? f.stepper()->rightButton() : f.stepper()->leftButton(),
                      Qt::LeftButton);
    QCOMPARE(f.status(), status);
    QCOMPARE(f.persons.person(1).Name, storedName);
    if (status == QString("Person %1 von 5").arg(current)) {
        QCOMPARE(f.name()->text(), QString("edited"));
        QCOMPARE(f.persons.person(current).Name, current == 1 ? storedName : "P5");
    }
}

void TestPersonEditor::deleting_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("middle of five") << 2 << true << "Person 2 von 4"
                                    << "P3" << QStringList{"P1", "P3", "P4", "P5"};
    QTest::newRow("last of five") << 5 << true << "Person 4 von 4"
                                  << "P4" << QStringList{"P1", "P2", "P3", "P4"};
    QTest::newRow("first of five") << 1 << true << "Person 1 von 4"
                                   << "P2" << QStringList{"P2", "P3", "P4", "P5"};
    QTest::newRow("answered No") << 2 << false << "Person 2 von 5"
                                 << "edited" << QStringList{"P1", "P2", "P3", "P4", "P5"};
}

void TestPersonEditor::deleting() {
    QFETCH(int, current);
    QFETCH(bool, yes);
    QFETCH(QString, status);
    QFETCH(QString, shown);
    QFETCH(QStringList, names);
    Fixture f(fiveFile(current));
    // An edit of the shown person is neither stored nor asked about.
    f.name()->setText("edited");
    f.dialogs.yesNoAnswers.enqueue(yes);
    f.click(1);
    QCOMPARE(f.dialogs.questions,
             QStringList{DeleteTitle + QString("Sind Sie sicher, das die Person P%1 gelöscht "
                                               "werden soll ?")
                                           .arg(current)});
    QCOMPARE(f.status(), status);
    QCOMPARE(f.name()->text(), shown);
    QStringList stored;
    for (int i = 1; i <= f.persons.personCount(); ++i)
        stored << f.persons.person(i).Name;
    QCOMPARE(stored, names);
    if (yes)
        QCOMPARE(f.date()->date(), QDate(2000, 1, shown.mid(1).toInt()));
}

void TestPersonEditor::deletingOnlyPersonThenSaving() {
    Fixture f("1,1\r\n\"Anna\"\r\n\"08.11.1999\"\r\n");
    f.dialogs.yesNoAnswers.enqueue(true);
    f.click(1);
    QCOMPARE(f.status(), QString("Keine Einträge"));
    QVERIFY(!f.name()->isEnabled());
    QCOMPARE(f.name()->text(), QString());
    f.click(2);
    QCOMPARE(f.file(), QByteArray("0,0\r\n"));
}

void TestPersonEditor::closingWays_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit") << "exit";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window closed") << "close";
    QTest::newRow("destroyed while open") << "destroy";
}

void TestPersonEditor::closingWays() {
    QFETCH(QString, way);
    Fixture f("2,2\r\n\"A\"\r\n\"01.01.2000\"\r\n\"B\"\r\n\"02.02.2000\"\r\n");
    f.name()->selectAll();
    QTest::keyClicks(f.name(), "Bernd");
    f.date()->dateInput()->setDate(QDate(1999, 11, 8));
    if (way == "exit")
        f.click(3);
    else if (way == "escape")
        QTest::keyClick(f.name(), Qt::Key_Escape);
    else if (way == "close")
        f.editor->close();
    else
        f.editor.reset();
    QCOMPARE(f.file(),
             QByteArray("2,2\r\n\"A\"\r\n\"01.01.2000\"\r\n\"Bernd\"\r\n\"08.11.1999\"\r\n"));
    if (f.editor) {
        QVERIFY(!f.editor->isVisible());
        // Closing again must not write again.
        f.write("changed on disk");
        f.editor->close();
        QCOMPARE(f.file(), QByteArray("changed on disk"));
    }
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestPersonEditor::mainWindowClosingClosesEditor() {
    QWidget main;
    main.setGeometry(100, 100, 640, 480);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    Fixture f({}, &main);
    QCOMPARE(f.editor->frameGeometry().center(), main.frameGeometry().center());
    f.click(0);
    QTest::keyClicks(f.name(), "Anna");
    main.close();
    QVERIFY(!f.editor->isVisible());
    QCOMPARE(f.file(), QByteArray("1,1\r\n\"Anna\"\r\n\"\"\r\n"));
}

void TestPersonEditor::takeOver() {
    Fixture f(fiveFile(2));
    QTest::mouseClick(f.stepper()->rightButton(), Qt::LeftButton);
    f.date()->dateInput()->setDate(QDate(1975, 6, 30));
    f.click(4);
    QCOMPARE(f.takeOver.names, QStringList{"P3"});
    QCOMPARE(f.takeOver.dates, QList<QDate>{QDate(1975, 6, 30)});
    QVERIFY(!f.editor->isVisible());
    QVERIFY(f.file().startsWith("5,3\r\n"));
    QVERIFY(f.file().contains("\"P3\"\r\n\"30.06.1975\"\r\n"));

    // The next opening shows the person taken over.
    f.persons = PersonList();
    f.open();
    QCOMPARE(f.status(), QString("Person 3 von 5"));
    QCOMPARE(f.name()->text(), QString("P3"));
}

void TestPersonEditor::takeOverWithoutDate() {
    Fixture f;
    f.click(4);
    QVERIFY(f.takeOver.names.isEmpty());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().startsWith("Biorhythmus|Ohne Geburtsdatum"));
    QVERIFY(!f.editor->isVisible());
    QCOMPARE(f.file(), QByteArray("0,0\r\n"));
}

// "Partnervergleich..." hands the person shown, with its edits, to the comparison and leaves the
// editor open; a person without a birth date is refused with a message.
void TestPersonEditor::compare() {
    Fixture f(fiveFile(2));
    f.date()->dateInput()->setDate(QDate(1975, 6, 30));
    f.click(5);
    QCOMPARE(f.takeOver.compared, QStringList{"P2 1975-06-30"});
    QCOMPARE(f.persons.person(2).BirthDate, QString("30.06.1975"));
    QVERIFY(f.editor->isVisible());

    f.click(0);
    QVERIFY(!f.date()->hasDate());
    f.click(5);
    QCOMPARE(f.takeOver.compared.size(), 1);
    QCOMPARE(f.dialogs.messages,
             QStringList{"Biorhythmus|Ohne Geburtsdatum kann die Person nicht verglichen werden."});
    QVERIFY(f.editor->isVisible());
}

void TestPersonEditor::fullListRefusesAdd() {
    QByteArray bytes = "32767,32767\r\n";
    for (int i = 0; i < PersonList::MaxCount; ++i)
        bytes += "\"\"\r\n\"\"\r\n";
    Fixture f(bytes);
    QCOMPARE(f.status(), QString("Person 32767 von 32767"));
    f.name()->setText("not stored");
    f.click(0);
    QCOMPARE(f.dialogs.messages,
             QStringList{"Biorhythmus|Die Personenliste ist voll: Sie fasst höchstens 32767 "
                         "Personen."});
    QCOMPARE(f.persons.personCount(), 32767);
    QCOMPARE(f.persons.person(32767).Name, QString());
    QCOMPARE(f.status(), QString("Person 32767 von 32767"));
}

void TestPersonEditor::pastedNameLosesOnlyUnstorableCharacters() {
    Fixture f;
    f.click(0);
    QTest::keyClicks(f.name(), "Zo");
    // Letters beyond Latin-1 arrive through the input method.
    QInputMethodEvent typed;
    typed.setCommitString(QString::fromUtf8("ë \"Łucja\" ☺"));
    QApplication::sendEvent(f.name(), &typed);
    QCOMPARE(f.name()->text(), QString::fromUtf8("Zoë ucja "));
    QVERIFY2(f.name()->toolTip().contains(QString::fromUtf8("Ł")), qPrintable(f.name()->toolTip()));

    f.name()->clear();
    f.name()->insert(QString::fromUtf8("Иван Müller \"Ivan\""));
    QCOMPARE(f.name()->text(), QString::fromUtf8(" Müller Ivan"));
    QVERIFY(f.name()->toolTip().startsWith(QString::fromUtf8("Nicht übernommen: Иван\"")));
    f.click(3);
    QCOMPARE(f.file(), QByteArray("1,1\r\n\" M\xfcller Ivan\"\r\n\"\"\r\n"));
}

void TestPersonEditor::brokenFileIsKeptAsBackup() {
    const QByteArray broken = "2,1\r\n\"Anna\"\r\n\"08.11.1999\"\r\n\"Bert";
    Fixture f(broken);
    QCOMPARE(f.dialogs.messages,
             QStringList{"Biorhythmus|DATA.DAT: Lesen über das Dateiende hinaus (Zeile 4)"});
    QCOMPARE(f.status(), QString("Person 1 von 2"));
    f.click(3);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QFile backup(f.location.backupPath());
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), broken);
    QCOMPARE(f.file(), QByteArray("2,1\r\n\"Anna\"\r\n\"08.11.1999\"\r\n\"\"\r\n\"\"\r\n"));
}

// What the person store has to tell reaches the user in the language shown, the reason in
// parentheses: a save the disk cannot take whole, and a broken file kept as a backup.
void TestPersonEditor::storeFailuresInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("fullDisk"); // else the file is broken
    QTest::addColumn<QStringList>("told");
    QTest::newRow("full disk, German")
        << "de" << true
        << QStringList{"Biorhythmus|%1: Die Datei kann nicht geschrieben werden\n\n(Die Datei "
                       "ist zu groß)"};
    QTest::newRow("full disk, English")
        << "en" << true
        << QStringList{"Biorhythmus|%1: The file cannot be written\n\n(File too large)"};
    QTest::newRow("broken file, English")
        << "en" << false
        << QStringList{"Biorhythmus|DATA.DAT: Reading past the end of the file (line 2)",
                       "Biorhythmus|The file DATA.DAT was damaged; what it held before is kept "
                       "as %1."};
}

void TestPersonEditor::storeFailuresInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(bool, fullDisk);
    QFETCH(QStringList, told);
    const TestLanguage speaking(language);
    QVERIFY(speaking.installed());
    Fixture f(fullDisk ? QByteArray("0,0\r\n") : QByteArray("1,1\r\n\"Anna"));
    f.click(0);
    f.name()->setText(QString(FullDisk::Room, u'x'));
    {
        std::optional<FullDisk> full;
        if (fullDisk)
            QVERIFY(full.emplace().limited());
        f.click(2);
    }
    told.last() = told.last().arg(fullDisk ? f.location.filePath() : f.location.backupPath());
    QCOMPARE(f.dialogs.messages, told);
}

// The field holds 32767 characters; a longer name in the file is kept until it is edited.
void TestPersonEditor::nameLongerThanTheField() {
    const QByteArray file =
        "2,1\r\n\"" + QByteArray(40000, 'x') + "\"\r\n\"\"\r\n\"B\"\r\n\"\"\r\n";
    Fixture f(file);
    QVERIFY(f.name()->toolTip().startsWith("Der Name ist länger als 32767 Zeichen"));
    QTest::mouseClick(f.stepper()->rightButton(), Qt::LeftButton);
    QVERIFY(f.name()->toolTip().isEmpty());
    QTest::mouseClick(f.stepper()->leftButton(), Qt::LeftButton);
    f.click(3);
    QCOMPARE(f.file(), file);

    f.open();
    f.name()->selectAll();
    QTest::keyClicks(f.name(), "Kurz");
    f.click(3);
    QCOMPARE(f.file(), QByteArray("2,1\r\n\"Kurz\"\r\n\"\"\r\n\"B\"\r\n\"\"\r\n"));
}

void TestPersonEditor::typingIntoEmptyBirthDate_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("full form") << "08.11.1999" << QByteArray("08.11.1999");
    QTest::newRow("short form") << "3.2.1980" << QByteArray("03.02.1980");
}

void TestPersonEditor::typingIntoEmptyBirthDate() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    Fixture f;
    f.click(0); // a new person: no birth date shown, today's date underneath
    auto* empty = f.child<QLineEdit>("DT_empty");
    empty->setFocus();
    // Key by key to whatever has the focus, as a keyboard delivers them.
    QTest::keyClick(empty, typed.at(0).toLatin1());
    QTest::keyClicks(QApplication::focusWidget(), typed.mid(1));
    f.click(2);
    QCOMPARE(f.file(), "1,1\r\n\"\"\r\n\"" + stored + "\"\r\n");
}

QTEST_MAIN(TestPersonEditor)
#include "tst_personeditor.moc"
