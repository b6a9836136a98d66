#include "DateRules.h"

#include "core/UserText.h"

#include <QRegularExpression>
#include <algorithm>

QDate earliestDate() {
    return QDate(1601, 1, 1);
}

QDate latestDate() {
    return QDate(9999, 12, 31);
}

std::int32_t dayCountBetween(const QDate& birth, const QDate& display) {
    return static_cast<std::int32_t>(birth.daysTo(display));
}

QDate stepDay(const QDate& date, int direction) {
    const QDate next = date.addDays(direction < 0 ? -1 : 1);
    if (next < earliestDate() || next > latestDate())
        return date;
    return next;
}

QDate clampedToRange(const QDate& date) {
    return date.isValid() ? std::clamp(date, earliestDate(), latestDate()) : date;
}

QString shortDateText(const QDate& date) {
    return date.toString(QLatin1String(ShortDateFormat));
}

QLocale uiLocale() {
    const QLocale chosen;
    return chosen.language() == QLocale::English ? chosen
                                                 : QLocale(QLocale::German, QLocale::Germany);
}

QString displayDateFormat() {
    const QLocale locale = uiLocale();
    if (locale.language() != QLocale::English)
        return QLatin1String(ShortDateFormat);
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // "yy" stands for two digits of the year; the year is widened to all four.
    static const QRegularExpression year(QStringLiteral("y+"));
    return format.replace(year, QStringLiteral("yyyy"));
}

QString displayDateText(const QDate& date) {
    return uiLocale().toString(date, displayDateFormat());
}

bool isAcceptedDate(const QDate& date) {
    return date.isValid() && date >= earliestDate() && date <= latestDate();
}

QDate readDateText(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const char* format : {ShortDateFormat, "d.M.yyyy", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(trimmed, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    return QDate();
}

QDate parseDateText(const QString& text) {
    const QDate date = readDateText(text);
    return isAcceptedDate(date) ? date : QDate();
}

UserText dateRangeMessage() {
    return UserText("DateRules",
                    QT_TRANSLATE_NOOP("DateRules", "Das Datum muss zwischen dem 01.01.1601 und "
                                                   "dem 31.12.9999 liegen."));
}
