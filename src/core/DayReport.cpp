#include "DayReport.h"

#include "core/Cycle.h"
#include "core/DateRules.h"
#include "core/Phase.h"
#include "core/PhaseTexts.h"

DayReport dayReportFor(const QString& birthCaption, const QDate& birthDate,
                       const QString& displayCaption, const QDate& displayDate) {
    DayReport report{birthCaption,
                     birthDate,
                     displayCaption,
                     displayDate,
                     dayCountBetween(birthDate, displayDate),
                     {},
                     {}};
    for (Cycle cycle : AllCycles) {
        report.percentages[int(cycle)] = percentageText(report.chartDayCount, period(cycle));
        report.texts[int(cycle)] = phaseText(phaseIndex(cycle, report.chartDayCount));
    }
    return report;
}
