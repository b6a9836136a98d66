// libFuzzer target for loading and saving DATA.DAT on disk, with the backup copies. The input's
// first byte chooses the situation: bit 0 puts an earlier backup beside the file, bit 1 lets
// another program rewrite the file between loading and saving. The rest is the file.
// It stops when a file that was not read cleanly, another program's file, an earlier backup or
// the list that was saved is found in no file afterwards, or when a saved file does not load
// cleanly with the same persons.

#include "core/PersonFile.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"
#include "core/PersonStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition) {
    if (!condition)
        std::abort();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArrayList contentsOf(const QString& folder) {
    QByteArrayList all;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(entry.filePath());
        check(file.open(QIODevice::ReadOnly));
        all << file.readAll();
    }
    return all;
}

const QByteArray EarlierBackup = "an earlier backup";
const QByteArray OtherProgram = "1,1\r\n\"Andere\"\r\n\"01.01.2000\"\r\n";
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t situation = data[0];
    const QByteArray file(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    QTemporaryDir dir;
    check(dir.isValid());
    const PersonFileLocation location(dir.path());
    put(location.filePath(), file);
    if (situation & 1)
        put(location.backupPath(), EarlierBackup);

    PersonList list;
    PersonStore store(list, location);
    const bool broken = !store.LoadPersons().worked();
    check(broken == store.lastLoadFailed());
    if (situation & 2)
        put(location.filePath(), OtherProgram);
    list.append(Person{QStringLiteral("Neu"), QStringLiteral("02.02.2002")});
    list.setCurrentPerson(list.personCount());
    for (int save = 0; save < 2; ++save) {
        // Whatever a save tells, a failure has something to say.
        const PersonStore::Saved saved = store.SavePersons();
        for (const Outcome& failure : saved.failures)
            check(!failure.text().isEmpty());
    }

    // A file read cleanly may be replaced by the list; anything else must still be there.
    const bool rewritten = (situation & 2) && file != OtherProgram;
    const QByteArrayList after = contentsOf(dir.path());
    check(!broken || rewritten || after.contains(file));
    check(!rewritten || after.contains(OtherProgram));
    check(!(situation & 1) || after.contains(EarlierBackup));
    check(after.contains(PersonFile::bytes(list)));
    check(after.size() <= 4);

    // What the store wrote as DATA.DAT loads cleanly, with the same persons.
    QFile saved(location.filePath());
    check(saved.open(QIODevice::ReadOnly));
    if (saved.readAll() == PersonFile::bytes(list)) {
        PersonList again;
        check(PersonStore(again, location).LoadPersons().worked());
        check(again == list);
    }
    return 0;
}
