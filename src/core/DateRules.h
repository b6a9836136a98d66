#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>

class UserText;

// The dates the program accepts: 1 January 1601 to 31 December 9999.
QDate earliestDate();
QDate latestDate();

// Whole calendar days from the birth date to the display date; negative when the display
// date lies before the birth date.
std::int32_t dayCountBetween(const QDate& birth, const QDate& display);

// The date one day before or after; a step beyond the accepted range leaves the date as it is.
QDate stepDay(const QDate& date, int direction);

// The nearest accepted date: a date beyond either end becomes that end; invalid stays invalid.
QDate clampedToRange(const QDate& date);

// The fixed short date form, dd.MM.yyyy, independent of the machine's locale and of the
// interface's language: DATA.DAT keeps birth dates in it.
QString shortDateText(const QDate& date);
inline constexpr const char* ShortDateFormat = "dd.MM.yyyy";

// The locale of the interface's language: the default locale when that is English, German for
// every other, so that the program stays German unless English was chosen at start.
QLocale uiLocale();

// The parts of a date, and a way of writing one: its parts in order with one character
// between them.
enum class DatePart { Day, Month, Year };
struct DateForm {
    std::array<DatePart, 3> order;
    QChar separator;
};

// German d.M.yyyy (dd.MM.yyyy with its zeros).
DateForm germanDateForm();
// The English locale's short form, the interface's when it is English: M/d/yyyy in the United
// States, dd/MM/yyyy in Britain.
DateForm englishDateForm();
QString englishDateFormat(); // as QDate writes it: "M/d/yyyy"
// ISO 8601's yyyy-MM-dd.
DateForm isoDateForm();

// The date form the user reads and types: dd.MM.yyyy in German, the English locale's short
// form in English, always with a four-digit year, since birth dates reach back to 1601.
QString displayDateFormat();
QString displayDateText(const QDate& date);
DateForm displayDateForm();

// Whether the date lies within the accepted range.
bool isAcceptedDate(const QDate& date);

// Reads a date written whole in one of the forms: day and month with one or two digits, the year
// with four, the form's separator between them, blanks around the whole allowed. An invalid QDate
// when the text is in none of the forms or names no day (31.02.2000), whatever its year.
QDate readDateText(const QString& text, std::initializer_list<DateForm> forms);
// In every form the program writes: German, the English locale's and ISO 8601. The forms
// differ in their separators, so no text reads as two dates.
QDate readDateText(const QString& text);

// readDateText(), and an invalid QDate also when the date lies outside the accepted range.
QDate parseDateText(const QString& text);

// What the user is told about a date outside the accepted range.
UserText dateRangeMessage();
