#pragma once

#include <QDate>
#include <QString>

class QWidget;

// What the person editor hands a person over to: the main window sets its name field and its
// birth date and recomputes once, or compares the person with the one it shows.
class PersonTakeOver {
public:
    virtual ~PersonTakeOver() = default;
    // Only a person with a birth date is handed over, so birthDate is always a valid date.
    virtual void takeOver(const QString& name, const QDate& birthDate) = 0;
    // Opens the partner comparison over the editor, with the person as the second one.
    virtual void compareWith(QWidget* editor, const QString& name, const QDate& birthDate) = 0;
};
