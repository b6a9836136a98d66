#include "DateTyping.h"

#include <algorithm>

namespace {
bool isSeparator(QChar c, const DateForm& form) {
    return c == form.separator || QStringView(u"./- ").contains(c);
}

// Whether the digits, no more to come, can stand as the part: no day or month 0, a whole year.
bool standsAsPart(const QString& digits, DatePart part) {
    return digits.toInt() > 0 && (part != DatePart::Year || digits.size() == 4);
}

void closePart(DateTyping& typing, const DateForm& form) {
    if (standsAsPart(typing.digits[typing.nextPart], form.order[typing.nextPart]))
        ++typing.nextPart;
    else
        typing.refused = true;
}

void typeDigit(DateTyping& typing, const DateForm& form, QChar digit) {
    if (typing.nextPart >= 3) {
        typing.refused = true;
        return;
    }
    QString& digits = typing.digits[typing.nextPart];
    const DatePart part = form.order[typing.nextPart];
    digits += digit;
    if (part == DatePart::Year) {
        if (digits.size() == 4)
            closePart(typing, form);
        return;
    }
    const int largest = part == DatePart::Day ? 31 : 12;
    const int number = digits.toInt();
    if (digits.size() == 1) {
        if (number * 10 > largest) // no second digit fits: "4" is a whole day, "2" a month
            closePart(typing, form);
    } else if (number == 0 || number > largest) { // "35" is no day, "13" no month
        typing.refused = true;
    } else {
        closePart(typing, form);
    }
}
} // namespace

DateTyping readTyping(const QString& typed, const DateForm& form, int firstPart) {
    DateTyping typing;
    typing.firstPart = typing.nextPart = firstPart;
    for (const QChar c : typed) {
        if (typing.refused)
            break;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            typeDigit(typing, form, c);
        else if (!isSeparator(c, form))
            typing.refused = true;
        else if (typing.nextPart < 3 && !typing.digits[typing.nextPart].isEmpty())
            closePart(typing, form);
    }
    return typing;
}

TypedDate typedDate(const DateTyping& typing, const DateForm& form, const QDate& before,
                    bool finished) {
    using Verdict = TypedDate::Verdict;
    if (typing.refused)
        return {Verdict::NoDate, before};
    std::array<int, 3> value{before.day(), before.month(), before.year()}; // by DatePart
    std::array<bool, 3> typed{};
    const bool closing = finished && typing.open() && !typing.digits[typing.nextPart].isEmpty();
    for (int i = typing.firstPart; i < typing.nextPart + int(closing); ++i) {
        const DatePart part = form.order[i];
        if (!standsAsPart(typing.digits[i], part))
            return {Verdict::NoDate, before};
        value[int(part)] = typing.digits[i].toInt();
        typed[int(part)] = true;
    }
    const auto [day, month, year] = value;
    if (year < earliestDate().year())
        return {Verdict::OutOfRange, before};
    const bool dayAndMonth = typed[int(DatePart::Day)] && typed[int(DatePart::Month)];
    // 2000 is a leap year: the longest each month can be.
    if (dayAndMonth && day > QDate(2000, month, 1).daysInMonth())
        return {Verdict::NoDate, before};
    if (dayAndMonth && typed[int(DatePart::Year)] && !QDate::isValid(year, month, day))
        return {Verdict::NoDate, before};
    const QDate date(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
    return {finished || !typing.open() ? Verdict::Date : Verdict::Typing, date};
}
