#pragma once

#include "core/Outcome.h"
#include "core/PersonFileLocation.h"

#include <QByteArray>
#include <vector>

class PersonList;

// LoadPersons and SavePersons: move the person list between memory and DATA.DAT and say what
// the user is to be told; the window that uses the store shows it. One store serves one opening
// of the person editor.
//
// Nothing the file held is lost: a file that was not read cleanly is kept as a backup copy
// (see Backups) before it is first overwritten, and a file that changed on disk since it was
// loaded, or that could not be read, is never overwritten; the list goes to a backup copy
// instead. A save that cuts the file short (written in place on a full disk) puts the old bytes
// back, or, where the file cannot take them, into a backup copy. The user is told which copy
// holds what. What is saved loads again cleanly with the same persons: a list holding a text
// the file cannot hold (see PersonFile::holds) is not written at all, and the user is told.
class PersonStore {
public:
    PersonStore(PersonList& persons, const PersonFileLocation& location);

    // Replaces the list with the file's contents. A missing file is no failure and leaves the
    // list as it is; after a failure, what was read before it stays (see PersonFile::read).
    // Only ordinary files are read, never more than PersonFile::MaxFileSize bytes.
    Outcome LoadPersons();

    // What a save has to tell, in this order: that the broken file loaded before is now kept as
    // a backup copy, then each failure.
    struct [[nodiscard]] Saved {
        UserText keptNotice; // empty unless the loaded file was just kept
        std::vector<Outcome> failures;
    };

    // Writes the list whole through a temporary file, so that a failed save leaves the previous
    // file as it was; in a folder that takes no new files the file is rewritten in place.
    Saved SavePersons();

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

    Outcome keepLoadedFile(UserText& notice);
    Outcome divert(const QByteArray& list, const UserText& reason);
    Outcome restoreSeen();

    PersonList& m_persons;
    PersonFileLocation m_location;
    bool m_loadFailed = false;
    Seen m_seen;
};
