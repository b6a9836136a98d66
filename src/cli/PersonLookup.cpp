#include "PersonLookup.h"

#include "core/DateRules.h"
#include "core/PersonFile.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"

#include <QDir>

namespace {
FoundPerson failed(const UserText& sentence) {
    return {{}, {}, Outcome::failure(sentence)};
}

// Index from 1 of the person named so; 0 when there is none.
int indexOf(const PersonList& list, const QString& name) {
    for (int i = 1; i <= list.personCount(); ++i)
        if (list.person(i).Name == name)
            return i;
    int found = 0;
    for (int i = 1; i <= list.personCount(); ++i) {
        if (list.person(i).Name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (found)
            return 0;
        found = i;
    }
    return found;
}

} // namespace

FoundPerson findPerson(const PersonFileLocation& location, const QString& name) {
    const QString path = QDir::toNativeSeparators(location.filePath());
    const PersonFile::OnDisk file = PersonFile::readFile(location.filePath());
    if (!file.exists)
        return failed(UserText("PersonLookup",
                               QT_TRANSLATE_NOOP("PersonLookup",
                                                 "Die Person „%1“ ist nicht zu finden: es gibt "
                                                 "keine Personenliste %2."))
                          .arg(name)
                          .arg(path));
    const bool opened = file.opening.worked();
    if (!opened || !file.contents.complete())
        return failed(UserText("PersonLookup",
                               QT_TRANSLATE_NOOP("PersonLookup", "Die Personenliste %1 ist nicht "
                                                                 "lesbar: %2"))
                          .arg(path)
                          .arg(opened ? file.contents.readError : file.opening.said()));
    PersonList list;
    if (const Outcome read = PersonFile::parse(file.contents, list, path); !read.worked())
        return failed(
            UserText("PersonLookup",
                     QT_TRANSLATE_NOOP("PersonLookup", "Die Personenliste ist nicht lesbar: %1"))
                .arg(read.said()));
    const int index = indexOf(list, name);
    if (index == 0)
        return failed(UserText("PersonLookup",
                               QT_TRANSLATE_NOOP("PersonLookup", "Die Person „%1“ steht nicht in "
                                                                 "der Personenliste %2."))
                          .arg(name)
                          .arg(path));
    const Person& person = list.person(index);
    const QDate birth = parseDateText(person.BirthDate);
    if (!birth.isValid())
        return failed(UserText("PersonLookup",
                               QT_TRANSLATE_NOOP("PersonLookup",
                                                 "Die Person „%1“ hat kein gültiges "
                                                 "Geburtsdatum („%2“) in der Personenliste %3."))
                          .arg(person.Name)
                          .arg(person.BirthDate)
                          .arg(path));
    return {person.Name, birth, {}};
}
