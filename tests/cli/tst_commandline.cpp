// The command line's answers, in the process: what its arguments ask for and the listing, help
// or message a run prints, in German and English. Day counts and critical days are counted by
// hand, percentages and texts are the calculation's reference rows (tests/core/tst_calc.cpp).
// The built program, with its exit status, files and display, is command-line-test.py's; here
// it is only held against a window showing the same days.

#include "MainWindowFixture.h"
#include "cli/Arguments.h"
#include "cli/Listings.h"
#include "cli/TerminalText.h"
#include "core/UiLanguage.h"
#include "gui/controls/DateInput.h"
#include "gui/days/PartnerComparisonWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

namespace {
// How a row's expected lines are held against what was said.
enum Reading {
    Lines, // the lines, as heads() gives them
    Start, // the first of those lines are these
    End,   // the last of those lines are these
    Exact, // the lines as printed, every blank kept: columns that line up
    Json   // the same JSON value
};

const QDate Today(2000, 1, 12);
const QStringList Born2000{"--birth", "01.01.2000", "--date", "01.01.2000"};

void speak(UiLanguage language) {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installUiLanguage(*qApp, language);
}

struct Answer {
    int status; // as the program ends: 0, or 2 for a wrong call
    QString said;
};

// What the program answers to the arguments, up to writing it; a name in the person list is
// the system test's.
Answer answer(const QStringList& arguments) {
    const QStringList call = QStringList{"biorhythmus"} + arguments;
    speak(startUiLanguage(spelledOutArguments(call)));
    const ParsedArguments parsed = parseArguments(call, Today);
    if (parsed.kind == ParsedArguments::Kind::UsageError)
        return {2, parsed.problem.text()};
    if (parsed.kind != ParsedArguments::Kind::Run)
        return {0, parsed.text};
    const QString caption = QCoreApplication::translate("DayWords", "Geburts-Datum");
    const Subject subject{caption, parsed.request.birth};
    return {0, QString::fromUtf8(parsed.request.compare
                                     ? comparisonListing(parsed.request, subject,
                                                         {caption, parsed.request.partnerBirth})
                                     : requestedListing(parsed.request, subject))};
}

// Each non-empty line with its blanks run together; an interpretation text, a paragraph of
// hundreds of characters, only up to its 40th.
QStringList heads(const QString& said) {
    QStringList lines;
    for (const QString& line : said.split(u'\n', Qt::SkipEmptyParts)) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            lines << (simple.size() > 100 ? simple.left(40).trimmed() : simple);
    }
    return lines;
}

QString text(const MainWindow& window, const QString& name) {
    if (auto* input = window.findChild<DateInput*>(name))
        return input->text();
    if (auto* field = window.findChild<QLineEdit*>(name))
        return field->text();
    return window.findChild<QLabel*>(name)->text();
}
} // namespace

Q_DECLARE_METATYPE(Reading)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void wrongCalls_data();
    void wrongCalls();
    void controlsMadeVisible_data();
    void controlsMadeVisible();
    void printsWhatTheWindowShows_data();
    void printsWhatTheWindowShows();
    void comparesAsTheWindowDoes_data();
    void comparesAsTheWindowDoes();
};

void TestCommandLine::answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char* name, const QStringList& arguments, Reading reading,
                        const QStringList& expected) {
        QTest::newRow(name) << arguments << reading << expected;
    };
    // clang-format off
    row("birth day itself", Born2000, Lines, {
        "Geburts-Datum 01.01.2000", "Anzeige-Datum 01.01.2000", "Tage seit der Geburt 0",
        "Physischer Zustand 0 %", "Vorsicht ! Kritischer Tag für Ihren körp",
        "Seelischer Zustand 0 %", "Vorsicht kritischer Tag ! Ihre Stimmung",
        "Geistiger Zustand 0 %", "Achtung kritischer Tag ! Ihr logisches D"});
    row("day before birth", {"-b", "2000-01-02", "-d", "2000-01-01"}, Lines, {
        "Geburts-Datum 02.01.2000", "Anzeige-Datum 01.01.2000", "Tage seit der Geburt -1",
        "Physischer Zustand -27 %", "Ihr körperlicher Zustand ist immer noch",
        "Seelischer Zustand -22 %", "Die kommenden Tage werden wieder langsam",
        "Geistiger Zustand -19 %", "Es dauert noch etwas bis Sie Ihr geistig"});
    row("last day the program knows", {"--birth", "01.01.1601", "--date", "31.12.9999"}, Lines, {
        "Geburts-Datum 01.01.1601", "Anzeige-Datum 31.12.9999", "Tage seit der Geburt 3067670",
        "Physischer Zustand -27 %", "Ihr körperlicher Zustand ist immer noch",
        "Seelischer Zustand -78 %", "Unsicherheit , Lustlosigkeit und Unausge",
        "Geistiger Zustand -95 %", "Na ja,auch geistige Hochtage gehen mal z"});
    row("without --date: today", {"-b", "01.01.2000"}, Start, {
        "Geburts-Datum 01.01.2000", "Anzeige-Datum 12.01.2000", "Tage seit der Geburt 11"});
    row("values in English", QStringList{"--lang", "en"} + Born2000, Lines, {
        "Birth date 1/1/2000", "Day shown 1/1/2000", "Days since birth 0",
        "Physical state 0 %", "Careful! A critical day for your physica",
        "Emotional state 0 %", "Careful, a critical day! Your mood may b",
        "Intellectual state 0 %", "Attention, a critical day! Your logical"});
    row("day table, the 23-day pair", {"-b", "01.01.2000", "-d", "12.01.2000", "-n", "3"}, Exact, {
        "Datum          Tage  Physisch  Seelisch   Geistig  Kritisch",
        "12.01.2000       11      14 %      62 %      87 %  Physisch",
        "13.01.2000       12     -14 %      43 %      76 %  Physisch",
        "14.01.2000       13     -40 %      22 %      62 %"});
    row("day table in English, Intellectual wider than its column",
        {"-b", "01.01.2000", "-d", "12.01.2000", "-n", "2", "--lang", "en"}, Exact, {
        "Date           Days  Physical  Emotional  Intellectual  Critical",
        "1/12/2000        11      14 %       62 %          87 %  Physical",
        "1/13/2000        12     -14 %       43 %          76 %  Physical"});
    row("day table, a seven-digit day count before birth",
        {"-b", "31.12.9999", "-d", "01.01.1601", "-n", "2"}, Exact, {
        "Datum           Tage  Physisch  Seelisch   Geistig  Kritisch",
        "01.01.1601  -3067670      27 %      78 %      95 %",
        "02.01.1601  -3067669      52 %      62 %      87 %"});
    row("day table cut short at 31.12.9999 says so",
        {"-b", "01.01.1601", "-d", "30.12.9999", "-n", "5"}, End, {
        "31.12.9999 3067670 -27 % -78 % -95 %",
        "Die Liste endet am 31.12.9999, dem letzten Tag, den das Programm kennt."});
    row("day table ending on 31.12.9999 as asked says nothing",
        {"-b", "01.01.1601", "-d", "30.12.9999", "-n", "2"}, End, {
        "30.12.9999 3067669 -52 % -62 % -87 %", "31.12.9999 3067670 -27 % -78 % -95 %"});
    row("day table as CSV, up to 31.12.9999",
        {"-b", "01.01.1601", "-d", "30.12.9999", "--days", "5", "--format", "csv"}, Lines, {
        "datum,tage,physisch,seelisch,geistig,kritisch", "9999-12-30,3067669,-52,-62,-87,",
        "9999-12-31,3067670,-27,-78,-95,"});
    // CSV and JSON are for programs: the same keys and values in either language.
    for (const QStringList& language : {QStringList{}, QStringList{"--lang", "en"}}) {
        row(language.isEmpty() ? "day table as JSON, the 33-day pair"
                               : "day table as JSON, the 33-day pair, English",
            language + QStringList{"-b", "01.01.2000", "-d", "17.01.2000", "-n", "2", "-f", "json"},
            Json, {R"([
            {"datum": "2000-01-17", "tage": 16, "physisch": -94, "seelisch": -43, "geistig": 10,
             "kritisch": ["geistig"]},
            {"datum": "2000-01-18", "tage": 17, "physisch": -100, "seelisch": -62, "geistig": -10,
             "kritisch": ["geistig"]}])"});
        row(language.isEmpty() ? "critical days as CSV" : "critical days as CSV, English",
            language + Born2000 + QStringList{"--critical", "40", "--format", "csv"}, Lines, {
            "datum,wochentag,kritisch,anzahl", // weekdays as ISO numbers: 1 Monday, 7 Sunday
            R"(2000-01-01,6,"physisch, seelisch, geistig",3)",
            "2000-01-12,3,physisch,1", "2000-01-13,4,physisch,1", // the 23-day pair
            "2000-01-16,7,seelisch,1",
            "2000-01-17,1,geistig,1", "2000-01-18,2,geistig,1", // the 33-day pair
            "2000-01-24,1,physisch,1", "2000-01-29,6,seelisch,1",
            "2000-02-03,4,geistig,1", "2000-02-04,5,physisch,1", "2000-02-05,6,physisch,1"});
    }
    row("critical days stop at 31.12.9999",
        {"-b", "20.12.9999", "-d", "30.12.9999", "-k", "90", "-f", "json", "--lang=en"}, Json,
        {R"([{"datum": "9999-12-31", "wochentag": 5, "kritisch": ["physisch"], "anzahl": 1}])"});
    // Matches by the rule: 828 = 36 x 23 days, 16 of 28, 3 of 33 (see tst_calc).
    row("comparison, 828 days apart", {"--compare", "-b", "01.01.2000", "-b", "2002-04-08"}, Lines, {
        "Erste Person Geburts-Datum 01.01.2000", "Zweite Person Geburts-Datum 08.04.2002",
        "Tage zwischen den Geburtsdaten 828",
        "Physisch 100 % hoch", "Seelisch 5 % niedrig", "Geistig 92 % hoch", "Gesamt 66 % mittel"});
    row("comparison as JSON in English, the older second",
        {"-b", "2002-04-08", "--compare", "--birth", "01.01.2000", "-f", "json", "--lang", "en"},
        Json, {R"([{"geburtsdatum_1": "2002-04-08", "geburtsdatum_2": "2000-01-01",
                    "abstand": 828, "physisch": 100, "seelisch": 5, "geistig": 92, "gesamt": 66,
                    "stufe_physisch": "hoch", "stufe_seelisch": "niedrig",
                    "stufe_geistig": "hoch", "stufe_gesamt": "mittel"}])"});
    row("comparison as CSV, the ends of the date range",
        {"--compare", "-b", "01.01.1601", "-b", "31.12.9999", "-f", "csv"}, Lines, {
        "geburtsdatum_1,geburtsdatum_2,abstand,ph", // the header, past 100 characters, cut
        "1601-01-01,9999-12-31,3067670,98,19,34,50,hoch,niedrig,mittel,mittel"});
    // From 12.01.2000 the first is on counts 11..40, the second on 0..29 (see tst_calc).
    row("shared critical days, eleven days apart",
        {"--compare", "-b", "01.01.2000", "-b", "12.01.2000", "-d", "12.01.2000", "-k", "30"},
        Lines, {"Gemeinsame kritische Tage vom 12.01.2000 bis 10.02.2000",
        "Datum Erste Person Zweite Person",
        "Mittwoch, 12.01.2000 Physisch Physisch, Seelisch, Geistig",
        "Montag, 24.01.2000 Physisch Physisch", "Samstag, 29.01.2000 Seelisch Geistig",
        "Freitag, 04.02.2000 Physisch Physisch"});
    row("shared critical days as JSON in English",
        {"--lang=en", "--compare", "-b", "01.01.2000", "-b", "12.01.2000", "-d", "12.01.2000",
         "-k", "13", "-f", "json"}, Json, {R"([
        {"datum": "2000-01-12", "kritisch_1": ["physisch"],
         "kritisch_2": ["physisch", "seelisch", "geistig"]},
        {"datum": "2000-01-24", "kritisch_1": ["physisch"], "kritisch_2": ["physisch"]}])"});
    row("no shared critical day, up to 31.12.9999",
        {"--compare", "-b", "01.01.1601", "-b", "31.12.9999", "-d", "31.12.9999", "-k", "3"}, Lines,
        {"Gemeinsame kritische Tage vom 31.12.9999 bis 31.12.9999", "Keine",
         "Die Liste endet am 31.12.9999, dem letzten Tag, den das Programm kennt."});
    // Long options shortened to a beginning that only one option has, with "=" or without.
    row("shortened options", {"--bir=01.01.2000", "--dat", "01.01.2000", "--form", "csv",
        "--crit", "1"}, Lines, {"datum,wochentag,kritisch,anzahl",
        R"(2000-01-01,6,"physisch, seelisch, geistig",3)"});
    row("shortened language", {"--la", "en", "--b", "01.01.2000"}, Start, {"Birth date 1/1/2000"});
    row("help", {"--help"}, Start, {"Aufruf: biorhythmus [Optionen]"});
    row("help ends with where to report faults", {"--he"}, End,
        {"Fehler bitte an <team@biorhythmus.invalid> melden."});
    row("help in English ends with where to report faults", {"-h", "--lang", "en"}, End,
        {"Report bugs to <team@biorhythmus.invalid>."});
    row("version", {"-v"}, Exact, {"biorhythmus 2.0.0",
        "Copyright (C) 2024-2026 die Entwickler von Biorhythmus",
        "Lizenz: proprietär, die Nutzungsbedingungen im Hilfefenster. Private Nutzung und",
        "unveränderte Weitergabe sind erlaubt; keine Haftung, soweit das Gesetz dies zulässt."});
    row("version in English", {"--vers", "--lang", "en"}, Exact, {"biorhythmus 2.0.0",
        "Copyright (C) 2024-2026 die Entwickler von Biorhythmus",
        "License: proprietary, the terms of use in the help window. Private use and passing",
        "it on unchanged are permitted; no liability, as far as the law allows."});
    // clang-format on
}

void TestCommandLine::answers() {
    QFETCH(QStringList, arguments);
    QFETCH(Reading, reading);
    QFETCH(QStringList, expected);
    const Answer answered = answer(arguments);
    QCOMPARE(answered.status, 0);
    if (reading == Json)
        QCOMPARE(QJsonDocument::fromJson(answered.said.toUtf8()),
                 QJsonDocument::fromJson(expected.first().toUtf8()));
    else if (reading == Start)
        QCOMPARE(heads(answered.said).mid(0, expected.size()), expected);
    else if (reading == End)
        QCOMPARE(heads(answered.said).mid(heads(answered.said).size() - expected.size()), expected);
    else if (reading == Exact)
        QCOMPARE(answered.said.split(u'\n', Qt::SkipEmptyParts), expected);
    else
        QCOMPARE(heads(answered.said), expected);
}

// A wrong call ends with status 2 and a sentence in the language asked for.
void TestCommandLine::wrongCalls_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option")
        << QStringList{"--birthday", "01.01.2000"} << "Unbekannte Option „--birthday“.";
    QTest::newRow("bad date")
        << QStringList{"--birth", "31.02.2000"}
        << "„31.02.2000“ ist kein Datum; erwartet wird TT.MM.JJJJ, JJJJ-MM-TT oder M/T/JJJJ.";
    QTest::newRow("bad date in English")
        << QStringList{"--lang=en", "--birth", "31.02.2000"}
        << "“31.02.2000” is not a date; expected is DD.MM.YYYY, YYYY-MM-DD or M/D/YYYY.";
    QTest::newRow("date before 1601")
        << QStringList{"--birth", "31.12.1600"}
        << "Das Datum muss zwischen dem 01.01.1601 und dem 31.12.9999 liegen.";
    QTest::newRow("missing value") << QStringList{"--birth"} << "Nach „--birth“ fehlt ein Wert.";
    QTest::newRow("no birth date")
        << QStringList{"--date", "01.01.2000"} << "Bitte --birth DATUM oder --person NAME angeben.";
    QTest::newRow("birth date and person") << QStringList{"-b", "01.01.2000", "-p", "Anna"}
                                           << "--birth und --person schließen einander aus.";
    QTest::newRow("days and critical days") << Born2000 + QStringList{"-n", "2", "-k", "2"}
                                            << "--days und --critical schließen einander aus.";
    QTest::newRow("two persons without --compare")
        << QStringList{"-b", "01.01.2000", "--birth", "02.01.2000"}
        << "Mehr als eine Person nur mit --compare.";
    QTest::newRow("comparison of one person")
        << QStringList{"--compare", "-b", "01.01.2000"}
        << "--compare vergleicht zwei Personen: bitte --birth oder --person zweimal angeben.";
    QTest::newRow("comparison, the second date wrong")
        << QStringList{"--compare", "-b", "01.01.2000", "-b", "31.02.2000"}
        << "„31.02.2000“ ist kein Datum; erwartet wird TT.MM.JJJJ, JJJJ-MM-TT oder M/T/JJJJ.";
    QTest::newRow("comparison and a picture")
        << QStringList{"--compare", "-b", "01.01.2000", "-b", "02.01.2000", "--png", "x.png"}
        << "--compare und --png schließen einander aus.";
    QTest::newRow("unknown language") << Born2000 + QStringList{"--lang", "fr"}
                                      << "Unbekannte Sprache „fr“; möglich sind de und en.";
    QTest::newRow("bad format") << Born2000 + QStringList{"--format", "xml"}
                                << "Unbekanntes Format „xml“; möglich sind text, csv und json.";
    QTest::newRow("span not a number")
        << Born2000 + QStringList{"--days", "viele"}
        << "--days erwartet eine ganze Zahl von 1 bis 100000, nicht „viele“.";
    QTest::newRow("ambiguous shortened option")
        << QStringList{"--da", "01.01.2000", "-b", "01.01.2000"}
        << "Die Option „--da“ ist mehrdeutig; möglich sind --date, --days.";
    QTest::newRow("ambiguous shortened option, English")
        << QStringList{"-b", "01.01.2000", "--da=01.01.2000", "--lang", "en"}
        << "The option “--da” is ambiguous; possible are --date, --days.";
    QTest::newRow("a value that looks like a shortened option")
        << Born2000 + QStringList{"--format", "--da"}
        << "Unbekanntes Format „--da“; möglich sind text, csv und json.";
    QTest::newRow("span beyond the longest")
        << Born2000 + QStringList{"--critical", "100001"}
        << "--critical erwartet eine ganze Zahl von 1 bis 100000, nicht „100001“.";
    QTest::newRow("an alarm without a calendar file")
        << Born2000 + QStringList{"--alarm", "8:00"} << "--alarm gilt nur mit --ics.";
    QTest::newRow("an alarm past the day's hours")
        << Born2000 + QStringList{"--ics", "x.ics", "--alarm-before", "24:00"}
        << "--alarm-before erwartet eine Uhrzeit als HH:MM, nicht „24:00“.";
    QTest::newRow("two alarms") << Born2000 + QStringList{"--ics", "x.ics",          "--alarm",
                                                          "08:00", "--alarm-before", "18:00"}
                                << "--alarm und --alarm-before schließen einander aus.";
    QTest::newRow("notifications and a listing, in English")
        << QStringList{"--lang=en", "--notify", "-b", "01.01.2000", "-p", "Anna", "-f", "csv"}
        << "--notify and --format exclude each other.";
}

void TestCommandLine::wrongCalls() {
    QFETCH(QStringList, arguments);
    const Answer answered = answer(arguments);
    QCOMPARE(answered.status, 2);
    QTEST(answered.said, "message");
}

// Text from files on its way to a terminal: what a terminal would obey is shown instead.
void TestCommandLine::controlsMadeVisible_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keepLineBreaks");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, const QString& text, bool keep, const QString& shown) {
        QTest::newRow(name) << text << keep << shown;
    };
    row("a name that retitles the window", "Anna\x1b]0;owned\x07", false,
        R"(Anna\x1b]0;owned\x07)");
    row("a date that clears the screen", "\x1b[2J\x1b[H01.01.2000", false,
        R"(\x1b[2J\x1b[H01.01.2000)");
    row("a NUL inside a name", QString("An") + QChar(0) + "na", false, R"(An\x00na)");
    row("DEL and a tab", "a\x7f\tb", false, R"(a\x7f\x09b)");
    row("the 8-bit escape (C1)", QString("a") + QChar(0x9b) + "31m", false, R"(a\u009b31m)");
    row("a line break inside a message", "Anna\nBert", false, R"(Anna\x0aBert)");
    row("line breaks of a listing", "Anna\nBert\n", true, "Anna\nBert\n");
    row("a file name byte that is no UTF-8", QString("bericht") + QChar(0xdcff) + ".txt", false,
        R"(bericht\xff.txt)");
    row("a lone surrogate", QString("a") + QChar(0xd800) + "b", false, "a\uFFFDb");
    row("German letters, quotes and an emoji stay", "„Jörg“ – ß 😀", false, "„Jörg“ – ß 😀");
}

void TestCommandLine::controlsMadeVisible() {
    QFETCH(QString, text);
    QFETCH(bool, keepLineBreaks);
    QTEST(visibleControls(text, keepLineBreaks), "shown");
}

void TestCommandLine::printsWhatTheWindowShows_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("display");
    QTest::newRow("birth day itself") << QDate(2000, 1, 1) << QDate(2000, 1, 1);
    QTest::newRow("day before birth") << QDate(2000, 1, 2) << QDate(2000, 1, 1);
    QTest::newRow("last day") << QDate(1601, 1, 1) << QDate(9999, 12, 31);
    QTest::newRow("23-day pair, first") << QDate(2000, 1, 1) << QDate(2000, 1, 12);
    QTest::newRow("23-day pair, second") << QDate(2000, 1, 1) << QDate(2000, 1, 13);
    QTest::newRow("33-day pair, first") << QDate(2000, 1, 1) << QDate(2000, 1, 17);
    QTest::newRow("33-day pair, second") << QDate(2000, 1, 1) << QDate(2000, 1, 18);
    QTest::newRow("start-up dates") << QDate(1953, 11, 20) << QDate(2000, 1, 1);
}

// The built program's values and chart against a window on the same dates, typed in: the
// lines of its labels, and the chart and strip as the window painted them.
void TestCommandLine::printsWhatTheWindowShows() {
    QFETCH(QDate, birth);
    QFETCH(QDate, display);
    speak(UiLanguage::German);
    Fixture f(display);
    f.window.load();
    f.window.findChild<DateInput*>("M1")->setDate(birth);

    QTemporaryDir folder;
    const QString picture = folder.filePath("chart.png");
    QProcess program;
    program.start(QStringLiteral(BIORHYTHMUS_PROGRAM),
                  {"--birth", birth.toString("dd.MM.yyyy"), "--date",
                   display.toString("yyyy-MM-dd"), "--format", "text", "--png", picture});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    const QStringList printed =
        QString::fromUtf8(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);

    QStringList shown{text(f.window, "T1_0") + "  " + text(f.window, "M1"),
                      text(f.window, "T1_1") + "  " + text(f.window, "M2"),
                      "Tage seit der Geburt  " + QString::number(f.window.dayCount())};
    const QStringList headings{"Physischer Zustand", "Seelischer Zustand", "Geistiger Zustand"};
    for (int k = 0; k < 3; ++k)
        shown << headings[k] + "  " + text(f.window, QString("L2_%1").arg(k))
              << text(f.window, QString("L4_%1").arg(k));
    QCOMPARE(printed, shown);
    QCOMPARE(QImage(picture).convertToFormat(QImage::Format_RGB32), shownChartAndStrip(f.window));
}

namespace {
// What the built program prints as JSON for the arguments.
QJsonArray printedJson(const QStringList& arguments) {
    QProcess program;
    program.start(QStringLiteral(BIORHYTHMUS_PROGRAM), arguments);
    if (!program.waitForFinished(30000) || program.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(program.readAllStandardOutput()).array();
}
} // namespace

void TestCommandLine::comparesAsTheWindowDoes_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QDate>("display");
    QTest::newRow("828 days apart") << QDate(2000, 1, 1) << QDate(2002, 4, 8) << QDate(2000, 1, 12);
    QTest::newRow("the second older")
        << QDate(2002, 4, 8) << QDate(2000, 1, 1) << QDate(2026, 12, 8);
    QTest::newRow("born the same day")
        << QDate(1953, 11, 20) << QDate(1953, 11, 20) << QDate(2000, 1, 1);
    QTest::newRow("ends of the range, days up to 31.12.9999")
        << QDate(1601, 1, 1) << QDate(9999, 12, 31) << QDate(9999, 10, 30);
}

// The built program's --compare, as JSON, against the comparison window of the same two birth
// dates: the four matches with their words, and the shared critical days of 90 days.
void TestCommandLine::comparesAsTheWindowDoes() {
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QDate, display);
    speak(UiLanguage::German);
    Fixture f(display);
    f.window.load();
    f.window.findChild<DateInput*>("M1")->setDate(first);
    f.window.openComparison(&f.window, {QString(), second});
    auto* compare = f.window.findChild<PartnerComparisonWindow*>("Compare");
    QVERIFY(compare);

    const QStringList both{"--compare",
                           "--birth",
                           first.toString("dd.MM.yyyy"),
                           "--birth",
                           second.toString(Qt::ISODate),
                           "--format",
                           "json"};
    const QJsonArray printed = printedJson(both);
    QCOMPARE(printed.size(), 1);
    const QJsonObject match = printed.first().toObject();
    const QStringList keys{"physisch", "seelisch", "geistig", "gesamt"};
    for (int i = 0; i < 4; ++i) {
        const QString shown = compare->findChild<QLabel*>(QString("Match_%1").arg(i))->text();
        const QRegularExpressionMatch parts =
            QRegularExpression("^\\S+ (\\d+) %, (\\S+)$").match(shown);
        QVERIFY2(parts.hasMatch(), qPrintable(shown));
        QCOMPARE(match[keys[i]].toInt(-1), parts.captured(1).toInt());
        QCOMPARE(match["stufe_" + keys[i]].toString(), parts.captured(2));
    }

    const QJsonArray days = printedJson(
        both + QStringList{"--date", display.toString(Qt::ISODate), "--critical", "90"});
    auto* table = compare->findChild<QTableWidget*>("DayList");
    QCOMPARE(table->rowCount(), days.size());
    for (int row = 0; row < table->rowCount(); ++row) {
        const QJsonObject day = days[row].toObject();
        QCOMPARE(QDate::fromString(table->item(row, 0)->text().section(' ', 1), "dd.MM.yyyy"),
                 QDate::fromString(day["datum"].toString(), Qt::ISODate));
        for (int person = 0; person < 2; ++person) {
            QStringList cycles;
            for (const QJsonValue& cycle : day[QString("kritisch_%1").arg(person + 1)].toArray())
                cycles << cycle.toString();
            QCOMPARE(table->item(row, person + 1)->text().toLower(), cycles.join(", "));
        }
    }
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
