#include "PersonStore.h"

#include "core/Backups.h"
#include "core/PersonFile.h"
#include "core/PersonList.h"
#include "core/RegularFile.h"
#include "core/WholeFile.h"
#include "gui/platform/Dialogs.h"

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
} // namespace

PersonStore::PersonStore(PersonList& persons, const PersonFileLocation& location, Dialogs& dialogs)
    : m_persons(persons), m_location(location), m_dialogs(dialogs) {}

void PersonStore::LoadPersons(QWidget* parent) {
    const PersonFile::OnDisk file = PersonFile::readFile(m_location.filePath());
    if (!file.exists) {
        m_seen = {Seen::State::NoFile, {}};
        return;
    }
    if (file.opened && file.contents.complete())
        m_seen = {Seen::State::Bytes, file.contents.bytes};
    else
        m_seen = {Seen::State::Unknown, {}};
    QString error;
    if (!file.opened)
        error =
            Texts::tr("%1: Die Datei kann nicht geöffnet werden: %2").arg(fileName(), file.error);
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
    const QString path = m_location.filePath();
    if (!m_loadFailed && RegularFile::compare(path, list) == RegularFile::Comparison::Same) {
        m_seen = {Seen::State::Bytes, list}; // someone saved the same list meanwhile
        return;
    }
    // The file may be replaced while it is as it was loaded, or missing.
    const bool seenFile = m_seen.state == Seen::State::Bytes;
    const RegularFile::Comparison now = RegularFile::compare(path, m_seen.bytes);
    if (now != RegularFile::Comparison::Missing &&
        !(seenFile && now == RegularFile::Comparison::Same)) {
        divert(
            parent, list,
            now == RegularFile::Comparison::Unreadable || m_seen.state == Seen::State::Unknown
                ? Texts::tr("%1 kann nicht gelesen werden und wird darum nicht überschrieben.")
                      .arg(fileName())
                : Texts::tr("%1 wurde seit dem Laden von einem anderen Programm geändert und wird "
                            "darum nicht überschrieben.")
                      .arg(fileName()));
        return;
    }
    if (m_loadFailed && seenFile) {
        if (!keepLoadedFile(parent))
            return;
        m_loadFailed = false;
    }
    const Outcome written = writeWholeFile(path, list, true);
    if (!written.worked()) {
        restoreSeen();
        m_dialogs.warn(parent, programTitle(), written.text());
        return;
    }
    m_seen = {Seen::State::Bytes, list};
}

// Written in place, a failed save may have cut the file short; it gets its old bytes back.
void PersonStore::restoreSeen() {
    if (m_seen.state != Seen::State::Bytes ||
        RegularFile::compare(m_location.filePath(), m_seen.bytes) == RegularFile::Comparison::Same)
        return;
    writeWholeFile(m_location.filePath(), m_seen.bytes, true);
}
