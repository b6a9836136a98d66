#pragma once

#include "core/PersonFileLocation.h"

#include <QByteArray>

class Dialogs;
class PersonList;
class QWidget;

// LoadPersons and SavePersons: move the person list between memory and DATA.DAT and tell the
// user about every failure in a message box with an OK button. One store serves one opening of
// the person editor.
//
// Nothing the file held is lost: a file that was not read cleanly is kept as a backup copy
// (see Backups) before it is first overwritten, and a file that changed on disk since it was
// loaded, or that could not be read, is never overwritten; the list goes to a backup copy
// instead. The user is told which copy holds what.
class PersonStore {
public:
    PersonStore(PersonList& persons, const PersonFileLocation& location, Dialogs& dialogs);

    // Replaces the list with the file's contents. A missing file is no failure and leaves the
    // list as it is; after a failure, what was read before it stays (see PersonFile::read).
    // Only ordinary files are read, never more than PersonFile::MaxFileSize bytes.
    void LoadPersons(QWidget* parent);

    // Writes the list whole through a temporary file, so that a failed save leaves the previous
    // file as it was; in a folder that takes no new files the file is rewritten in place.
    void SavePersons(QWidget* parent);

    bool lastLoadFailed() const { return m_loadFailed; }

private:
    // What lay under the file's name when it was last loaded or saved:
    //   Unknown  not looked at yet, or it could not be read whole;
    //   NoFile   nothing lay there;
    //   Bytes    an ordinary file holding bytes, perhaps none (an empty file is not NoFile).
    struct Seen {
        enum class State { Unknown, NoFile, Bytes };
        State state = State::Unknown;
        QByteArray bytes; // empty unless state is Bytes
    };

    bool keepLoadedFile(QWidget* parent);
    void divert(QWidget* parent, const QByteArray& list, const QString& reason);
    void restoreSeen();

    PersonList& m_persons;
    PersonFileLocation m_location;
    Dialogs& m_dialogs;
    bool m_loadFailed = false;
    Seen m_seen;
};
