#include "PersonChoice.h"

#include "core/DateRules.h"
#include "core/PersonFile.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"

std::vector<CalendarPerson> personsToChooseFrom(const PersonList& persons,
                                                const PersonFileLocation& location) {
    PersonList fromFile;
    if (persons.personCount() == 0) {
        const PersonFile::OnDisk file = PersonFile::readFile(location.filePath());
        // Whatever could be read is offered; the person editor tells what went wrong.
        if (file.opening.worked())
            (void)PersonFile::parse(file.contents, fromFile);
    }
    const PersonList& list = persons.personCount() == 0 ? fromFile : persons;
    std::vector<CalendarPerson> dated;
    for (int i = 1; i <= list.personCount(); ++i) {
        const Person& person = list.person(i);
        const QDate birth = parseDateText(person.BirthDate);
        if (birth.isValid())
            dated.push_back({person.Name, birth});
    }
    return dated;
}
