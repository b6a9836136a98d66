#include "PersonLookup.h"

#include "core/DateRules.h"
#include "core/PersonFile.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"

#include <QCoreApplication>
#include <QDir>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PersonLookup)
};

FoundPerson failed(const QString& error) {
    return {{}, {}, error};
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
        return failed(Texts::tr("Die Person „%1“ ist nicht zu finden: es gibt keine "
                                "Personenliste %2.")
                          .arg(name, path));
    if (!file.opened || !file.contents.complete())
        return failed(Texts::tr("Die Personenliste %1 ist nicht lesbar: %2")
                          .arg(path, file.opened ? file.contents.readError : file.error));
    PersonList list;
    QString error;
    if (!PersonFile::parse(file.contents, list, &error, path))
        return failed(Texts::tr("Die Personenliste ist nicht lesbar: %1").arg(error));
    const int index = indexOf(list, name);
    if (index == 0)
        return failed(
            Texts::tr("Die Person „%1“ steht nicht in der Personenliste %2.").arg(name, path));
    const Person& person = list.person(index);
    const QDate birth = parseDateText(person.BirthDate);
    if (!birth.isValid())
        return failed(Texts::tr("Die Person „%1“ hat kein gültiges Geburtsdatum („%2“) in der "
                                "Personenliste %3.")
                          .arg(person.Name, person.BirthDate, path));
    return {person.Name, birth, {}};
}
