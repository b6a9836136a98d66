#pragma once

#include <QString>

// Where DATA.DAT lies: the one place that decides the file's full path.
class PersonFileLocation {
public:
    // DATA.DAT in the given folder, as it is.
    explicit PersonFileLocation(const QString& folder);

    // The program's folder; but when that folder cannot be written to and holds no DATA.DAT,
    // or lies under /usr or /opt where the package system owns it, the user's data folder,
    // created when missing. The choice stays the same from run to run.
    static PersonFileLocation resolve(const QString& programFolder, const QString& userFolder);
    // The same choice without creating the user's data folder.
    static PersonFileLocation choose(const QString& programFolder, const QString& userFolder);

    // resolve() for the running program and QStandardPaths::AppDataLocation.
    static PersonFileLocation forThisProgram();

    // Where the running program finds the file, by the same choice as forThisProgram(), for a
    // reader that only looks: no folder is created.
    static PersonFileLocation toReadForThisProgram();

    QString folder() const { return m_folder; }
    QString filePath() const;
    QString backupPath() const;

private:
    QString m_folder;
};
