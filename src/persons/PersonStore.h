#pragma once

#include "PersonFileLocation.h"

class Dialogs;
class PersonList;
class QWidget;

// LoadPersons and SavePersons: move the person list between memory and DATA.DAT and tell the
// user about every failure in a message box with an OK button. One store serves one opening of
// the person editor.
class PersonStore {
public:
    PersonStore(PersonList& persons, const PersonFileLocation& location, Dialogs& dialogs);

    // Replaces the list with the file's contents. A missing file is no failure and leaves the
    // list as it is; after a failure, what was read before it stays (see PersonFile::read).
    void LoadPersons(QWidget* parent);

    // Writes the list whole through a temporary file, so that a failed save leaves the previous
    // file as it was. When the last load failed on a file that exists, that file is first
    // copied to DATA.DAT.bak, so the user can still recover it.
    void SavePersons(QWidget* parent);

    bool lastLoadFailed() const { return m_loadFailed; }

private:
    bool keepBackup(QWidget* parent);

    PersonList& m_persons;
    PersonFileLocation m_location;
    Dialogs& m_dialogs;
    bool m_loadFailed = false;
};
