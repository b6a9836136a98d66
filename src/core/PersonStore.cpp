#include "PersonStore.h"

#include "core/Backups.h"
#include "core/PersonFile.h"
#include "core/PersonList.h"
#include "core/RegularFile.h"
#include "core/WholeFile.h"

#include <QDir>

namespace {
QString fileName() {
    return QLatin1String(PersonFile::FileName);
}
} // namespace

PersonStore::PersonStore(PersonList& persons, const PersonFileLocation& location)
    : m_persons(persons), m_location(location) {}

Outcome PersonStore::LoadPersons() {
    const PersonFile::OnDisk file = PersonFile::readFile(m_location.filePath());
    if (!file.exists) {
        m_seen = {Seen::State::NoFile, {}};
        return Outcome();
    }
    const bool opened = file.opening.worked();
    if (opened && file.contents.complete())
        m_seen = {Seen::State::Bytes, file.contents.bytes};
    else
        m_seen = {Seen::State::Unknown, {}};
    const Outcome loaded =
        opened ? PersonFile::parse(file.contents, m_persons)
               : Outcome::failure(
                     UserText("PersonStore",
                              QT_TRANSLATE_NOOP("PersonStore", "%1: Die Datei kann nicht geöffnet "
                                                               "werden: %2"))
                         .arg(fileName())
                         .arg(file.opening.said()));
    m_loadFailed = !loaded.worked();
    return loaded;
}

Outcome PersonStore::keepLoadedFile(UserText& notice) {
    const Backups::Kept kept = Backups::keep(m_location.backupPath(), m_seen.bytes);
    if (!kept.outcome.worked())
        return kept.outcome.within(
            UserText("PersonStore",
                     QT_TRANSLATE_NOOP("PersonStore",
                                       "%1 wurde nicht gespeichert, weil die Sicherungskopie "
                                       "nicht angelegt werden konnte: %2"))
                .arg(fileName()));
    notice = UserText("PersonStore",
                      QT_TRANSLATE_NOOP("PersonStore",
                                        "Die Datei %1 war beschädigt; ihr bisheriger Inhalt ist "
                                        "als %2 aufbewahrt."))
                 .arg(fileName())
                 .arg(QDir::toNativeSeparators(kept.path));
    return Outcome();
}

// Keeps the list in a backup copy instead of DATA.DAT, which stays as it is.
Outcome PersonStore::divert(const QByteArray& list, const UserText& reason) {
    const Backups::Kept kept = Backups::keep(m_location.backupPath(), list);
    if (!kept.outcome.worked())
        return kept.outcome.within(
            UserText("PersonStore",
                     QT_TRANSLATE_NOOP("PersonStore", "%1 Die Personenliste wurde nicht "
                                                      "gespeichert, auch nicht als "
                                                      "Sicherungskopie: %2"))
                .arg(reason));
    return Outcome::failure(
        UserText("PersonStore", QT_TRANSLATE_NOOP("PersonStore", "%1 Die Personenliste ist "
                                                                 "stattdessen als %2 gespeichert."))
            .arg(reason)
            .arg(QDir::toNativeSeparators(kept.path)));
}

PersonStore::Saved PersonStore::SavePersons() {
    Saved saved;
    if (Outcome held = PersonFile::checkHeld(m_persons); !held.worked()) {
        saved.failures.push_back(std::move(held));
        return saved;
    }
    const QByteArray list = PersonFile::bytes(m_persons);
    const QString path = m_location.filePath();
    if (!m_loadFailed && RegularFile::compare(path, list) == RegularFile::Comparison::Same) {
        m_seen = {Seen::State::Bytes, list}; // someone saved the same list meanwhile
        return saved;
    }
    // The file may be replaced while it is as it was loaded, or missing.
    const bool seenFile = m_seen.state == Seen::State::Bytes;
    const RegularFile::Comparison now = RegularFile::compare(path, m_seen.bytes);
    if (now != RegularFile::Comparison::Missing &&
        !(seenFile && now == RegularFile::Comparison::Same)) {
        const bool unreadable =
            now == RegularFile::Comparison::Unreadable || m_seen.state == Seen::State::Unknown;
        const UserText reason =
            unreadable ? UserText("PersonStore",
                                  QT_TRANSLATE_NOOP("PersonStore", "%1 kann nicht gelesen werden "
                                                                   "und wird darum nicht "
                                                                   "überschrieben."))
                       : UserText("PersonStore",
                                  QT_TRANSLATE_NOOP("PersonStore",
                                                    "%1 wurde seit dem Laden von einem anderen "
                                                    "Programm geändert und wird darum nicht "
                                                    "überschrieben."));
        saved.failures.push_back(divert(list, reason.arg(fileName())));
        return saved;
    }
    if (m_loadFailed && seenFile) {
        const Outcome kept = keepLoadedFile(saved.keptNotice);
        if (!kept.worked()) {
            saved.failures.push_back(kept);
            return saved;
        }
        m_loadFailed = false;
    }
    const Outcome written = writeWholeFile(path, list, true);
    if (!written.worked()) {
        saved.failures.push_back(written);
        if (const Outcome restored = restoreSeen(); !restored.worked())
            saved.failures.push_back(restored);
        return saved;
    }
    m_seen = {Seen::State::Bytes, list};
    return saved;
}

// Written in place, a failed save may have cut the file short; it gets its old bytes back.
// Where it cannot take them, they go to a backup copy, and the cut file stays as it is; once
// the old bytes are safe, a later save may replace it.
Outcome PersonStore::restoreSeen() {
    const QString path = m_location.filePath();
    if (m_seen.state != Seen::State::Bytes ||
        RegularFile::compare(path, m_seen.bytes) == RegularFile::Comparison::Same)
        return Outcome();
    const Outcome restored = writeWholeFile(path, m_seen.bytes, true);
    if (restored.worked())
        return restored;
    const Backups::Kept kept = Backups::keep(m_location.backupPath(), m_seen.bytes);
    if (!kept.outcome.worked())
        return kept.outcome.within(
            UserText("PersonStore",
                     QT_TRANSLATE_NOOP("PersonStore",
                                       "Die Datei %1 ist beim Speichern gekürzt worden und ließ "
                                       "sich nicht wiederherstellen; ihr bisheriger Inhalt ließ "
                                       "sich auch nicht als Sicherungskopie aufbewahren: %2"))
                .arg(fileName()));
    const PersonFile::OnDisk cut = PersonFile::readFile(path);
    m_seen = cut.opening.worked() && cut.contents.complete()
                 ? Seen{Seen::State::Bytes, cut.contents.bytes}
                 : Seen{Seen::State::Unknown, {}};
    return Outcome::failure(
        UserText("PersonStore",
                 QT_TRANSLATE_NOOP("PersonStore",
                                   "Die Datei %1 ist beim Speichern gekürzt worden und ließ sich "
                                   "nicht wiederherstellen; ihr bisheriger Inhalt ist als %2 "
                                   "aufbewahrt."))
            .arg(fileName())
            .arg(QDir::toNativeSeparators(kept.path)),
        restored);
}
