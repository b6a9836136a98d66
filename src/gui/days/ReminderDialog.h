#pragma once

#include "core/CalendarFile.h"
#include "gui/controls/FramedDialog.h"
#include "gui/platform/ReminderSwitch.h"

#include <array>

class Dialogs;
class PersonList;
class QLabel;
class QListWidget;
class QPushButton;
class QTimeEdit;

// "Erinnerungen": the user picks whose critical days the desktop tells of (persons of the list,
// and the birth date shown) and at what time of day, and switches the reminder on or off. It
// shows what the files on disk remind of, so that it opens as the user left it.
class ReminderDialog : public FramedDialog {
    Q_OBJECT
public:
    ReminderDialog(const PersonList& persons, const CalendarPerson& shown,
                   const ReminderSwitch& reminders, Dialogs& dialogs, QWidget* parent = nullptr);

    // What the ticked entries and the time field say.
    ReminderSetting chosen() const;
    void switchOn();
    void switchOff();

protected:
    void paintClient(QPainter& painter) override;

private:
    void fillPersons(const PersonList& persons, const CalendarPerson& shown,
                     const std::optional<ReminderSetting>& current);
    void showState();

    ReminderSwitch m_reminders;
    Dialogs& m_dialogs;

    QListWidget* Persons;
    QTimeEdit* Time;
    QLabel* lblState;
    std::array<QPushButton*, 3> C4{};
};

// Opens the dialog over the parent, modal, without waiting for it to close.
void openReminderDialog(QWidget* parent, const PersonList& persons, const CalendarPerson& shown,
                        const ReminderSwitch& reminders, Dialogs& dialogs);
