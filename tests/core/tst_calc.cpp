#include "core/CriticalDays.h"
#include "core/Cycle.h"
#include "core/DateRules.h"
#include "core/DayWords.h"
#include "core/PartnerMatch.h"
#include "core/Phase.h"
#include "core/PhaseTexts.h"

#include <QLocale>
#include <QTest>
#include <numbers>

namespace {
// The critical cycles as letters: "PSG" for all three.
QString cycleLetters(const CycleSet& cycles) {
    QString letters;
    for (Cycle cycle : AllCycles) {
        if (cycles[int(cycle)])
            letters += QLatin1Char("PSG"[int(cycle)]);
    }
    return letters;
}
} // namespace

class TestCalc : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void percentages_data();
    void percentages();
    void phases_data();
    void phases();
    void dayCount_data();
    void dayCount();
    void stepping_data();
    void stepping();
    void dateText_data();
    void dateText();
    void phaseTexts_data();
    void phaseTexts();
    void noTextOutsideTheTable();
    void criticalDayList_data();
    void criticalDayList();
    void sharedCriticalDayList_data();
    void sharedCriticalDayList();
    void partnerMatch_data();
    void partnerMatch();
};

void TestCalc::percentages_data() {
    QTest::addColumn<int>("dayCount");
    QTest::addColumn<QString>("physical");
    QTest::addColumn<QString>("emotional");
    QTest::addColumn<QString>("intellectual");
    QTest::newRow("birthday") << 0 << "0 %"
                              << "0 %"
                              << "0 %";
    QTest::newRow("week") << 7 << "94 %"
                          << "100 %"
                          << "97 %";
    QTest::newRow("emotional zero, tiny positive") << 14 << "-63 %"
                                                   << "0 %"
                                                   << "46 %";
    QTest::newRow("emotional trough") << 21 << "-52 %"
                                      << "-100 %"
                                      << "-76 %";
    QTest::newRow("ten thousand") << 10000 << "-98 %"
                                  << "78 %"
                                  << "19 %";
    QTest::newRow("day before birth") << -1 << "-27 %"
                                      << "-22 %"
                                      << "-19 %";
}

void TestCalc::percentages() {
    QFETCH(int, dayCount);
    QFETCH(QString, physical);
    QCOMPARE(percentageText(dayCount, period(Cycle::Physical)), physical);
    QFETCH(QString, emotional);
    QCOMPARE(percentageText(dayCount, period(Cycle::Emotional)), emotional);
    QFETCH(QString, intellectual);
    QCOMPARE(percentageText(dayCount, period(Cycle::Intellectual)), intellectual);
}

void TestCalc::phases_data() {
    QTest::addColumn<int>("dayCount");
    QTest::addColumn<int>("physical");
    QTest::addColumn<int>("emotional");
    QTest::addColumn<int>("intellectual");
    QTest::newRow("birthday, three critical days") << 0 << 0 << 7 << 14;
    QTest::newRow("first day") << 1 << 1 << 8 << 15;
    QTest::newRow("physical rising ends") << 5 << 1 << 8 << 15;
    QTest::newRow("physical high") << 6 << 2 << 8 << 15;
    QTest::newRow("emotional high") << 7 << 3 << 9 << 15;
    QTest::newRow("intellectual high") << 8 << 3 << 10 << 16;
    QTest::newRow("physical falling ends") << 10 << 3 << 10 << 17;
    QTest::newRow("physical critical 11") << 11 << 0 << 10 << 17;
    QTest::newRow("physical critical 12") << 12 << 0 << 10 << 17;
    QTest::newRow("physical falling negative") << 13 << 4 << 10 << 17;
    QTest::newRow("emotional zero still falling positive") << 14 << 4 << 10 << 17;
    QTest::newRow("emotional critical 15") << 15 << 4 << 7 << 17;
    QTest::newRow("emotional falling negative") << 16 << 4 << 11 << 14;
    QTest::newRow("intellectual critical 17") << 17 << 5 << 11 << 14;
    QTest::newRow("intellectual falling negative") << 18 << 6 << 11 << 18;
    QTest::newRow("emotional low") << 21 << 6 << 12 << 18;
    QTest::newRow("physical last day") << 22 << 6 << 13 << 18;
    QTest::newRow("physical new cycle") << 23 << 0 << 13 << 18;
    QTest::newRow("intellectual low") << 25 << 1 << 13 << 19;
    QTest::newRow("emotional last day") << 27 << 1 << 13 << 20;
    QTest::newRow("intellectual last day") << 32 << 3 << 8 << 20;
    QTest::newRow("20.11.1953 to 01.01.2000") << 16843 << 3 << 7 << 17;
    // Before the birth date the day in the cycle is counted back from the cycle's end.
    QTest::newRow("one day before") << -1 << 6 << 13 << 20;
    QTest::newRow("one physical period before") << -23 << 0 << 8 << 17;
    QTest::newRow("one emotional period before") << -28 << 6 << 7 << 15;
    QTest::newRow("one intellectual period before") << -33 << 4 << 13 << 14;
    QTest::newRow("earliest against latest") << -3067670 << 1 << 10 << 17;
}

void TestCalc::phases() {
    QFETCH(int, dayCount);
    QFETCH(int, physical);
    QCOMPARE(int(phaseIndex(Cycle::Physical, dayCount)), physical);
    QFETCH(int, emotional);
    QCOMPARE(int(phaseIndex(Cycle::Emotional, dayCount)), emotional);
    QFETCH(int, intellectual);
    QCOMPARE(int(phaseIndex(Cycle::Intellectual, dayCount)), intellectual);
}

void TestCalc::dayCount_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("display");
    QTest::addColumn<int>("expected");
    QTest::newRow("same day") << QDate(1953, 11, 20) << QDate(1953, 11, 20) << 0;
    QTest::newRow("next day") << QDate(1953, 11, 20) << QDate(1953, 11, 21) << 1;
    QTest::newRow("new year 2000") << QDate(1953, 11, 20) << QDate(2000, 1, 1) << 16843;
    QTest::newRow("leap day") << QDate(2000, 2, 28) << QDate(2000, 3, 1) << 2;
    QTest::newRow("before birth") << QDate(2000, 1, 2) << QDate(2000, 1, 1) << -1;
    QTest::newRow("whole range") << QDate(1601, 1, 1) << QDate(9999, 12, 31) << 3067670;
}

void TestCalc::dayCount() {
    QFETCH(QDate, birth);
    QFETCH(QDate, display);
    QFETCH(int, expected);
    QCOMPARE(int(dayCountBetween(birth, display)), expected);
}

void TestCalc::stepping_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QDate>("to");
    QTest::newRow("back over leap day") << QDate(2000, 3, 1) << -1 << QDate(2000, 2, 29);
    QTest::newRow("forward over new year") << QDate(1999, 12, 31) << 1 << QDate(2000, 1, 1);
    QTest::newRow("no step before the earliest date")
        << QDate(1601, 1, 1) << -1 << QDate(1601, 1, 1);
    QTest::newRow("no step after the latest date")
        << QDate(9999, 12, 31) << 1 << QDate(9999, 12, 31);
}

void TestCalc::stepping() {
    QFETCH(QDate, from);
    QFETCH(int, direction);
    QFETCH(QDate, to);
    QCOMPARE(stepDay(from, direction), to);
}

// Whole date texts as the command line and a paste take them: German and ISO always, and the
// short form of the English locale, the interface's when it is English, else the system's.
void TestCalc::dateText_data() {
    QTest::addColumn<QString>("locale"); // the interface's; empty: German on a C system
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("short form") << ""
                                << "08.11.1999" << QDate(1999, 11, 8);
    QTest::newRow("without zeros") << ""
                                   << "8.11.1999" << QDate(1999, 11, 8);
    QTest::newRow("iso") << ""
                         << "1999-11-08" << QDate(1999, 11, 8);
    QTest::newRow("blanks around") << ""
                                   << " 08.11.1999 " << QDate(1999, 11, 8);
    QTest::newRow("English form in German") << ""
                                            << "12/8/2026" << QDate(2026, 12, 8);
    QTest::newRow("English form in English") << "en_US"
                                             << "1/13/2027" << QDate(2027, 1, 13);
    QTest::newRow("English form with zeros") << "en_US"
                                             << "01/05/2027" << QDate(2027, 1, 5);
    QTest::newRow("British form") << "en_GB"
                                  << "12/8/2026" << QDate(2026, 8, 12);
    QTest::newRow("German form in English") << "en_US"
                                            << "12.8.2026" << QDate(2026, 8, 12);
    QTest::newRow("empty") << ""
                           << "" << QDate();
    QTest::newRow("impossible day") << ""
                                    << "31.02.2000" << QDate();
    QTest::newRow("no 13th month in English") << "en_US"
                                              << "13/1/2027" << QDate();
    QTest::newRow("before the range") << ""
                                      << "31.12.1600" << QDate();
    QTest::newRow("year 0") << ""
                            << "01.01.0000" << QDate();
    QTest::newRow("two-digit year") << ""
                                    << "8.11.99" << QDate();
    QTest::newRow("digits only") << ""
                                 << "08111999" << QDate();
    QTest::newRow("two separators") << ""
                                    << "08.11/1999" << QDate();
    QTest::newRow("three-digit day") << ""
                                     << "008.11.1999" << QDate();
    QTest::newRow("a sign") << ""
                            << "+8.11.1999" << QDate();
    QTest::newRow("garbage") << ""
                             << "gestern" << QDate();
}

void TestCalc::dateText() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QLocale::setDefault(locale.isEmpty() ? QLocale::system() : QLocale(locale));
    QCOMPARE(parseDateText(text), date);
    if (!date.isValid())
        return;
    // What the program writes, in the file and on the screen, it reads.
    QCOMPARE(parseDateText(shortDateText(date)), date);
    QCOMPARE(parseDateText(displayDateText(date)), date);
}

void TestCalc::phaseTexts_data() {
    // The fixed opening sentence of each text, spacing included.
    QTest::addColumn<int>("phaseIndex");
    QTest::addColumn<QString>("beginning");
    // clang-format off
    QTest::newRow("0") << 0 << QString::fromUtf8("Vorsicht ! Kritischer Tag für Ihren körperlichen Zustand.");
    QTest::newRow("1") << 1 << QString::fromUtf8("Ihr körperlicher Zustand wird sich nun von Tag zu Tag verbessern.");
    QTest::newRow("2") << 2 << QString::fromUtf8("Heute können Sie Ihr absolutes körperliches Hoch erreichen .");
    QTest::newRow("3") << 3 << QString::fromUtf8("Ihr körperlicher Zustand ist gut, jedoch wird er nun von Tag zu Tag ein klein wenig geringer.");
    QTest::newRow("4") << 4 << QString::fromUtf8("Oh, Oh,  nach guten Tagen kommen auch schlechtere Tage.");
    QTest::newRow("5") << 5 << QString::fromUtf8("Ihre körperliche Verfassung ist auf dem absoluten Nullpunkt .");
    QTest::newRow("6") << 6 << QString::fromUtf8("Ihr körperlicher Zustand ist immer noch in der negativen Phase , jedoch nach Tagen der körperlichen Tiefphase geht es nun wieder langsam, wenn auch nur ein wenig, Tag für Tag aufwärts .");
    QTest::newRow("7") << 7 << QString::fromUtf8("Vorsicht kritischer Tag !");
    QTest::newRow("8") << 8 << QString::fromUtf8("Aufgeschlossen und für alle Kontakte offen, so werden Sie diese Tage der positiven seelischen Phase erleben.");
    QTest::newRow("9") << 9 << QString::fromUtf8("Das ist der Tage Ihrer absoluten seelischen Hochphase .");
    QTest::newRow("10") << 10 << QString::fromUtf8("Ihre positive seelische Phase fällt jetzt etwas zurück, was nichts negatives bedeutet,eher das sich diese Tage als stabiler darstellen,da die vorhergehende Tage sonst eher übertriebene Gefühle hervor brachten .");
    QTest::newRow("11") << 11 << QString::fromUtf8("Unsicherheit ,  Lustlosigkeit und Unausgeglichenheit machen sich breit .");
    QTest::newRow("12") << 12 << QString::fromUtf8("Jetzt hängen Sie ganz daneben, denn Sie sind in seelischer Beziehung ganz im Keller.");
    QTest::newRow("13") << 13 << QString::fromUtf8("Die kommenden Tage werden wieder langsam besser .");
    QTest::newRow("14") << 14 << QString::fromUtf8("Achtung kritischer Tag !");
    QTest::newRow("15") << 15 << QString::fromUtf8("Ihr geistiges Bewußtsein steigert sich von Tag zu Tag mehr.");
    QTest::newRow("16") << 16 << QString::fromUtf8("Dieser Tag beschert Ihnen ein absolutes geistiges Hoch .");
    QTest::newRow("17") << 17 << QString::fromUtf8("Sie können weiterhin auf Ihre geistiges Potential zählen .");
    QTest::newRow("18") << 18 << QString::fromUtf8("Na ja,auch geistige Hochtage gehen mal zu Ende.Sicherlich können Sie noch geistig logische Aufgaben lösen oder Entscheidungen treffen, wohl wird Ihnen dies von Tag zu Tag schwerer fallen.");
    QTest::newRow("19") << 19 << QString::fromUtf8("Absoluter geistiger Tiefpunkt ist erreicht.");
    QTest::newRow("20") << 20 << QString::fromUtf8("Es dauert noch etwas bis Sie Ihr geistiges Potential wieder voll nutzen können, doch jeden Tag wird es etwas besser.");
    // clang-format on
}

// One paragraph of 264 to 380 characters, which the main window's label and the printed
// report's four lines of about 100 characters are laid out for.
void TestCalc::phaseTexts() {
    QFETCH(int, phaseIndex);
    QFETCH(QString, beginning);
    const QString text = phaseText(static_cast<std::int16_t>(phaseIndex));
    QVERIFY(text.startsWith(beginning));
    QVERIFY2(text.size() >= 264 && text.size() <= 380, qPrintable(QString::number(text.size())));
    QVERIFY(!text.contains(QLatin1Char('\n')));
    // Latin-1 letters only; catches a typographic quote or dash pasted in from elsewhere.
    for (const QChar ch : text)
        QVERIFY2(ch.unicode() < 0x100, qPrintable(QString(ch)));
}

void TestCalc::noTextOutsideTheTable() {
    QVERIFY(phaseText(-1).isEmpty());
    QVERIFY(phaseText(21).isEmpty());
}

void TestCalc::criticalDayList_data() {
    // Each critical day as "<days after the first>:<P, S, G for the critical cycles>".
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<bool>("endsAtLatest");
    QTest::newRow("from the birthday: triple, then the mid-cycle pairs")
        << QDate(2000, 1, 1) << QDate(2000, 1, 1) << 34
        << "0:PSG 11:P 12:P 15:S 16:G 17:G 23:P 28:S 33:G" << QDate(2000, 2, 3) << false;
    QTest::newRow("across the birth date")
        << QDate(2000, 1, 2) << QDate(2000, 1, 1) << 2 << "1:PSG" << QDate(2000, 1, 2) << false;
    QTest::newRow("stops at 31.12.9999")
        << QDate(9999, 12, 20) << QDate(9999, 12, 30) << 90 << "1:P" << QDate(9999, 12, 31) << true;
    QTest::newRow("no span") << QDate(2000, 1, 1) << QDate(2000, 1, 1) << 0 << "" << QDate()
                             << false;
    QTest::newRow("birth date outside the range")
        << QDate(1600, 12, 31) << QDate(2000, 1, 1) << 30 << "" << QDate() << false;
}

void TestCalc::criticalDayList() {
    QFETCH(QDate, birth);
    QFETCH(QDate, first);
    QFETCH(int, span);
    const CriticalDayList list = criticalDays(birth, first, span);
    QStringList days;
    for (const CriticalDay& day : list.days)
        days << QStringLiteral("%1:%2").arg(first.daysTo(day.date)).arg(cycleLetters(day.cycles));
    QTEST(days.join(QLatin1Char(' ')), "days");
    QTEST(list.last, "last");
    QTEST(list.endsAtLatest, "endsAtLatest");
}

namespace {
// Each day as "<days after the first>:<critical cycles of the first>/<of the second>".
QString sharedDaysText(const SharedCriticalDayList& list, const QDate& first) {
    QStringList days;
    for (const SharedCriticalDay& day : list.days)
        days << QStringLiteral("%1:%2/%3")
                    .arg(first.daysTo(day.date))
                    .arg(cycleLetters(day.cycles[0]), cycleLetters(day.cycles[1]));
    return days.join(QLatin1Char(' '));
}
} // namespace

// By hand: physical days are critical at counts 0, 11 and 12 of its 23, emotional at 0 and 15
// of 28, intellectual at 0, 16 and 17 of 33 (the rows of criticalDayList).
void TestCalc::sharedCriticalDayList_data() {
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("otherBirth");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("days");
    QTest::addColumn<bool>("endsAtLatest");
    // From 12.01.2000 the first is on counts 11..40, the second on 0..29.
    QTest::newRow("eleven days apart")
        << QDate(2000, 1, 1) << QDate(2000, 1, 12) << QDate(2000, 1, 12) << 30
        << "0:P/PSG 12:P/P 17:S/G 23:P/P" << false;
    QTest::newRow("swapped") << QDate(2000, 1, 12) << QDate(2000, 1, 1) << QDate(2000, 1, 12) << 30
                             << "0:PSG/P 12:P/P 17:G/S 23:P/P" << false;
    QTest::newRow("stops at 31.12.9999") << QDate(9999, 12, 20) << QDate(9999, 12, 20)
                                         << QDate(9999, 12, 30) << 90 << "1:P/P" << true;
    QTest::newRow("second birth date outside the range")
        << QDate(2000, 1, 1) << QDate(1600, 12, 31) << QDate(2000, 1, 1) << 30 << "" << false;
}

void TestCalc::sharedCriticalDayList() {
    QFETCH(QDate, birth);
    QFETCH(QDate, otherBirth);
    QFETCH(QDate, first);
    QFETCH(int, span);
    const SharedCriticalDayList list = sharedCriticalDays(birth, otherBirth, first, span);
    QTEST(sharedDaysText(list, first), "days");
    QTEST(list.endsAtLatest, "endsAtLatest");
}

namespace {
// A cycle's match worked out from what it stands for, with the real pi: the mean of the
// product of the two curves over one whole cycle is cos(2 pi d / T) / 2, which rescaled from
// -1/2..1/2 to 0..100 % is the match, rounded half away from zero.
int matchByAveraging(qint64 daysApart, int period) {
    const double step = 2 * std::numbers::pi / period;
    double sum = 0;
    for (int k = 0; k < period; ++k)
        sum += std::sin(step * k) * std::sin(step * double(k + daysApart % period));
    return int(std::floor(100 * (0.5 + sum / period) + 0.5));
}
} // namespace

void TestCalc::partnerMatch_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("words");
    const QDate born(2000, 1, 1);
    const auto row = [&](const char* name, qint64 days, const char* words) {
        QTest::newRow(name) << born << born.addDays(days) << QString(words);
    };
    row("same day", 0, "hoch hoch hoch hoch");
    row("one day", 1, "hoch hoch hoch hoch");
    row("half a physical cycle, 11", 11, "niedrig niedrig mittel niedrig");
    row("half a physical cycle, 12 = 23 - 11", 12, "niedrig niedrig niedrig niedrig");
    row("half an emotional cycle", 14, "niedrig niedrig niedrig niedrig");
    row("half an intellectual cycle, 16", 16, "mittel niedrig niedrig niedrig");
    row("half an intellectual cycle, 17 = 33 - 16", 17, "mittel niedrig niedrig niedrig");
    row("physical 5", 5, "mittel mittel hoch mittel");
    row("physical 18 = 23 - 5", 18, "mittel niedrig niedrig mittel");
    row("emotional a quarter: 7 and 21", 7, "mittel mittel mittel mittel");
    row("emotional 21 = 28 - 7", 21, "hoch mittel niedrig mittel");
    row("intellectual 22 = 33 - 11", 22, "hoch mittel mittel mittel");
    row("828 days", 828, "hoch niedrig hoch mittel");
    row("second person older", -828, "hoch niedrig hoch mittel");
    row("all three cycles round", 23 * 28 * 33, "hoch hoch hoch hoch");
    QTest::newRow("ends of the date range")
        << QDate(1601, 1, 1) << QDate(9999, 12, 31) << "hoch niedrig mittel mittel";
}

// The rule against its meaning: the same for the persons swapped, and for r and T - r.
void TestCalc::partnerMatch() {
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    const qint64 days = first.daysTo(second);
    std::array<int, 3> expected{};
    QStringList words;
    for (Cycle cycle : AllCycles) {
        const int T = period(cycle);
        expected[int(cycle)] = matchByAveraging(std::abs(days), T);
        QCOMPARE(matchByAveraging(T - std::abs(days) % T, T), expected[int(cycle)]);
        words << matchWord(expected[int(cycle)]);
    }
    const int overall = int(std::lround((expected[0] + expected[1] + expected[2]) / 3.0));
    words << matchWord(overall);
    for (const PartnerMatch& match :
         {::partnerMatch(first, second), ::partnerMatch(second, first)}) {
        QCOMPARE(match.daysApart, std::abs(days));
        QCOMPARE(match.cycles, expected);
        QCOMPARE(match.overall, overall);
    }
    for (Cycle cycle : AllCycles)
        QCOMPARE(cycleMatch(period(cycle) - std::abs(days) % period(cycle), period(cycle)),
                 expected[int(cycle)]);
    QTEST(words.join(QLatin1Char(' ')), "words");
}

QTEST_APPLESS_MAIN(TestCalc)
#include "tst_calc.moc"
