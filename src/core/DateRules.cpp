#include "DateRules.h"

#include "core/UiLanguage.h"
#include "core/UserText.h"

#include <QCoreApplication>
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

namespace {
// A locale's short date form with the year widened to four digits ("yy" stands for two).
QString shortFormatWithFullYear(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression year(QStringLiteral("y+"));
    return format.replace(year, QStringLiteral("yyyy"));
}

// The order of the parts in a date format such as "M/d/yyyy", and the character between them.
DateForm formOf(const QString& format) {
    DateForm form{{DatePart::Day, DatePart::Month, DatePart::Year}, QLatin1Char('.')};
    int next = 0;
    QChar last;
    for (const QChar c : format) {
        const DatePart part = c == QLatin1Char('d')   ? DatePart::Day
                              : c == QLatin1Char('M') ? DatePart::Month
                                                      : DatePart::Year;
        if (c.isLetter() && c != last && next < 3)
            form.order[next++] = part;
        else if (!c.isLetter())
            form.separator = c;
        last = c;
    }
    return form;
}

// The number written with shortest to longest ASCII digits, or -1.
int partNumber(QStringView digits, int shortest, int longest) {
    if (digits.size() < shortest || digits.size() > longest)
        return -1;
    int number = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        number = number * 10 + c.digitValue();
    }
    return number;
}
} // namespace

DateForm germanDateForm() {
    return formOf(QLatin1String(ShortDateFormat));
}

DateForm englishDateForm() {
    return formOf(englishDateFormat());
}

QString englishDateFormat() {
    const QLocale shown = uiLocale();
    return shortFormatWithFullYear(shown.language() == QLocale::English ? shown : englishLocale());
}

DateForm isoDateForm() {
    return formOf(QStringLiteral("yyyy-MM-dd"));
}

QString displayDateFormat() {
    const QLocale locale = uiLocale();
    return locale.language() == QLocale::English ? shortFormatWithFullYear(locale)
                                                 : QLatin1String(ShortDateFormat);
}

QString displayDateText(const QDate& date) {
    return uiLocale().toString(date, displayDateFormat());
}

DateForm displayDateForm() {
    return formOf(displayDateFormat());
}

bool isAcceptedDate(const QDate& date) {
    return date.isValid() && date >= earliestDate() && date <= latestDate();
}

QDate readDateText(const QString& text, std::initializer_list<DateForm> forms) {
    const QString trimmed = text.trimmed();
    for (const DateForm& form : forms) {
        const QStringList written = trimmed.split(form.separator);
        if (written.size() != 3)
            continue;
        std::array<int, 3> numbers{}; // day, month, year
        for (int i = 0; i < 3; ++i) {
            const bool year = form.order[i] == DatePart::Year;
            numbers[int(form.order[i])] = partNumber(written[i], year ? 4 : 1, year ? 4 : 2);
        }
        if (std::find(numbers.begin(), numbers.end(), -1) == numbers.end())
            return QDate(numbers[2], numbers[1], numbers[0]);
    }
    return QDate();
}

QDate readDateText(const QString& text) {
    return readDateText(text, {germanDateForm(), englishDateForm(), isoDateForm()});
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
