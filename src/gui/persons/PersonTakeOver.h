#pragma once

#include <QDate>
#include <QString>

// What the person editor hands a person over to: the main window sets its name field and its
// birth date and recomputes once.
class PersonTakeOver {
public:
    virtual ~PersonTakeOver() = default;
    // Only a person with a birth date is handed over, so birthDate is always a valid date.
    virtual void takeOver(const QString& name, const QDate& birthDate) = 0;
};
