#include "DayWords.h"

#include "core/DateRules.h"
#include "core/Phase.h"
#include "core/PhaseTexts.h"

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

QString criticalCycleLeads(const CycleSet& cycles) {
    QStringList lines;
    for (Cycle cycle : AllCycles) {
        if (cycles[int(cycle)])
            lines << cycleName(cycle) + QStringLiteral(": ") +
                         leadSentence(phaseIndex(cycle, 0)); // day 0 is every cycle's critical day
    }
    return lines.join(QLatin1Char('\n'));
}

QString dayWithWeekday(const QDate& date) {
    return uiLocale().toString(date, QStringLiteral("dddd, ") + displayDateFormat());
}

QString lastDayNote() {
    return Texts::tr("Die Liste endet am %1, dem letzten Tag, den das Programm kennt.")
        .arg(displayDateText(latestDate()));
}
