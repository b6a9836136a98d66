#pragma once

#include <QDate>
#include <QString>

// What the person editor hands a person over to: the main window sets its name field and its
// birth date and recomputes once.
class PersonTakeOver {
public:
    virtual ~PersonTakeOver() = default;
    // birthDate is invalid when the editor's date field holds no date; the receiver then keeps
    // its birth date.
    virtual void takeOver(const QString& name, const QDate& birthDate) = 0;
};
