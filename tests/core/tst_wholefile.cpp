// Writing a file against what lies under its name: an ordinary file replaced whole or not at
// all, a device, FIFO or terminal written into as it is, the owner and mode of a file written
// over, and names that are bytes rather than UTF-8. What happened is read back through the
// system (lstat, readdir, the other end of a FIFO or terminal), not through the code under test.

#include "FullDisk.h"
#include "core/FileName.h"
#include "core/WholeFile.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {
const QByteArray Content = "Biorhythmus: neuer Inhalt";
const QByteArray OldContent = "alter Inhalt";
constexpr uid_t Nobody = 65534; // and its group, nogroup

// Each byte as the one code unit that stands for it in a name that is no UTF-8: U+DC00 + byte.
QString keptBytes(const char* bytes) {
    QString kept;
    for (const char* byte = bytes; *byte; ++byte)
        kept += QChar(char16_t(0xDC00 + quint8(*byte)));
    return kept;
}

// What lies under the name, as the system sees it: "file", "FIFO", "character device 1,3",
// "folder", "socket", "block device", "none", each after "link to " for a link.
QString kindOf(const QByteArray& name) {
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return "none";
    QString link;
    if (S_ISLNK(info.st_mode)) {
        link = "link to ";
        if (::stat(name.constData(), &info) != 0)
            return link + "none";
    }
    if (S_ISREG(info.st_mode))
        return link + "file";
    if (S_ISFIFO(info.st_mode))
        return link + "FIFO";
    if (S_ISDIR(info.st_mode))
        return link + "folder";
    if (S_ISSOCK(info.st_mode))
        return link + "socket";
    if (S_ISBLK(info.st_mode))
        return link + "block device";
    return link +
           QString("character device %1,%2").arg(major(info.st_rdev)).arg(minor(info.st_rdev));
}

QByteArray readFile(const QByteArray& name) {
    QByteArray bytes;
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "<unreadable>";
    char piece[4096];
    for (ssize_t got; (got = ::read(fd, piece, sizeof piece)) > 0;)
        bytes.append(piece, got);
    ::close(fd);
    return bytes;
}

void writeFile(const QByteArray& name, const QByteArray& bytes) {
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), bytes.size()), bytes.size());
    ::close(fd);
}

// The entries of a folder as the system names them: bytes.
QList<QByteArray> entriesOf(const QByteArray& folder) {
    QList<QByteArray> names;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                names << entry->d_name;
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Works in the folder for as long as this lives.
class WorkingFolder {
public:
    explicit WorkingFolder(const QByteArray& folder) : m_before(::getcwd(nullptr, 0)) {
        QVERIFY(::chdir(folder.constData()) == 0);
    }
    ~WorkingFolder() {
        QVERIFY(::chdir(m_before) == 0);
        std::free(m_before);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    char* m_before;
};

// What writing said, or "" where it worked.
// What a failed write says, the path it was given shown as "<path>".
QString said(const QString& path, const QByteArray& bytes) {
    const Outcome written = writeWholeFile(path, bytes, false);
    return written.worked() ? QString() : written.text().replace(path, QStringLiteral("<path>"));
}

// The same in a child process as the user uid, since root may write anything.
QString saidAs(uid_t uid, const QString& path, const QByteArray& bytes) {
    if (uid == ::getuid())
        return said(path, bytes);
    int ends[2];
    if (::pipe(ends) != 0)
        return "<no pipe>";
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(uid) != 0 || ::setuid(uid) != 0)
            _exit(99);
        const QByteArray words = said(path, bytes).toUtf8();
        _exit(::write(ends[1], words.constData(), words.size()) == words.size() ? 0 : 98);
    }
    ::close(ends[1]);
    QByteArray words;
    char piece[1024];
    for (ssize_t got; (got = ::read(ends[0], piece, sizeof piece)) > 0;)
        words.append(piece, got);
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? QString::fromUtf8(words)
                                                         : QString("<child failed>");
}
} // namespace

class TestWholeFile : public QObject {
    Q_OBJECT
private slots:
    void whatLiesUnderTheName_data();
    void whatLiesUnderTheName();
    void ownerAndMode_data();
    void ownerAndMode();
    void namesAreBytes_data();
    void namesAreBytes();
    void failedWriteLeavesTheOldFile();
};

void TestWholeFile::whatLiesUnderTheName_data() {
    QTest::addColumn<QString>("kind");      // what lies under the name before
    QTest::addColumn<QString>("after");     // and after
    QTest::addColumn<QByteArray>("landed"); // the bytes where the writing lands
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<QByteArray>>("left"); // in the folder afterwards
    const QList<QByteArray> out{"out"};
    const QString refused =
        "<path>: Die Datei kann nicht angelegt werden: Unter dem Namen liegt ein "
        "Ordner, ein Laufwerk oder ein Socket; er wird nicht ersetzt";
    QTest::newRow("nothing") << "none"
                             << "file" << Content << "" << out;
    QTest::newRow("ordinary file") << "file"
                                   << "file" << Content << "" << out;
    QTest::newRow("link to a file")
        << "link to file"
        << "link to file" << Content << "" << QList<QByteArray>{"out", "target"};
    QTest::newRow("link to nothing yet")
        << "link to none"
        << "link to file" << Content << "" << QList<QByteArray>{"out", "target"};
    QTest::newRow("FIFO") << "FIFO"
                          << "FIFO" << Content << "" << out;
    QTest::newRow("terminal") << "terminal"
                              << "character device " << Content << "" << QList<QByteArray>{};
    QTest::newRow("copy of /dev/null") << "character device 1,3"
                                       << "character device 1,3" << QByteArray() << "" << out;
    QTest::newRow("copy of /dev/full")
        << "character device 1,7"
        << "character device 1,7" << QByteArray()
        << "<path>: Die Datei kann nicht geschrieben werden: Auf dem Datenträger ist kein Platz "
           "mehr"
        << out;
    QTest::newRow("folder") << "folder"
                            << "folder" << QByteArray() << refused << out;
    QTest::newRow("socket") << "socket"
                            << "socket" << QByteArray() << refused << out;
    QTest::newRow("disk") << "block device"
                          << "block device" << QByteArray() << refused << out;
}

void TestWholeFile::whatLiesUnderTheName() {
    QFETCH(QString, kind);
    QFETCH(QString, after);
    QFETCH(QByteArray, landed);
    QFETCH(QString, message);
    QFETCH(QList<QByteArray>, left);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    QByteArray name = folder + "/out";
    QByteArray landing = name; // where the bytes are read back
    if (kind.startsWith("character device") || kind == "block device") {
        if (::getuid() != 0)
            QSKIP("making a device node needs root");
        const dev_t device = kind == "block device"           ? ::makedev(240, 0) // unused
                             : kind == "character device 1,3" ? ::makedev(1, 3)
                                                              : ::makedev(1, 7);
        QCOMPARE(
            ::mknod(name.constData(), (kind == "block device" ? S_IFBLK : S_IFCHR) | 0666, device),
            0);
    }
    if (kind == "file")
        writeFile(name, OldContent);
    if (kind.startsWith("link to")) {
        landing = folder + "/target";
        if (kind == "link to file")
            writeFile(landing, OldContent);
        QCOMPARE(::symlink("target", name.constData()), 0);
    }
    if (kind == "folder")
        QCOMPARE(::mkdir(name.constData(), 0755), 0);
    if (kind == "socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    // The other end of a FIFO or terminal, opened before, holds what arrives: a few bytes, which
    // fit into its buffer.
    int readEnd = -1;
    QByteArray received;
    if (kind == "FIFO") {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
        readEnd = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    }
    if (kind == "terminal") {
        readEnd = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(readEnd >= 0 && ::grantpt(readEnd) == 0 && ::unlockpt(readEnd) == 0);
        name = ::ptsname(readEnd);
        // Raw, so that the terminal passes the bytes on as they are written.
        const int terminal = ::open(name.constData(), O_RDWR | O_NOCTTY);
        termios mode{};
        ::tcgetattr(terminal, &mode);
        ::cfmakeraw(&mode);
        ::tcsetattr(terminal, TCSANOW, &mode);
        ::close(terminal);
    }

    QCOMPARE(said(QFile::decodeName(name), Content), message);
    QVERIFY2(kindOf(name).startsWith(after), qPrintable(kindOf(name)));
    if (readEnd >= 0) {
        received.resize(Content.size() + 1);
        received.resize(std::max<ssize_t>(0, ::read(readEnd, received.data(), received.size())));
        ::close(readEnd);
    }
    if (kind != "FIFO" && kind != "terminal" && after.endsWith("file"))
        received = readFile(landing);
    QCOMPARE(received, landed);
    // Nothing left beside it: no temporary file, whether the writing worked or not.
    QCOMPARE(entriesOf(folder), left);
}

// A file written over keeps its owner, group and mode. Root writes anything, and so keeps
// what it finds; a user neither writes a file whose mode says no (as the shell's ">" would
// not) nor takes over another user's file by replacing it.
void TestWholeFile::ownerAndMode_data() {
    QTest::addColumn<uint>("owner"); // user and group of the file before
    QTest::addColumn<uint>("mode");
    QTest::addColumn<uint>("writer");
    QTest::addColumn<QString>("message");
    const QString notPermitted = "<path>: Die Datei wird nicht ersetzt, denn die neue gehörte "
                                 "nicht mehr demselben Benutzer und derselben Gruppe wie die "
                                 "alte: Der Vorgang ist nicht erlaubt";
    QTest::newRow("root over a user's 640 file") << uint(Nobody) << 0640u << 0u << "";
    QTest::newRow("root over a 444 file") << 0u << 0444u << 0u << "";
    QTest::newRow("root over a set-group-ID file") << uint(Nobody) << 02750u << 0u << "";
    QTest::newRow("user over an own 664 file") << uint(Nobody) << 0664u << uint(Nobody) << "";
    QTest::newRow("user over an own 444 file")
        << uint(Nobody) << 0444u << uint(Nobody)
        << "<path>: Die Datei kann nicht geschrieben werden: Zugriff verweigert";
    QTest::newRow("user over root's writable file") << 0u << 0666u << uint(Nobody) << notPermitted;
}

void TestWholeFile::ownerAndMode() {
    QFETCH(uint, owner);
    QFETCH(uint, mode);
    QFETCH(uint, writer);
    QFETCH(QString, message);
    if (::getuid() != 0)
        QSKIP("files of other users need root");
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/shared";
    const QByteArray name = folder + "/out";
    QCOMPARE(::chmod(QFile::encodeName(dir.path()), 0755), 0);
    QCOMPARE(::mkdir(folder.constData(), 0777), 0);
    QCOMPARE(::chmod(folder.constData(), 0777), 0); // whatever the umask
    writeFile(name, OldContent);
    QCOMPARE(::chown(name.constData(), owner, owner), 0);
    QCOMPARE(::chmod(name.constData(), mode), 0);

    QCOMPARE(saidAs(writer, QFile::decodeName(name), Content), message);
    struct stat info {};
    QCOMPARE(::stat(name.constData(), &info), 0);
    QCOMPARE(uint(info.st_uid), owner);
    QCOMPARE(uint(info.st_gid), owner);
    QCOMPARE(uint(info.st_mode & 07777), mode);
    QCOMPARE(readFile(name), message.isEmpty() ? Content : OldContent);
    QCOMPARE(entriesOf(folder), QList<QByteArray>{"out"});
}

// A name is written as the bytes it came as, in a folder named in any encoding, whether it is
// the working folder or named in the path.
void TestWholeFile::namesAreBytes_data() {
    QTest::addColumn<QByteArray>("folder"); // made in a fresh folder, and worked in
    QTest::addColumn<QByteArray>("name");   // as given, relative to it
    QTest::addColumn<QString>("shown");     // the name as a text, where it is shown
    QTest::newRow("not UTF-8") << QByteArray("work") << QByteArray("bericht\xff.txt")
                               << "bericht" + keptBytes("\xff") + ".txt";
    QTest::newRow("working folder named in Latin-1")
        << QByteArray("M\xfcller") << QByteArray("woche.csv") << "woche.csv";
    QTest::newRow("folder in the path named in Latin-1")
        << QByteArray("work") << QByteArray("M\xfcller/woche.csv")
        << "M" + keptBytes("\xfc") + "ller/woche.csv";
    QTest::newRow("UTF-8") << QByteArray("work") << QByteArray("M\xc3\xbcller.txt") << "Müller.txt";
    QTest::newRow("a surrogate in UTF-8 form")
        << QByteArray("work") << QByteArray("\xed\xb3\xbf") << keptBytes("\xed\xb3\xbf");
    QTest::newRow("beyond U+FFFF, then a lone byte")
        << QByteArray("work") << QByteArray("\xf0\x9f\x98\x80\xff")
        << QString::fromUtf8("\xf0\x9f\x98\x80") + keptBytes("\xff");
    QTest::newRow("overlong slash")
        << QByteArray("work") << QByteArray("a\xc0\xaf") << "a" + keptBytes("\xc0\xaf");
    QTest::newRow("sequence cut short")
        << QByteArray("work") << QByteArray("\xe2\x82") << keptBytes("\xe2\x82");
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("work") << QByteArray("\xf4\x90\x80\x80") << keptBytes("\xf4\x90\x80\x80");
}

void TestWholeFile::namesAreBytes() {
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    const QByteArray work = QFile::encodeName(dir.path()) + "/" + folder;
    QCOMPARE(::mkdir(work.constData(), 0755), 0);
    // The name's own folder, if it has one, or the name itself.
    const QByteArray first = name.contains('/') ? name.left(name.indexOf('/')) : name;
    if (first != name)
        QCOMPARE(::mkdir((work + "/" + first).constData(), 0755), 0);
    QCOMPARE(fileNameFromBytes(name), shown);
    QString message;
    {
        const WorkingFolder in(work);
        message = said(shown, Content);
    }
    QCOMPARE(message, QString());
    QCOMPARE(fileNameBytes(shown), name);
    QCOMPARE(readFile(work + "/" + name), Content);
    // Under exactly that name, and under no other, such as its bytes read as UTF-8 and back.
    QCOMPARE(entriesOf(work), QList<QByteArray>{first});
}

// A disk that fills up halfway leaves the old file as it was and nothing beside it.
void TestWholeFile::failedWriteLeavesTheOldFile() {
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.filePath("out"));
    writeFile(name, OldContent);
    QString message;
    {
        const FullDisk full;
        QVERIFY(full.limited());
        message = said(QFile::decodeName(name), QByteArray(3 * FullDisk::Room, 'x'));
    }
    QCOMPARE(message, "<path>: Die Datei kann nicht geschrieben werden: Die Datei ist zu groß");
    QCOMPARE(readFile(name), OldContent);
    QCOMPARE(entriesOf(QFile::encodeName(dir.path())), QList<QByteArray>{"out"});
}

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
