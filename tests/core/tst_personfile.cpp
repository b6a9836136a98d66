#include "FailingDevice.h"
#include "TestLanguage.h"
#include "core/PersonFile.h"
#include "core/PersonFileLocation.h"
#include "core/PersonList.h"
#include "core/PersonStore.h"
#include "gui/persons/NameValidator.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using Names = QList<Person>;

PersonList listOf(const Names& persons, int current) {
    PersonList list;
    for (const Person& person : persons)
        list.append(person);
    list.setCurrentPerson(current);
    return list;
}

Names personsOf(const PersonList& list) {
    Names persons;
    for (int i = 1; i <= list.personCount(); ++i)
        persons << list.person(i);
    return persons;
}

Outcome readBytes(const QByteArray& bytes, PersonList& list) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return PersonFile::read(buffer, list);
}

// The list the broken-file cases start from, as an earlier load left it.
PersonList previousList() {
    return listOf({{"Alt Eins", "01.01.1950"}, {"Alt Zwei", "02.02.1960"}}, 2);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every entry of the folder and its bytes ("/" for a folder).
QMap<QString, QByteArray> filesIn(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        files[entry.fileName()] = entry.isDir() ? "/" : readAll(entry.filePath());
    return files;
}

// A store, with what it gave to tell the user, in order, each on one line.
struct Store {
    explicit Store(const QString& folder) : store(list, PersonFileLocation(folder)) {}
    PersonList list;
    PersonStore store;
    QStringList told;

    void load() {
        if (const Outcome loaded = store.LoadPersons(); !loaded.worked())
            told << loaded.text();
    }
    void save() {
        const PersonStore::Saved saved = store.SavePersons();
        if (!saved.keptNotice.isEmpty())
            told << saved.keptNotice.text();
        for (const Outcome& failure : saved.failures)
            told << failure.text();
    }
};

const QByteArray Anna = "1,1\r\n\"Anna\"\r\n\"08.11.1999\"\r\n";
} // namespace

class TestPersonFile : public QObject {
    Q_OBJECT
private slots:
    void writtenBytes_data();
    void writtenBytes();
    void unheldTextsAreNotWritten_data();
    void unheldTextsAreNotWritten();
    void roundTrip_data();
    void roundTrip();
    void codePage_data();
    void codePage();
    void lenientReading_data();
    void lenientReading();
    void brokenFiles_data();
    void brokenFiles();
    void failingDevices_data();
    void failingDevices();

    void missingFileIsSilent();
    void backups_data();
    void backups();
    void changedOnDisk_data();
    void changedOnDisk();
    void notAnOrdinaryFile_data();
    void notAnOrdinaryFile();
    void diskRefusing_data();
    void diskRefusing();
    void saveIntoImpossibleFolderIsReportedPerAttempt();
    void location_data();
    void location();
    void installedProgramKeepsTheFileWithTheUser();

    void validator_data();
    void validator();
};

void TestPersonFile::writtenBytes_data() {
    QTest::addColumn<Names>("persons");
    QTest::addColumn<int>("current");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty list") << Names{} << 0 << QByteArray("\x30\x2C\x30\x0D\x0A");
    QTest::newRow("Anna, 27 bytes") << Names{{"Anna", "08.11.1999"}} << 1
                                    << QByteArray::fromHex("312C310D0A"
                                                           "22416E6E61220D0A"
                                                           "2230382E31312E31393939220D0A");
    QTest::newRow("three, second current")
        << Names{{"A", "01.01.1601"}, {"", ""}, {"C", "31.12.9999"}} << 2
        << QByteArray(
               "3,2\r\n\"A\"\r\n\"01.01.1601\"\r\n\"\"\r\n\"\"\r\n\"C\"\r\n\"31.12.9999\"\r\n");
    QTest::newRow("umlauts as single bytes")
        << Names{{QString::fromUtf8("Jürgen Weiß"), "08.11.1999"}} << 1
        << QByteArray("1,1\r\n\"J\xFCrgen Wei\xDF\"\r\n\"08.11.1999\"\r\n");
    QTest::newRow("euro sign and typographic quotes")
        << Names{{QString::fromUtf8("€ „Lutz“"), ""}} << 1
        << QByteArray("1,1\r\n\"\x80 \x84Lutz\x93\"\r\n\"\"\r\n");
}

void TestPersonFile::writtenBytes() {
    QFETCH(Names, persons);
    QFETCH(int, current);
    QFETCH(QByteArray, bytes);
    const PersonList list = listOf(persons, current);
    QCOMPARE(PersonFile::bytes(list), bytes);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const Outcome written = PersonFile::write(buffer, list);
    QVERIFY2(written.worked(), qPrintable(written.text()));
    QCOMPARE(buffer.data(), bytes);
}

// A list holding what the file cannot hold is not written, neither to a device nor by the
// store: the file would not give it back.
void TestPersonFile::unheldTextsAreNotWritten_data() {
    QTest::addColumn<Names>("persons");
    QTest::addColumn<int>("refused"); // the person named
    QTest::newRow("quote in a name") << Names{{"Karl \"Kalle\" May", ""}} << 1;
    QTest::newRow("CR LF in a birth text")
        << Names{{"A", "01.01.2000"}, {"B", "01.01.\r\n2000"}} << 2;
    QTest::newRow("lone LF") << Names{{"A\nB", ""}} << 1;
    QTest::newRow("Cyrillic") << Names{{"Anna", ""}, {"", ""}, {QString::fromUtf8("Иван"), ""}}
                              << 3;
    QTest::newRow("C1 control the code page replaces")
        << Names{{QString::fromUtf16(u"a\u0085"), ""}} << 1;
}

void TestPersonFile::unheldTextsAreNotWritten() {
    QFETCH(Names, persons);
    QFETCH(int, refused);
    const QString said = QString("DATA.DAT wurde nicht gespeichert: Person %1 enthält Zeichen, die "
                                 "die Datei nicht aufnehmen kann. Sie nimmt nur westeuropäische "
                                 "Zeichen (Windows-1252) auf, keine Anführungszeichen und keine "
                                 "Zeilenumbrüche.")
                             .arg(refused);
    const PersonList list = listOf(persons, 1);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(PersonFile::write(buffer, list).text(), said);
    QVERIFY(buffer.data().isEmpty());

    QTemporaryDir dir;
    writeAll(dir.filePath("DATA.DAT"), Anna);
    Store s(dir.path());
    s.load();
    s.list = list;
    s.save();
    QCOMPARE(s.told, QStringList{said});
    QCOMPARE(filesIn(dir.path()), (QMap<QString, QByteArray>{{"DATA.DAT", Anna}}));
}

void TestPersonFile::roundTrip_data() {
    QTest::addColumn<Names>("persons");
    QTest::addColumn<int>("current");
    QTest::newRow("empty") << Names{} << 0;
    QTest::newRow("comma and blanks")
        << Names{{"Müller, Hans", "08.11.1999"}, {"  Leerzeichen  ", "29.02.2000"}} << 2;
    QTest::newRow("umlauts and sharp s")
        << Names{{QString::fromUtf8("Ärger Öl Über äöüß"), "01.01.1601"}} << 1;
    QTest::newRow("empty texts") << Names{{"", ""}, {"", "31.12.9999"}} << 1;
    QTest::newRow("every Windows-1252 letter")
        << Names{{QString::fromUtf8("ŠšŽžŒœŸ ƒ ˆ˜ ‰ ‹› – — ™ ¤ ÿ"), ""}} << 1;
}

void TestPersonFile::roundTrip() {
    QFETCH(Names, persons);
    QFETCH(int, current);
    const PersonList list = listOf(persons, current);
    PersonList reread = previousList();
    const Outcome read = readBytes(PersonFile::bytes(list), reread);
    QVERIFY2(read.worked(), qPrintable(read.text()));
    QCOMPARE(personsOf(reread), persons);
    QCOMPARE(reread.currentPerson(), current);
    QCOMPARE(reread.personCount(), persons.size());
}

// Names at every place of the words the code page conversion tests at once, and the
// characters on either side of the bytes 0x80 to 0x9F.
void TestPersonFile::codePage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<bool>("readBack"); // reading the bytes gives the name again
    QTest::newRow("unassigned bytes are their C1 controls")
        << QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << true;
    QTest::newRow("high bytes at the ends of words and in the rest")
        << QString::fromUtf16(u"abcdefg\u20ACijklmn\u0178opq\u2122")
        << QByteArray("abcdefg\x80ijklmn\x9Fopq\x99") << true;
    QTest::newRow("bytes beside the high range")
        << QString::fromUtf16(u"\u007F\u00A0\u00BF\u00C0\u00E0\u00FF\u0060\u0040")
        << QByteArray("\x7F\xA0\xBF\xC0\xE0\xFF\x60\x40") << true;
    QTest::newRow("C1 controls the code page replaced")
        << QString::fromUtf16(u"a\u0080b\u0085c\u009F") << QByteArray("a?b?c?") << false;
    QTest::newRow("low byte in the high range, high byte set")
        << QString::fromUtf16(u"\u2080\u0180\u0100xyz\u209F") << QByteArray("???xyz?") << false;
    QTest::newRow("emoji is two characters")
        << QString::fromUtf8("Tom 😀 Ann") << QByteArray("Tom ?? Ann") << false;
}

void TestPersonFile::codePage() {
    QFETCH(QString, name);
    QFETCH(QByteArray, written);
    QFETCH(bool, readBack);
    const QByteArray file = "1,1\r\n\"" + written + "\"\r\n\"\"\r\n";
    QCOMPARE(PersonFile::bytes(listOf({{name, ""}}, 1)), file);

    PersonList list;
    const Outcome read = readBytes(file, list);
    QVERIFY2(read.worked(), qPrintable(read.text()));
    QCOMPARE(list.person(1).Name == name, readBack);
    QCOMPARE(PersonFile::bytes(list), file);
}

void TestPersonFile::lenientReading_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Names>("persons");
    QTest::addColumn<int>("current");
    QTest::newRow("no final line end")
        << QByteArray("1,1\r\n\"Anna\"\r\n\"08.11.1999\"") << Names{{"Anna", "08.11.1999"}} << 1;
    QTest::newRow("LF only") << QByteArray("1,1\n\"Anna\"\n\"8.11.1999\"\n")
                             << Names{{"Anna", "8.11.1999"}} << 1;
    QTest::newRow("blanks around fields")
        << QByteArray(" 2 , 2 \r\n\"A\" \r\n\t\"x\"\r\n \"B\"\r\n\"y\"\r\n\r\n")
        << Names{{"A", "x"}, {"B", "y"}} << 2;
    QTest::newRow("unquoted texts are trimmed")
        << QByteArray("1,1\r\nAnna Berg  \r\n1999-11-08\r\n") << Names{{"Anna Berg", "1999-11-08"}}
        << 1;
    QTest::newRow("current above count is the last")
        << QByteArray("2,9\r\n\"A\"\r\n\"\"\r\n\"B\"\r\n\"\"\r\n") << Names{{"A", ""}, {"B", ""}}
        << 2;
    QTest::newRow("current 0 with persons is the first")
        << QByteArray("1,0\r\n\"A\"\r\n\"\"\r\n") << Names{{"A", ""}} << 1;
    QTest::newRow("empty list with a current") << QByteArray("0,5\r\n") << Names{} << 0;
    QTest::newRow("leading zeros and plus")
        << QByteArray("+001,-0\r\n\"A\"\r\n\"\"\r\n") << Names{{"A", ""}} << 1;
}

void TestPersonFile::lenientReading() {
    QFETCH(QByteArray, bytes);
    QFETCH(Names, persons);
    QFETCH(int, current);
    PersonList list = previousList();
    const Outcome read = readBytes(bytes, list);
    QVERIFY2(read.worked(), qPrintable(read.text()));
    QCOMPARE(personsOf(list), persons);
    QCOMPARE(list.currentPerson(), current);
}

void TestPersonFile::brokenFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::addColumn<Names>("persons"); // afterwards
    QTest::addColumn<int>("current");
    const Names previous = personsOf(previousList());
    QTest::newRow("empty file") << QByteArray()
                                << "DATA.DAT: Lesen über das Dateiende hinaus (Zeile 1)" << previous
                                << 2;
    QTest::newRow("count without current")
        << QByteArray("3\r\n") << "DATA.DAT: Lesen über das Dateiende hinaus (Zeile 2)" << previous
        << 2;
    QTest::newRow("count beyond 16 bits")
        << QByteArray("32768,1\r\n")
        << "DATA.DAT: Die Zahl 32768 liegt außerhalb von -32768 bis 32767 (Zeile 1)" << previous
        << 2;
    QTest::newRow("huge count")
        << QByteArray("99999999999999999999,1\r\n")
        << "DATA.DAT: Die Zahl 99999999999999999999 liegt außerhalb von -32768 bis 32767 (Zeile 1)"
        << previous << 2;
    QTest::newRow("negative count")
        << QByteArray("-1,0\r\n") << "DATA.DAT: Die Personenzahl -1 ist ungültig (Zeile 1)"
        << previous << 2;
    QTest::newRow("count not a number")
        << QByteArray("drei,1\r\n") << "DATA.DAT: »drei« ist keine Zahl (Zeile 1)" << previous << 2;
    QTest::newRow("empty count") << QByteArray(",1\r\n") << "DATA.DAT: »« ist keine Zahl (Zeile 1)"
                                 << previous << 2;
    QTest::newRow("fewer persons than announced")
        << QByteArray("3,2\r\n\"A\"\r\n\"01.01.2000\"\r\n\"B\"\r\n\"02.02.2000\"\r\n")
        << "DATA.DAT: Lesen über das Dateiende hinaus (Zeile 6)"
        << Names{{"A", "01.01.2000"}, {"B", "02.02.2000"}, {"", ""}} << 2;
    QTest::newRow("birth text missing")
        << QByteArray("1,1\r\n\"Anna\"\r\n")
        << "DATA.DAT: Lesen über das Dateiende hinaus (Zeile 3)" << Names{{"Anna", ""}} << 1;
    QTest::newRow("quote never closed") << QByteArray("2,1\r\n\"Anna\r\n\"08.11.1999\"\r\n")
                                        << "DATA.DAT: Lesen über das Dateiende hinaus (Zeile 4)"
                                        << Names{{"Anna", ""}, {"", ""}} << 1;
    QTest::newRow("field after the name")
        << QByteArray("1,1\r\n\"Anna\",\"Zusatz\"\r\n\"08.11.1999\"\r\n")
        << "DATA.DAT: Weiteres Feld nach einem Komma, wo die Zeile enden sollte (Zeile 2)"
        << Names{{"Anna", "Zusatz"}} << 1;
    QTest::newRow("third number in the first line")
        << QByteArray("1,1,9\r\n\"Anna\"\r\n\"08.11.1999\"\r\n")
        << "DATA.DAT: Weiteres Feld nach einem Komma, wo die Zeile enden sollte (Zeile 1)"
        << Names{{"9", "Anna"}} << 1;
    QTest::newRow("two persons on one line")
        << QByteArray(" 2 , 2 \r\n\"A\",\"x\", \"B\" ,\"y\"\r\n")
        << "DATA.DAT: Weiteres Feld nach einem Komma, wo die Zeile enden sollte (Zeile 2)"
        << Names{{"A", "x"}, {"B", "y"}} << 2;
    QTest::newRow("more persons than announced")
        << QByteArray("1,1\r\n\"A\"\r\n\"\"\r\n\r\n\"B\"\r\n\"\"\r\n")
        << "DATA.DAT: Mehr Einträge, als die Personenzahl 1 angibt (Zeile 5)" << Names{{"A", ""}}
        << 1;
    QTest::newRow("inner quote ends the name")
        << QByteArray("1,1\r\n\"Karl \"Kalle\" May\"\r\n\"\"\r\n")
        << "DATA.DAT: Text nach dem schließenden Anführungszeichen (Zeile 2)"
        << Names{{"Karl ", ""}} << 1;
    QTest::newRow("quote after the closing quote")
        << QByteArray("1,1\r\n\"Anna\"\" \r\n\"08.11.1999\"\r\n")
        << "DATA.DAT: Text nach dem schließenden Anführungszeichen (Zeile 2)"
        << Names{{"Anna", "08.11.1999"}} << 1;
    QTest::newRow("closing quote without an opening one")
        << QByteArray("1,1\r\nAnna\"\r\n\"08.11.1999\"\r\n")
        << "DATA.DAT: Anführungszeichen in einem Text ohne öffnendes Anführungszeichen (Zeile 2)"
        << Names{{"Anna", "08.11.1999"}} << 1;
    QTest::newRow("quotes inside an unquoted birth text")
        << QByteArray("1,1\n\"Anna\"\n08.\"11\".1999\n")
        << "DATA.DAT: Anführungszeichen in einem Text ohne öffnendes Anführungszeichen (Zeile 3)"
        << Names{{"Anna", "08.11.1999"}} << 1;
    QTest::newRow("line break inside quotes")
        << QByteArray("2,1\r\n\"A\"\r\n\"\"\r\n\"An\r\nna\"\r\n\"08.11.1999\"\r\n")
        << "DATA.DAT: Zeilenumbruch zwischen Anführungszeichen (Zeile 4)"
        << Names{{"A", ""}, {"Anna", "08.11.1999"}} << 1;
    QTest::newRow("lone CR inside quotes ends a line")
        << QByteArray("1,1\r\n\"An\rna\"\r\n")
        << "DATA.DAT: Lesen über das Dateiende hinaus (Zeile 4)" << Names{{"Anna", ""}} << 1;
    QTest::newRow("largest count, nothing behind it")
        << QByteArray("32767,32767\r\n") << "DATA.DAT: Lesen über das Dateiende hinaus (Zeile 2)"
        << Names(32767) << 32767;
}

void TestPersonFile::brokenFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QFETCH(Names, persons);
    QFETCH(int, current);
    PersonList list = previousList();
    const Outcome read = readBytes(bytes, list);
    QVERIFY(!read.worked());
    QCOMPARE(read.text(), error);
    QCOMPARE(list.personCount(), persons.size());
    QCOMPARE(personsOf(list), persons);
    QCOMPARE(list.currentPerson(), current);
    // What was read is written so that it reads back cleanly as it is.
    PersonList reread;
    QVERIFY(readBytes(PersonFile::bytes(list), reread).worked());
    QCOMPARE(reread, list);
}

// A device that fails while it is read or written. The failure is read in the language
// installed when it is read, not when it was made; the device's own words stay as they are.
void TestPersonFile::failingDevices_data() {
    QTest::addColumn<qint64>("failAfter");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("readError");
    QTest::addColumn<QString>("writeError");
    const QString notWritten = "DATA.DAT: Schreibfehler: Kein Platz mehr auf dem Gerät";
    QTest::newRow("at once") << qint64(0) << "de"
                             << "DATA.DAT: Lesefehler: Das Gerät ist nicht bereit (Zeile 1)"
                             << notWritten;
    QTest::newRow("inside the name")
        << qint64(8) << "de"
        << "DATA.DAT: Lesefehler: Das Gerät ist nicht bereit (Zeile 2)" << notWritten;
    QTest::newRow("before the last byte")
        << qint64(26) << "de"
        << "DATA.DAT: Lesefehler: Das Gerät ist nicht bereit (Zeile 3)" << notWritten;
    QTest::newRow("read in English") << qint64(8) << "en"
                                     << "DATA.DAT: Read error: Das Gerät ist nicht bereit (line 2)"
                                     << "DATA.DAT: Write error: Kein Platz mehr auf dem Gerät";
}

void TestPersonFile::failingDevices() {
    QFETCH(qint64, failAfter);
    QFETCH(QString, language);

    FailingDevice reading(Anna, failAfter);
    reading.open(QIODevice::ReadOnly);
    PersonList list = previousList();
    const Outcome read = PersonFile::read(reading, list);

    FailingDevice writing({}, failAfter);
    writing.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const Outcome written = PersonFile::write(writing, listOf({{"Anna", "08.11.1999"}}, 1));

    const TestLanguage speaking(language);
    QVERIFY(speaking.installed());
    QVERIFY(!read.worked());
    QTEST(read.text(), "readError");
    QVERIFY(!written.worked());
    QTEST(written.text(), "writeError");
}

void TestPersonFile::missingFileIsSilent() {
    QTemporaryDir dir;
    Store s(dir.path());
    s.list = previousList();
    s.load();
    QCOMPARE(s.list, previousList());
    QVERIFY(!s.store.lastLoadFailed());

    s.list = PersonList();
    s.save();
    QVERIFY(s.told.isEmpty());
    QCOMPARE(readAll(dir.filePath("DATA.DAT")), QByteArray("0,0\r\n"));
    QVERIFY(!QFile::exists(dir.filePath("DATA.DAT.bak")));
}

void TestPersonFile::backups_data() {
    QTest::addColumn<QByteArrayList>("earlier"); // DATA.DAT.bak, .bak.1, ...; "/" is a folder
    QTest::addColumn<QByteArray>("broken");
    QTest::addColumn<QString>("kept");
    QTest::newRow("first backup") << QByteArrayList{} << QByteArray("3,1\r\n\"Anna\"\r\n")
                                  << "DATA.DAT.bak";
    QTest::newRow("older backups stay")
        << QByteArrayList{"an older backup", "another"}
        << QByteArray("1,1\r\n\"Anna\",\"Zusatz\"\r\n\"08.11.1999\"\r\n") << "DATA.DAT.bak.2";
    QTest::newRow("same bytes are not copied again")
        << QByteArrayList{"other", "1,1\r\n\"A\"\r\n\"\"\r\n\"B\"\r\n"}
        << QByteArray("1,1\r\n\"A\"\r\n\"\"\r\n\"B\"\r\n") << "DATA.DAT.bak.1";
    QTest::newRow("text after a closing quote")
        << QByteArrayList{} << QByteArray("1,1\r\n\"Anna \"die Gro\xDF\x65\"\"\r\n\"\"\r\n")
        << "DATA.DAT.bak";
    QTest::newRow("closing quote without an opening one")
        << QByteArrayList{} << QByteArray("1,1\r\nAnna\"\r\n\"08.11.1999\"\r\n") << "DATA.DAT.bak";
    QTest::newRow("folder under a backup name")
        << QByteArrayList{"/"} << QByteArray("") << "DATA.DAT.bak.1";
}

void TestPersonFile::backups() {
    QFETCH(QByteArrayList, earlier);
    QFETCH(QByteArray, broken);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    for (int i = 0; i < earlier.size(); ++i) {
        const QString name = dir.filePath("DATA.DAT.bak" + (i ? "." + QString::number(i) : ""));
        earlier[i] == "/" ? void(QDir().mkdir(name)) : writeAll(name, earlier[i]);
    }
    writeAll(dir.filePath("DATA.DAT"), broken);
    auto files = filesIn(dir.path());

    Store s(dir.path());
    s.load();
    s.save();
    s.save();
    QCOMPARE(s.told.size(), 2);
    QCOMPARE(s.told[1], "Die Datei DATA.DAT war beschädigt; ihr bisheriger Inhalt ist als " +
                            dir.filePath(kept) + " aufbewahrt.");
    files[kept] = broken;
    files["DATA.DAT"] = PersonFile::bytes(s.list);
    QCOMPARE(filesIn(dir.path()), files);
}

void TestPersonFile::changedOnDisk_data() {
    QTest::addColumn<QByteArray>("atLoad"); // null: no file
    QTest::addColumn<QByteArray>("meanwhile");
    QTest::addColumn<bool>("diverted");
    const QByteArray berta = "1,1\r\n\"Berta\"\r\n\"01.02.2003\"\r\n";
    QTest::newRow("rewritten by another program") << Anna << berta << true;
    QTest::newRow("created meanwhile") << QByteArray() << berta << true;
    QTest::newRow("created empty meanwhile") << QByteArray() << QByteArray("") << true;
    QTest::newRow("removed meanwhile") << Anna << QByteArray() << false;
    QTest::newRow("written again, same bytes") << Anna << Anna << false;
    QTest::newRow("the same list saved by another program")
        << Anna << QByteArray("1,1\r\n\"Neu\"\r\n\"01.01.2000\"\r\n") << false;
}

void TestPersonFile::changedOnDisk() {
    QFETCH(QByteArray, atLoad);
    QFETCH(QByteArray, meanwhile);
    QFETCH(bool, diverted);
    QTemporaryDir dir;
    const QString path = dir.filePath("DATA.DAT");
    if (!atLoad.isNull())
        writeAll(path, atLoad);
    Store s(dir.path());
    s.load();
    s.list = listOf({{"Neu", "01.01.2000"}}, 1);
    QFile::remove(path);
    if (!meanwhile.isNull())
        writeAll(path, meanwhile);
    s.save();
    s.save();

    const QByteArray list = PersonFile::bytes(s.list);
    QCOMPARE(readAll(path), diverted ? meanwhile : list);
    QCOMPARE(readAll(path + ".bak"), diverted ? list : "<missing>");
    const QString told = "DATA.DAT wurde seit dem Laden von einem anderen Programm geändert und "
                         "wird darum nicht überschrieben. Die Personenliste ist stattdessen als " +
                         path + ".bak gespeichert.";
    QCOMPARE(s.told, diverted ? QStringList({told, told}) : QStringList());
}

void TestPersonFile::notAnOrdinaryFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString special = "Die Datei kann nicht geöffnet werden: Es ist keine gewöhnliche Datei "
                            "(sondern ein Ordner, ein Gerät oder eine Pipe)";
    QTest::newRow("FIFO") << "fifo" << special;
    QTest::newRow("link to /dev/zero") << "zero" << special;
    QTest::newRow("folder") << "folder" << special;
    QTest::newRow("larger than any list")
        << "large"
        << "Die Datei ist größer als 2048 MiB; so viel fasst keine Personenliste (Zeile 1)";
}

void TestPersonFile::notAnOrdinaryFile() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("DATA.DAT");
    if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(path), 0644), 0);
    if (kind == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    if (kind == "large") {
        writeAll(path, Anna);
        QVERIFY(QFile::resize(path, PersonFile::MaxFileSize + 1));
    }
    const auto before = QFileInfo(path);

    Store s(dir.path());
    s.list = previousList();
    s.load();
    QCOMPARE(s.list, previousList());
    s.save();
    QCOMPARE(s.told, QStringList({"DATA.DAT: " + reason,
                                  "DATA.DAT kann nicht gelesen werden und wird darum nicht "
                                  "überschrieben. Die Personenliste ist stattdessen als " +
                                      path + ".bak gespeichert."}));
    QCOMPARE(readAll(path + ".bak"), PersonFile::bytes(previousList()));
    const auto after = QFileInfo(path);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(after.size(), before.size());
}

// A full disk, and a program folder that takes no new files but holds a DATA.DAT the user may
// write. There the file is written in place, and a full disk cuts it short: it gets its old
// bytes back, or, where it cannot take them, they go to a backup copy, and the user is told.
void TestPersonFile::diskRefusing_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("earlier"); // DATA.DAT.bak before the save; null: none
    QTest::addColumn<QString>("name");       // of the person saved
    QTest::addColumn<QByteArray>("after");   // DATA.DAT after the save
    QTest::addColumn<int>("messages");       // a broken file is told of, and that it cannot be kept
    QTest::addColumn<QString>("said");       // in the last message; %1: the program's folder
    const QString large(20000, 'x');
    const QByteArray none;
    // The file size limit's reason, in our words whatever the system's language.
    const QString full = "Die Datei ist zu groß";
    // A list larger than the disk's room, which a full disk cuts short when it is put back.
    const QByteArray big = "1,1\r\n\"" + QByteArray(5000, 'y') + "\"\r\n\"01.01.2000\"\r\n";
    const QByteArray saved = PersonFile::bytes(listOf({{"Neu", "01.01.2000"}}, 1));
    const QString cut = "Die Datei DATA.DAT ist beim Speichern gekürzt worden und ließ sich nicht "
                        "wiederherstellen; ihr bisheriger Inhalt ";
    QTest::newRow("full disk, new list") << false << Anna << none << large << Anna << 1 << full;
    QTest::newRow("full disk, backup of a broken file")
        << false << QByteArray("1,1\r\n\"" + QByteArray(5000, 'x')) << none << "Neu"
        << QByteArray("1,1\r\n\"" + QByteArray(5000, 'x')) << 2 << full;
    QTest::newRow("read-only folder, good file")
        << true << Anna << none << "Neu" << saved << 0 << "";
    QTest::newRow("read-only folder, broken file")
        << true << QByteArray("2,1\r\n") << none << "Neu" << QByteArray("2,1\r\n") << 2
        << "Sicherungskopie";
    QTest::newRow("read-only folder, full disk, file put back")
        << true << Anna << none << large << Anna << 1 << full;
    QTest::newRow("read-only folder, full disk, file cut short and not kept")
        << true << big << none << large << big.left(4096) << 2
        << cut + "ließ sich auch nicht als Sicherungskopie aufbewahren: %1/DATA.DAT.bak: Die "
                 "Datei kann nicht angelegt werden: Zugriff verweigert";
    QTest::newRow("read-only folder, full disk, file cut short, kept before")
        << true << big << big << large << big.left(4096) << 2 << cut + "ist als ";
}

void TestPersonFile::diskRefusing() {
    QFETCH(bool, readOnly);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, earlier);
    QFETCH(QString, name);
    QFETCH(QByteArray, after);
    QFETCH(int, messages);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString program = dir.filePath("program");
    QVERIFY(QDir().mkdir(program));
    writeAll(program + "/DATA.DAT", file);
    if (!earlier.isNull())
        writeAll(program + "/DATA.DAT.bak", earlier);
    QCOMPARE(chmod(QFile::encodeName(program + "/DATA.DAT"), 0666), 0);
    QCOMPARE(chmod(QFile::encodeName(program), readOnly ? 0555 : 0777), 0);
    QCOMPARE(chmod(QFile::encodeName(dir.path()), 0755), 0);
    auto files = filesIn(program);

    // Root writes into any folder, so the save runs as "nobody" in a child process, where a
    // file size limit stands for a full disk. The child's exit code is its number of messages,
    // the last of which it sends through a pipe.
    int pipeEnds[2];
    QCOMPARE(pipe(pipeEnds), 0);
    const pid_t child = fork();
    if (child == 0) {
        const struct rlimit limit = {4096, 4096};
        std::signal(SIGXFSZ, SIG_IGN);
        if ((getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) ||
            setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(99);
        Store s(program);
        s.load();
        s.list = listOf({{name, "01.01.2000"}}, 1);
        s.save();
        const QByteArray last = s.told.value(s.told.size() - 1).toUtf8();
        _exit(write(pipeEnds[1], last.data(), last.size()) == last.size() ? s.told.size() : 98);
    }
    close(pipeEnds[1]);
    QFile lastMessage;
    QVERIFY(lastMessage.open(pipeEnds[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(WEXITSTATUS(status), messages);
    const QString last = QString::fromUtf8(lastMessage.readAll());
    QVERIFY2(last.contains(QString(said).replace("%1", program)), qPrintable(last));
    files["DATA.DAT"] = after;
    QCOMPARE(filesIn(program), files);
}

void TestPersonFile::saveIntoImpossibleFolderIsReportedPerAttempt() {
    QTemporaryDir dir;
    writeAll(dir.filePath("plain file"), "not a folder");
    Store s(dir.filePath("plain file/sub"));
    s.list = listOf({{"Anna", "08.11.1999"}}, 1);
    s.load();
    QVERIFY(s.told.isEmpty());
    for (int attempt = 1; attempt <= 3; ++attempt) {
        s.save();
        QCOMPARE(s.told.size(), attempt);
        QVERIFY2(s.told.last().startsWith(dir.filePath("plain file/sub/DATA.DAT") +
                                          ": Die Datei kann nicht angelegt werden: "),
                 qPrintable(s.told.last()));
    }
    QCOMPARE(s.list, listOf({{"Anna", "08.11.1999"}}, 1));
}

void TestPersonFile::location_data() {
    QTest::addColumn<QString>("program"); // relative to a fresh folder
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("writable program folder") << "bin" << false << "bin";
    QTest::newRow("program folder not a folder") << "plain file/bin" << false << "user/data";
    QTest::newRow("program folder missing") << "missing" << false << "user/data";
    QTest::newRow("file beside the program") << "bin" << true << "bin";
}

void TestPersonFile::location() {
    QFETCH(QString, program);
    QFETCH(bool, withFile);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("bin");
    writeAll(dir.filePath("plain file"), "not a folder");
    if (withFile)
        writeAll(dir.filePath(program + "/DATA.DAT"), "0,0\r\n");
    const auto location =
        PersonFileLocation::resolve(dir.filePath(program), dir.filePath("user/data"));
    QCOMPARE(location.filePath(), dir.filePath(chosen + "/DATA.DAT"));
    QCOMPARE(location.backupPath(), dir.filePath(chosen + "/DATA.DAT.bak"));
    QVERIFY(QFileInfo(location.folder()).isDir());
}

void TestPersonFile::installedProgramKeepsTheFileWithTheUser() {
    QTemporaryDir dir;
    for (const char* installed : {"/usr/lib/biorhythmus", "/opt/biorhythmus/bin", "/usr"}) {
        const auto location =
            PersonFileLocation::resolve(QLatin1String(installed), dir.filePath("user/data"));
        QCOMPARE(location.folder(), dir.filePath("user/data"));
    }
    QCOMPARE(PersonFileLocation::resolve(dir.path(), dir.filePath("user/data")).folder(),
             dir.path());
}

void TestPersonFile::validator_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("keptCursor");
    QTest::addColumn<QString>("refused");
    QTest::newRow("plain") << "Anna" << 4 << "Anna" << 4 << "";
    QTest::newRow("umlauts, euro, comma")
        << QString::fromUtf8("Jürgen, 5 €") << 3 << QString::fromUtf8("Jürgen, 5 €") << 3 << "";
    QTest::newRow("double quote") << "Karl \"Kalle\"" << 12 << "Karl Kalle" << 10 << "\"";
    QTest::newRow("Cyrillic and Polish")
        << QString::fromUtf8("Łukasz Иван") << 11 << "ukasz " << 6 << QString::fromUtf8("ŁИван");
    QTest::newRow("line breaks") << "a\r\nb" << 4 << "ab" << 2 << "\r\n";
    QTest::newRow("emoji") << QString::fromUtf8("A😀B") << 1 << "AB" << 1 << QString::fromUtf8("😀");
}

void TestPersonFile::validator() {
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(QString, kept);
    QFETCH(int, keptCursor);
    QFETCH(QString, refused);
    NameValidator validator;
    QStringList signalled;
    connect(&validator, &NameValidator::refused, this,
            [&](const QString& characters) { signalled << characters; });
    QString input = typed;
    int pos = cursor;
    QCOMPARE(validator.validate(input, pos), QValidator::Acceptable);
    QCOMPARE(input, kept);
    QCOMPARE(pos, keptCursor);
    QCOMPARE(signalled, refused.isEmpty() ? QStringList() : QStringList{refused});
}

QTEST_GUILESS_MAIN(TestPersonFile)
#include "tst_personfile.moc"
