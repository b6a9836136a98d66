#pragma once

#include "core/CalendarFile.h"

#include <vector>

class PersonFileLocation;
class PersonList;

// The persons of the list that have a birth date, in the list's order: whom a second person
// for the partner comparison is chosen from. Until the person editor first loads the list it
// is empty in memory; the file is then read as it is and only looked at.
std::vector<CalendarPerson> personsToChooseFrom(const PersonList& persons,
                                                const PersonFileLocation& location);
