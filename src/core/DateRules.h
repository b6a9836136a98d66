#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <cstdint>

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

// The date form the user reads and types: dd.MM.yyyy in German, the English locale's short
// form in English, always with a four-digit year, since birth dates reach back to 1601.
QString displayDateFormat();
QString displayDateText(const QDate& date);

// Whether the date lies within the accepted range.
bool isAcceptedDate(const QDate& date);

// Reads a date written as dd.MM.yyyy, d.M.yyyy or yyyy-MM-dd, whatever its year; an invalid
// QDate when the text is none of these.
QDate readDateText(const QString& text);

// readDateText(), and an invalid QDate also when the date lies outside the accepted range.
QDate parseDateText(const QString& text);

// What the user is told about a date outside the accepted range.
UserText dateRangeMessage();
