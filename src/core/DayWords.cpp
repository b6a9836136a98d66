#include "DayWords.h"

#include "core/DateRules.h"
#include "core/Phase.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DayWords)
};
} // namespace

CycleSet criticalCyclesOn(std::int32_t dayCount) {
    CycleSet critical{};
    for (Cycle cycle : AllCycles)
        critical[int(cycle)] = isCriticalDay(cycle, dayCount);
    return critical;
}

QString cycleNames(const CycleSet& cycles) {
    QStringList names;
    for (Cycle cycle : AllCycles) {
        if (cycles[int(cycle)])
            names << cycleName(cycle);
    }
    return names.join(QStringLiteral(", "));
}

QString criticalDayWords(int criticalCycles) {
    switch (criticalCycles) {
    case 0:
        return QString();
    case 1:
        return Texts::tr("Kritischer Tag");
    case 2:
        return Texts::tr("Doppelt kritischer Tag");
    default:
        return Texts::tr("Dreifach kritischer Tag");
    }
}

QString dayWithWeekday(const QDate& date) {
    return uiLocale().toString(date, QStringLiteral("dddd, ") + displayDateFormat());
}

QString lastDayNote() {
    return Texts::tr("Die Liste endet am %1, dem letzten Tag, den das Programm kennt.")
        .arg(displayDateText(latestDate()));
}

QString comparedPerson(int which) {
    return which == 0 ? Texts::tr("Erste Person") : Texts::tr("Zweite Person");
}

QString matchWord(int percent) {
    switch (matchLevel(percent)) {
    case MatchLevel::High:
        return Texts::tr("hoch");
    case MatchLevel::Medium:
        return Texts::tr("mittel");
    case MatchLevel::Low:
        break;
    }
    return Texts::tr("niedrig");
}

QString overallMatchName() {
    return Texts::tr("Gesamt");
}

QString matchPhrase(const QString& name, int percent) {
    return QStringLiteral("%1 %2 %, %3").arg(name, QString::number(percent), matchWord(percent));
}

QString matchesLine(const PartnerMatch& match) {
    QStringList phrases;
    for (Cycle cycle : AllCycles)
        phrases << matchPhrase(cycleName(cycle), match.cycles[int(cycle)]);
    phrases << matchPhrase(overallMatchName(), match.overall);
    return phrases.join(QStringLiteral("; "));
}
