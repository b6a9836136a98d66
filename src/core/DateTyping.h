#pragma once

#include "core/DateRules.h"

#include <QDate>
#include <QString>
#include <array>

// What characters typed into a date input say, key by key. The typing begins in one part of the
// input's form and goes on through the parts after it. A part takes digits until no further
// digit could belong to it, or until a separator closes it: "4" is a whole day, "1" waits for a
// second digit, and a year takes four digits; "35" is no day and "13" no month, not the 3rd or
// January with a digit left over for the next part, which would make a typing slip a date. The
// grouping never depends on the date shown, so the same keys always give the same parts. Any of . /
// - and the blank separates; a separator where no digit was typed yet (after a part that closed
// itself) is passed over.
struct DateTyping {
    std::array<QString, 3> digits; // typed into each part, in the form's order
    int firstPart = 0;             // where the typing began, in the form's order
    int nextPart = 0;              // where the next digit goes; 3 once the last part is closed
    bool refused = false;          // a character or a part no date has: "00", "13.", "x"

    // Whether a further digit goes anywhere: the last part is not yet closed.
    bool open() const { return !refused && nextPart < 3; }
};

DateTyping readTyping(const QString& typed, const DateForm& form, int firstPart);

// What the typing makes of the date shown before it. Parts not typed keep that date's values;
// a part still being typed does too until `finished` (the user left the input), which closes it
// as it stands. A day beyond the end of the month is the month's last day ("31" in February,
// February typed into the 31st), unless day and month were both typed and no year has them
// (31.04.) or day, month and year were all typed and name no day (29.02.2023).
struct TypedDate {
    enum class Verdict { Typing, Date, NoDate, OutOfRange };
    Verdict verdict;
    QDate date; // the date so far while Typing; the date for Date
};

TypedDate typedDate(const DateTyping& typing, const DateForm& form, const QDate& before,
                    bool finished);
