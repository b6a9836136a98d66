#pragma once

#include <QString>
#include <vector>

// One entry of the person list. Both fields are texts: the birth date is kept as the editor
// wrote it (dd.MM.yyyy), and is empty until a date was first stored.
struct Person {
    QString Name;
    QString BirthDate;
    friend bool operator==(const Person&, const Person&) = default;
};

// The person list (Persons, PersonCount, CurrentPerson) that the program owns for as long as it
// runs and hands to the person editor. Persons are numbered from 1; CurrentPerson is 0 exactly
// when the list is empty and otherwise always names an existing person.
class PersonList {
public:
    // The count is written to DATA.DAT as a signed 16-bit number.
    static constexpr int MaxCount = 32767;

    int personCount() const { return static_cast<int>(m_persons.size()); }
    int currentPerson() const { return m_current; }
    bool isFull() const { return personCount() >= MaxCount; }

    // index from 1 to personCount()
    Person& person(int index);
    const Person& person(int index) const;

    // Out-of-range values are moved to the nearest existing person.
    void setCurrentPerson(int index);

    // Replaces the list with count persons with empty texts; count from 0 to MaxCount.
    void recreate(int count);

    // Adds a person at the end; false (and nothing changes) when the list is full.
    bool append(const Person& person = {});

    // Removes the person; later persons move up one place and the current person stays in range.
    void removeAt(int index);

    friend bool operator==(const PersonList&, const PersonList&) = default;

private:
    std::vector<Person> m_persons;
    int m_current = 0;
};
