#include "RecordingUserManager.h"
#include "ScriptedDialogs.h"
#include "TestLanguage.h"
#include "core/PersonList.h"
#include "gui/days/ReminderDialog.h"

#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    void switchOnAndOff_data();
    void switchOnAndOff();
    void failedSwitchLeavesNothing();
};

namespace {
// Every file below the folder, by its path within it.
QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator walk(folder, QDir::Files | QDir::System | QDir::Hidden,
                      QDirIterator::Subdirectories);
    while (walk.hasNext())
        files << QDir(folder).relativeFilePath(walk.next());
    files.sort();
    return files;
}

// Runs a checker of the system; its status and what it said.
std::pair<int, QString> check(const QString& program, const QStringList& arguments,
                              const QStringList& environment = {}) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : environment)
        variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(variables);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

PersonList persons(const QString& name) {
    PersonList list;
    for (const Person& person : {Person{QStringLiteral("Anna"), QStringLiteral("01.01.2000")},
                                 Person{name, QStringLiteral("20.11.1953")},
                                 Person{QStringLiteral("Ohne Datum"), QString()}})
        list.append(person); // the last has no date to remind of
    return list;
}
} // namespace

// The dialog switched on as a user does it: a person of the list ticked besides the birth date
// shown, a time, "Einschalten"; the files are read by the desktop's own checkers and the
// autostart entry is run by GLib's launcher, which must hand the program exactly the command;
// the dialog opened again shows the same choice; "Ausschalten" leaves no file behind.
void TestReminders::switchOnAndOff_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("managerRuns");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("calls"); // on, then off
    QTest::addColumn<QString>("told");
    const QStringList units{"autostart/de.biorhythmus.Biorhythmus-reminder.desktop",
                            "systemd/user/biorhythmus-reminder.service",
                            "systemd/user/biorhythmus-reminder.timer"};
    const QStringList calls{"daemon-reload", "enable biorhythmus-reminder.timer",
                            "restart biorhythmus-reminder.timer",
                            "disable --now biorhythmus-reminder.timer", "daemon-reload"};
    QTest::newRow("a user manager runs: entry and timer")
        << "de" << true << "Bert" << units << calls
        << "Die Erinnerung ist eingeschaltet: bei jeder Anmeldung und täglich um 07:45.";
    QTest::newRow("no user manager: the entry alone")
        << "de" << false << "Bert" << units.mid(0, 1) << QStringList()
        << "Die Erinnerung ist eingeschaltet: bei jeder Anmeldung. Zur Uhrzeit erinnert nur ein "
           "systemd-Benutzerdienst, und der läuft hier nicht.";
    QTest::newRow("a name the desktop and systemd must quote, in English")
        << "en" << true << QString::fromUtf8("Zoë \"Ω\" 100% $HOME; `a` \\ 'b' #c") << units
        << calls << "The reminder is on: at every log-in and daily at 07:45.";
}

void TestReminders::switchOnAndOff() {
    QFETCH(QString, language);
    QFETCH(bool, managerRuns);
    QFETCH(QString, name);
    QFETCH(QStringList, files);
    QFETCH(QStringList, calls);
    QFETCH(QString, told);
    const TestLanguage speaking(language);
    QVERIFY(speaking.installed());
    QLocale::setDefault(language == "en" ? QLocale(QLocale::English, QLocale::UnitedStates)
                                         : QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir work;
    const QString config = work.filePath("config");
    // The program the entries run records its arguments, one a line. Its folder's name needs
    // quotes, and a '$' that systemd would take for a variable elsewhere in the command line.
    QVERIFY(QDir(work.path()).mkdir("bin 1 $x"));
    const QString program = work.filePath("bin 1 $x/program");
    QFile recorder(program);
    QVERIFY(recorder.open(QIODevice::WriteOnly));
    recorder.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >\"$0.args\"\n");
    recorder.close();
    recorder.setPermissions(recorder.permissions() | QFile::ExeOwner);

    ScriptedDialogs dialogs;
    RecordingUserManager manager;
    manager.running = managerRuns;
    const ReminderSwitch reminders(manager, config, program);
    const PersonList list = persons(name);
    const CalendarPerson shown{QString(), QDate(1999, 11, 8)};
    ReminderDialog dialog(list, shown, reminders, dialogs);
    auto* entries = dialog.findChild<QListWidget*>("Persons");
    QCOMPARE(entries->count(), 3); // Anna, the name, the birth date shown
    QCOMPARE(entries->item(2)->checkState(), Qt::Checked);
    entries->setFocus();
    QTest::keyClick(entries, Qt::Key_Down);
    QTest::keyClick(entries, Qt::Key_Space);
    QCOMPARE(entries->item(1)->checkState(), Qt::Checked);
    QCOMPARE(dialog.findChild<QTimeEdit*>("Time")->isEnabled(), managerRuns);
    dialog.findChild<QTimeEdit*>("Time")->setTime(QTime(7, 45));
    dialog.findChild<QPushButton*>("C4_0")->click();
    QCOMPARE(dialogs.messages, QStringList{"Biorhythmus|" + told});
    QCOMPARE(filesBelow(config), files);

    const QString entry = config + "/" + files[0];
    const auto [valid, validation] = check("desktop-file-validate", {entry});
    QVERIFY2(valid == 0 && validation.isEmpty(), qPrintable(validation));
    if (files.size() > 1) {
        QTemporaryDir runtime;
        const auto [verified, said] =
            check("systemd-analyze",
                  {"--user", "verify", config + "/" + files[1], config + "/" + files[2]},
                  {"XDG_RUNTIME_DIR=" + runtime.path()});
        QVERIFY2(verified == 0 && said.isEmpty(), qPrintable(said));
    }
    QCOMPARE(check("gio", {"launch", entry}).first, 0);
    QFile arguments(program + ".args");
    QTRY_VERIFY(arguments.exists() && arguments.size() > 0);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(
        QString::fromUtf8(arguments.readAll()).split('\n', Qt::SkipEmptyParts),
        QStringList({"--lang", language, "--notify", "--person", name, "--birth", "1999-11-08"}));

    ReminderDialog again(list, shown, reminders, dialogs);
    const ReminderSetting shownAgain = again.chosen();
    QCOMPARE(shownAgain.persons, QStringList{name});
    QCOMPARE(shownAgain.births, std::vector<QDate>{shown.birth});
    QCOMPARE(shownAgain.time, managerRuns ? QTime(7, 45) : QTime(8, 0));

    again.findChild<QPushButton*>("C4_1")->click();
    QCOMPARE(filesBelow(config), QStringList());
    QCOMPARE(manager.calls, calls);
}

// The manager refuses to enable the timer: the user is told so, with systemctl's words, and
// nothing of the reminder is left on disk.
void TestReminders::failedSwitchLeavesNothing() {
    QTemporaryDir work;
    ScriptedDialogs dialogs;
    RecordingUserManager manager;
    manager.failing = "enable";
    ReminderDialog dialog(persons("Bert"), {QStringLiteral("Anna"), QDate(2000, 1, 1)},
                          ReminderSwitch(manager, work.path(), "/usr/bin/biorhythmus"), dialogs);
    QCOMPARE(dialog.chosen().persons, QStringList{"Anna"});
    dialog.findChild<QPushButton*>("C4_0")->click();
    QCOMPARE(dialogs.messages, QStringList{"Biorhythmus|systemctl failed\n\n(Unit not found.)"});
    QCOMPARE(filesBelow(work.path()), QStringList());
}

QTEST_MAIN(TestReminders)
#include "tst_reminders.moc"
