#include "PersonStore.h"

#include "Backups.h"
#include "Dialogs.h"
#include "PersonFile.h"
#include "PersonList.h"
#include "RegularFile.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>

namespace {
// The context of this file's texts for translators (lupdate reads it from here).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PersonStore)
};
QString fileName() {
    return QLatin1String(PersonFile::FileName);
}

using Snapshot = PersonStore::Snapshot;

// What lies under the name now: how it opened, the bytes read for the reader, and the snapshot.
struct Look {
    RegularFile::Opened opened;
    PersonFile::Contents contents;
    Snapshot snapshot;
};

Look look(const QString& path) {
    Look now{RegularFile::open(path), {}, {}};
    if (!now.opened.exists)
        now.snapshot.state = Snapshot::State::NoFile;
    if (!now.opened.file)
        return now;
    now.contents = PersonFile::readAll(*now.opened.file);
    if (now.contents.complete())
        now.snapshot = {Snapshot::State::Bytes, now.contents.bytes};
    return now;
}
} // namespace

PersonStore::PersonStore(PersonList& persons, const PersonFileLocation& location, Dialogs& dialogs)
    : m_persons(persons), m_location(location), m_dialogs(dialogs) {}

void PersonStore::LoadPersons(QWidget* parent) {
    const Look file = look(m_location.filePath());
    m_seen = file.snapshot;
    if (!file.opened.exists)
        return;
    QString error;
    if (!file.opened.file)
        error = file.opened.outcome.text();
    else if (PersonFile::parse(file.contents, m_persons, &error))
        return;
    m_loadFailed = true;
    m_dialogs.warn(parent, programTitle(), error);
}

bool PersonStore::keepLoadedFile(QWidget* parent) {
    const Backups::Kept kept = Backups::keep(m_location.backupPath(), m_seen.bytes);
    if (!kept.outcome.worked()) {
        m_dialogs.warn(
            parent, programTitle(),
            Texts::tr("%1 wurde nicht gespeichert, weil die Sicherungskopie nicht angelegt "
                      "werden konnte: %2")
                .arg(fileName(), kept.outcome.text()));
        return false;
    }
    m_dialogs.inform(parent, programTitle(),
                     Texts::tr("Die Datei %1 war beschädigt; ihr bisheriger Inhalt ist als %2 "
                               "aufbewahrt.")
                         .arg(fileName(), QDir::toNativeSeparators(kept.path)));
    return true;
}

// Keeps the list in a backup copy instead of DATA.DAT, which stays as it is.
void PersonStore::divert(QWidget* parent, const QByteArray& list, const QString& reason) {
    const Backups::Kept kept = Backups::keep(m_location.backupPath(), list);
    if (!kept.outcome.worked())
        m_dialogs.warn(parent, programTitle(),
                       Texts::tr("%1 Die Personenliste wurde nicht gespeichert, auch nicht als "
                                 "Sicherungskopie: %2")
                           .arg(reason, kept.outcome.text()));
    else
        m_dialogs.warn(parent, programTitle(),
                       Texts::tr("%1 Die Personenliste ist stattdessen als %2 gespeichert.")
                           .arg(reason, QDir::toNativeSeparators(kept.path)));
}

void PersonStore::SavePersons(QWidget* parent) {
    const QByteArray list = PersonFile::bytes(m_persons);
    const Snapshot now = look(m_location.filePath()).snapshot;
    const Snapshot saved{Snapshot::State::Bytes, list};
    if (now.sameBytes(saved) && !m_loadFailed) {
        m_seen = saved; // someone saved the same list meanwhile
        return;
    }
    if (!now.known() || (now.state == Snapshot::State::Bytes && !now.sameBytes(m_seen))) {
        divert(
            parent, list,
            !now.known() || !m_seen.known()
                ? Texts::tr("%1 kann nicht gelesen werden und wird darum nicht überschrieben.")
                      .arg(fileName())
                : Texts::tr("%1 wurde seit dem Laden von einem anderen Programm geändert und wird "
                            "darum nicht überschrieben.")
                      .arg(fileName()));
        return;
    }
    if (m_loadFailed && m_seen.state == Snapshot::State::Bytes) {
        if (!keepLoadedFile(parent))
            return;
        m_loadFailed = false;
    }
    const Outcome written = writeWholeFile(m_location.filePath(), list, true);
    if (!written.worked()) {
        restoreSeen();
        m_dialogs.warn(parent, programTitle(), written.text());
        return;
    }
    m_seen = saved;
}

// Written in place, a failed save may have cut the file short; it gets its old bytes back.
void PersonStore::restoreSeen() {
    if (m_seen.state != Snapshot::State::Bytes ||
        look(m_location.filePath()).snapshot.sameBytes(m_seen))
        return;
    writeWholeFile(m_location.filePath(), m_seen.bytes, true);
}
