#include "SampleDayReport.h"

DayReport sampleDayReport() {
    return dayReportFor(QStringLiteral("Jürgen Weiß-Schröder"), QDate(1953, 11, 20),
                        QStringLiteral("Anzeige-Datum"), QDate(2000, 1, 1));
}
