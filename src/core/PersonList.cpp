#include "PersonList.h"

#include <QtGlobal>
#include <algorithm>

Person& PersonList::person(int index) {
    Q_ASSERT(index >= 1 && index <= personCount());
    return m_persons[static_cast<std::size_t>(index - 1)];
}

const Person& PersonList::person(int index) const {
    Q_ASSERT(index >= 1 && index <= personCount());
    return m_persons[static_cast<std::size_t>(index - 1)];
}

void PersonList::setCurrentPerson(int index) {
    m_current = personCount() == 0 ? 0 : std::clamp(index, 1, personCount());
}

void PersonList::recreate(int count) {
    Q_ASSERT(count >= 0 && count <= MaxCount);
    m_persons.assign(static_cast<std::size_t>(count), Person{});
    setCurrentPerson(1);
}

bool PersonList::append(const Person& person) {
    if (isFull())
        return false;
    m_persons.push_back(person);
    return true;
}

void PersonList::removeAt(int index) {
    Q_ASSERT(index >= 1 && index <= personCount());
    m_persons.erase(m_persons.begin() + (index - 1));
    setCurrentPerson(m_current);
}
