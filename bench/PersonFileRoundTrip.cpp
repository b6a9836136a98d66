// Figure 4: loading and saving the person file at its limit of 32767 persons with 30-character
// names, each through a QFile as the program does it, against the same work without parsing:
// reading the bytes, decoding the texts, whose places are known from how the file was made,
// into the same strings, encoding them into one buffer and writing it back.

#include "BenchReport.h"
#include "core/PersonFile.h"
#include "core/PersonList.h"
#include "core/Windows1252.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Runs = 60;
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

// Where one text of the file lies, between its quotes.
struct TextPlace {
    qsizetype start = 0;
    qsizetype size = 0;
};

// The places of the names and birth texts in the bytes of the list, in file order.
std::vector<TextPlace> textPlaces(const PersonList& list, qsizetype headSize) {
    std::vector<TextPlace> places;
    qsizetype pos = headSize;
    for (int i = 1; i <= list.personCount(); ++i) {
        for (const QString& text : {list.person(i).Name, list.person(i).BirthDate}) {
            places.push_back({pos + 1, text.size()});
            pos += text.size() + 4; // two quotes and CR LF
        }
    }
    return places;
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
    const QString floorPath = folder.filePath(QStringLiteral("FLOOR.DAT"));

    const PersonList original = fullList();
    const QByteArray bytes = PersonFile::bytes(original);
    for (const QString& path : {programPath, floorPath}) {
        QFile file(path);
        openOrFail(file, QIODevice::WriteOnly);
        file.write(bytes);
    }

    PersonList loaded;
    bool roundTripHeld = true;
    const auto programRun = [&] {
        QFile in(programPath);
        openOrFail(in, QIODevice::ReadOnly);
        loaded = PersonList();
        roundTripHeld = PersonFile::read(in, loaded).worked() && roundTripHeld;
        in.close();
        QFile out(programPath);
        openOrFail(out, QIODevice::WriteOnly);
        roundTripHeld = PersonFile::write(out, loaded).worked() && roundTripHeld;
    };
    const qsizetype headSize = bytes.indexOf("\r\n") + 2;
    const std::vector<TextPlace> places = textPlaces(original, headSize);
    const auto floorRun = [&] {
        QFile in(floorPath);
        openOrFail(in, QIODevice::ReadOnly);
        const QByteArray read = in.readAll();
        in.close();
        std::vector<QString> texts;
        texts.reserve(places.size());
        for (const TextPlace& place : places)
            texts.push_back(
                decodeWindows1252(QByteArrayView(read).sliced(place.start, place.size)));
        QByteArray written(read.size(), Qt::Uninitialized);
        char* end = std::copy_n(read.constData(), headSize, written.data());
        for (const QString& text : texts) {
            *end++ = '"';
            end = encodeWindows1252(text, end);
            end = std::copy_n("\"\r\n", 3, end);
        }
        QFile out(floorPath);
        openOrFail(out, QIODevice::WriteOnly);
        out.write(written);
    };
    const auto [programMs, floorMs] = timeInTurns(Runs, WarmUp, programRun, floorRun);

    for (const QString& path : {programPath, floorPath}) {
        QFile check(path);
        openOrFail(check, QIODevice::ReadOnly);
        if (!roundTripHeld || !(loaded == original) || check.readAll() != bytes) {
            std::fprintf(stderr, "%s did not survive load and save unchanged\n", qPrintable(path));
            return 1;
        }
    }
    printFigure({4, "Person file load + save (32767 persons)", median(programMs), median(floorMs),
                 "ms", 1.5, std::nullopt});
    printNote("Figure 4: " + std::to_string(Runs) + " round trips of a " +
              std::to_string(bytes.size() / 1024) + " KiB file; floor = readAll, the " +
              std::to_string(places.size()) +
              " texts decoded at known places and encoded back, one write, no parsing.");
    return 0;
}
