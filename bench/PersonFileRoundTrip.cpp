// Figure 4: loading and saving the person file at its limit of 32767 persons with 30-character
// names, each through a QFile as the program does it, against reading and writing the same
// bytes raw with QFile::readAll and QFile::write.

#include "BenchReport.h"
#include "PersonFile.h"
#include "PersonList.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Runs = 25;
constexpr int WarmUp = 3;

PersonList fullList() {
    PersonList list;
    const QDate first(1900, 1, 1);
    for (int i = 0; i < PersonList::MaxCount; ++i) {
        // 21 characters, three of them outside ASCII, and a 9-digit number: 30 in all.
        const QString name =
            QStringLiteral("Jürgen Weiß-Schröder %1").arg(i, 9, 10, QLatin1Char('0'));
        list.append({name, first.addDays(i).toString(QStringLiteral("dd.MM.yyyy"))});
    }
    list.setCurrentPerson(1);
    return list;
}

bool openOrFail(QFile& file, QIODevice::OpenMode mode) {
    if (file.open(mode))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString programPath = folder.filePath(QStringLiteral("DATA.DAT"));
    const QString rawPath = folder.filePath(QStringLiteral("RAW.DAT"));

    const PersonList original = fullList();
    const QByteArray bytes = PersonFile::bytes(original);
    for (const QString& path : {programPath, rawPath}) {
        QFile file(path);
        openOrFail(file, QIODevice::WriteOnly);
        file.write(bytes);
    }

    PersonList loaded;
    bool roundTripHeld = true;
    const std::vector<double> programMs = timeEach(Runs, WarmUp, [&] {
        QString error;
        QFile in(programPath);
        openOrFail(in, QIODevice::ReadOnly);
        loaded = PersonList();
        roundTripHeld = PersonFile::read(in, loaded, &error) && roundTripHeld;
        in.close();
        QFile out(programPath);
        openOrFail(out, QIODevice::WriteOnly);
        roundTripHeld = PersonFile::write(out, loaded, &error) && roundTripHeld;
    });
    const std::vector<double> rawMs = timeEach(Runs, WarmUp, [&] {
        QFile in(rawPath);
        openOrFail(in, QIODevice::ReadOnly);
        const QByteArray read = in.readAll();
        in.close();
        QFile out(rawPath);
        openOrFail(out, QIODevice::WriteOnly);
        out.write(read);
    });

    QFile check(programPath);
    openOrFail(check, QIODevice::ReadOnly);
    if (!roundTripHeld || !(loaded == original) || check.readAll() != bytes) {
        std::fprintf(stderr, "the person file did not survive load and save unchanged\n");
        return 1;
    }
    printFigure({4, "Person file load + save (32767 persons)", median(programMs), median(rawMs),
                 "ms", 3.0, std::nullopt});
    printNote("Figure 4: " + std::to_string(Runs) + " round trips of a " +
              std::to_string(bytes.size() / 1024) +
              " KiB file; floor = QFile readAll and write of the same bytes.");
    return 0;
}
