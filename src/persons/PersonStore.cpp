#include "PersonStore.h"

#include "Dialogs.h"
#include "PersonFile.h"
#include "PersonList.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("PersonStore", text);
}
QString fileName() {
    return QLatin1String(PersonFile::FileName);
}
} // namespace

PersonStore::PersonStore(PersonList& persons, const PersonFileLocation& location, Dialogs& dialogs)
    : m_persons(persons), m_location(location), m_dialogs(dialogs) {}

void PersonStore::LoadPersons(QWidget* parent) {
    QFile file(m_location.filePath());
    if (!file.exists())
        return;
    QString error;
    if (!file.open(QIODevice::ReadOnly))
        error =
            tr("%1: Die Datei kann nicht geöffnet werden: %2").arg(fileName(), file.errorString());
    else if (PersonFile::read(file, m_persons, &error))
        return;
    m_loadFailed = true;
    m_dialogs.warn(parent, programTitle(), error);
}

bool PersonStore::keepBackup(QWidget* parent) {
    const QString path = m_location.filePath();
    const QString backup = m_location.backupPath();
    if (!QFile::exists(path))
        return true;
    QFile::remove(backup);
    QFile source(path);
    if (!source.copy(backup)) {
        m_dialogs.warn(
            parent, programTitle(),
            tr("%1 wurde nicht gespeichert, weil die Sicherungskopie %2 nicht angelegt "
               "werden konnte: %3")
                .arg(fileName(), fileName() + QLatin1String(".bak"), source.errorString()));
        return false;
    }
    m_dialogs.inform(parent, programTitle(),
                     tr("Die Datei %1 war beschädigt; ihr bisheriger Inhalt ist als %2 "
                        "aufbewahrt.")
                         .arg(fileName(), fileName() + QLatin1String(".bak")));
    return true;
}

void PersonStore::SavePersons(QWidget* parent) {
    if (m_loadFailed) {
        if (!keepBackup(parent))
            return;
        m_loadFailed = false;
    }
    QSaveFile file(m_location.filePath());
    QString error;
    if (!file.open(QIODevice::WriteOnly)) {
        error =
            tr("%1: Die Datei kann nicht angelegt werden: %2").arg(fileName(), file.errorString());
    } else if (!PersonFile::write(file, m_persons, &error)) {
        file.cancelWriting();
    } else if (!file.flush() || file.error() != QFileDevice::NoError) {
        // commit() alone does not notice a failure of the last flush and would put a truncated
        // file in place of the old one.
        error = tr("%1: Die Datei kann nicht geschrieben werden: %2")
                    .arg(fileName(), file.errorString());
        file.cancelWriting();
    } else if (!file.commit()) {
        error = tr("%1: Die Datei kann nicht geschrieben werden: %2")
                    .arg(fileName(), file.errorString());
    }
    if (!error.isEmpty())
        m_dialogs.warn(parent, programTitle(), error);
}
