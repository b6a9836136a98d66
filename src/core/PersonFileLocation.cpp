#include "PersonFileLocation.h"

#include "core/PersonFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Folders the package system owns are never written to, even where the user is root.
bool ownedByThePackageSystem(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) + QLatin1Char('/');
    return path.startsWith(QLatin1String("/usr/")) || path.startsWith(QLatin1String("/opt/"));
}
} // namespace

PersonFileLocation::PersonFileLocation(const QString& folder) : m_folder(folder) {}

PersonFileLocation PersonFileLocation::choose(const QString& programFolder,
                                              const QString& userFolder) {
    const QFileInfo folder(programFolder);
    const bool hasFile = QFileInfo::exists(QDir(programFolder).filePath(PersonFile::FileName));
    const bool programsOwn = !ownedByThePackageSystem(programFolder);
    if ((programsOwn && (hasFile || (folder.isDir() && folder.isWritable()))) ||
        userFolder.isEmpty())
        return PersonFileLocation(programFolder);
    return PersonFileLocation(userFolder);
}

PersonFileLocation PersonFileLocation::resolve(const QString& programFolder,
                                               const QString& userFolder) {
    const PersonFileLocation chosen = choose(programFolder, userFolder);
    if (chosen.folder() == userFolder)
        QDir().mkpath(userFolder);
    return chosen;
}

PersonFileLocation PersonFileLocation::forThisProgram() {
    return resolve(QCoreApplication::applicationDirPath(),
                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

PersonFileLocation PersonFileLocation::toReadForThisProgram() {
    return choose(QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString PersonFileLocation::filePath() const {
    return QDir(m_folder).filePath(PersonFile::FileName);
}

QString PersonFileLocation::backupPath() const {
    return filePath() + QLatin1String(".bak");
}
