#include "SampleDayReport.h"

#include "Cycle.h"
#include "Phase.h"
#include "PhaseTexts.h"

DayReport sampleDayReport() {
    DayReport report;
    report.birthCaption = QStringLiteral("Jürgen Weiß-Schröder");
    report.birthDate = QDate(1953, 11, 20);
    report.displayCaption = QStringLiteral("Anzeige-Datum");
    report.displayDate = QDate(2000, 1, 1);
    report.chartDayCount = report.birthDate.daysTo(report.displayDate);
    for (Cycle cycle : AllCycles) {
        const int i = int(cycle);
        report.percentages[i] = percentageText(report.chartDayCount, period(cycle));
        report.texts[i] = phaseText(phaseIndex(cycle, report.chartDayCount));
    }
    return report;
}
