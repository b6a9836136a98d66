#pragma once

#include "core/PersonStore.h"
#include "gui/controls/FramedDialog.h"

#include <QEvent>
#include <array>
#include <functional>

class Announcer;
class BirthDateInput;
class Clock;
class Dialogs;
class NameValidator;
class PersonFileLocation;
class PersonList;
class PersonTakeOver;
class QLabel;
class QLineEdit;
class QPushButton;
class Stepper;

// The person editor "PERSONEN DATENBANK": shows the person list one person at a time. The
// name field and the date field are an editing buffer for the current person, copied into the
// list by StoreRecord. However the window closes, StoreRecord and SavePersons run once.
class PersonEditor : public FramedDialog {
    Q_OBJECT
public:
    struct Services {
        PersonList& persons;
        PersonTakeOver& takeOver;
        Dialogs& dialogs;
        const Clock& clock;
        const PersonFileLocation& location;
    };

    explicit PersonEditor(const Services& services, QWidget* parent = nullptr);
    ~PersonEditor() override;

    // Reads DATA.DAT and shows the current person; runs once, before the window is shown.
    void load();

    // The buttons C2(0..5), in their order.
    enum class Command { Add, Delete, Save, Exit, TakeOver, Compare };
    void command(Command which);
    void stepLeft();
    void stepRight();

    void done(int result) override;

protected:
    void paintClient(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StoreRecord();
    void ShowRecord();
    void EnableFields(bool enabled);
    void showPerson(int number);
    // A new person with the name, today as its date underneath, at the end of the list.
    void addPerson(const QString& name = QString());
    void openNameWhileEmpty(QEvent::Type happened);
    void deletePerson();
    void takeOverPerson();
    void comparePerson();
    void closingSequence();
    void save(QWidget* parent);
    void showRefused(const QString& characters);

    PersonList& m_persons;
    PersonTakeOver& m_takeOver;
    Dialogs& m_dialogs;
    const Clock& m_clock;
    PersonStore m_store;
    bool m_closed = false;

    QLabel* Label3;
    QLabel* Label1;
    QLineEdit* txtName;
    NameValidator* m_nameValidator;
    QLabel* Label2;
    BirthDateInput* DT;
    QLabel* lblCurrRecord;
    Stepper* UpDown1;
    std::array<QPushButton*, 6> C2{};
    Announcer* m_announcer;
};

// Opens the person editor modally over the parent and returns once it has closed and the list
// has been written. F1 in the editor calls openHelp with the editor, when given.
void openPersonEditor(QWidget* parent, PersonList& persons, PersonTakeOver& takeOver,
                      Dialogs& dialogs, const Clock& clock, const PersonFileLocation& location,
                      const std::function<void(QWidget*)>& openHelp = {});
