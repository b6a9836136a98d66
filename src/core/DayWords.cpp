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

QString birthDateCaption() {
    return Texts::tr("Geburts-Datum");
}

QString displayDateCaption() {
    return Texts::tr("Anzeige-Datum");
}

QString dayWithWeekday(const QDate& date) {
    return uiLocale().toString(date, QStringLiteral("dddd, ") + displayDateFormat());
}

ChartPictureWords chartPictureWords(const QString& name, const QDate& birth, const QDate& first,
                                    const QDate& display, const QDate& last) {
    // One arg() for all values, so that a name holding "%2" is not filled in again.
    const QString title =
        name.isEmpty()
            ? Texts::tr("Biorhythmus zum Geburtsdatum %1, %2 bis %3")
                  .arg(displayDateText(birth), displayDateText(first), displayDateText(last))
            : Texts::tr("Biorhythmus von %1, %2 bis %3")
                  .arg(name, displayDateText(first), displayDateText(last));
    return {title, Texts::tr("Die Kurven %1, %2 und %3; der senkrechte Strich markiert den %4.")
                       .arg(cycleName(Cycle::Physical), cycleName(Cycle::Emotional),
                            cycleName(Cycle::Intellectual), displayDateText(display))};
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
