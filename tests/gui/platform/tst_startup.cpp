// The real program started on a private Xvfb (startup-test.sh) over what a hostile disk or a
// careless desktop leaves for it: lock files nobody answers for, another program listening
// under the socket's name, a socket a cleaner removed, runtime folders it must not use or whose
// paths are long, a clip that is a pipe. Every start ends with one program window, or, where
// starting is impossible, with a message and a non-zero status; a runtime folder passed over
// is told. Each row runs copies of the program
// in a folder of its own, since the program keeps DATA.DAT beside itself. A start is waited for
// until its window is mapped or the program has ended, up to a ceiling that only a hang reaches.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <csignal>
#include <cstring>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Long: $XDG_RUNTIME_DIR of 80 characters, TooLong: of 100, so that the socket's path does not
// fit its 107 bytes; LongTemp: $TMPDIR of 60 characters and no $XDG_RUNTIME_DIR.
enum class Runtime {
    Private,
    Unset,
    ReadOnly,
    OthersWritable,
    Relative,
    Long,
    TooLong,
    LongTemp,
    NoneFit
};
enum class Before {
    Nothing,
    FirstRunning,
    FirstKilled,
    FirstKilledSocketGone,
    FirstRunningSocketGone,
    ForeignListener, // this test listens under the socket's name
};

QString output(const QStringList& command) {
    QProcess process;
    process.start(command.first(), command.mid(1));
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QStringList windowsOf(const QProcess& run) {
    return output({"xdotool", "search", "--onlyvisible", "--pid", QString::number(run.processId())})
        .split(u'\n', Qt::SkipEmptyParts);
}

// A folder in parent whose path has the given length.
QString padded(const QDir& parent, int length) {
    const QString path = parent.filePath(QString(length - parent.path().size() - 1, u'x'));
    parent.mkpath(path);
    return path;
}

// A local socket's address for the path; the path fits, as the rows make it.
sockaddr_un addressOf(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return address;
}

// Listens at the path as another program would; the socket's descriptor, closed by the caller.
int listenAt(const QString& path) {
    const sockaddr_un address = addressOf(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 8) != 0)
        qFatal("cannot listen at %s", qPrintable(path));
    return fd;
}

// The process listening at the socket, as the system names it; 0 when none does.
qint64 listenerAt(const QString& path) {
    const sockaddr_un address = addressOf(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ucred peer{};
    socklen_t size = sizeof peer;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0;
    ::close(fd);
    return connected ? peer.pid : 0;
}

// One row's world: a program folder, a runtime folder as the row wants it, the environment.
struct Scene {
    QTemporaryDir root;
    QDir at{root.path()};
    QString programFolder = at.filePath("program");
    QString privateFolder = at.filePath("run"); // where the lock is to be
    QString runtimeGiven;                       // $XDG_RUNTIME_DIR as the row sets it
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    explicit Scene(Runtime runtime) {
        at.mkpath("program");
        at.mkpath("tmp");
        // The program with the library that holds its window.
        const QFileInfo original(qEnvironmentVariable("BIO_PROGRAM"));
        for (const QString& name : {original.fileName(), QStringLiteral("libbiorhythmus-gui.so")})
            QFile::copy(original.dir().filePath(name), programFolder + '/' + name);
        environment.remove("XDG_RUNTIME_DIR");
        const QHash<Runtime, QPair<QString, int>> given{{Runtime::Private, {"run", 0700}},
                                                        {Runtime::ReadOnly, {"read-only", 0500}},
                                                        {Runtime::OthersWritable, {"all", 0777}},
                                                        {Runtime::Relative, {"program", 0700}}};
        if (given.contains(runtime)) {
            const auto [path, mode] = given[runtime];
            at.mkpath(path);
            ::chmod(QFile::encodeName(at.filePath(path)).constData(), mode);
            runtimeGiven = runtime == Runtime::Relative ? path : at.filePath(path);
        }
        if (runtime == Runtime::Long || runtime == Runtime::TooLong)
            runtimeGiven = padded(at, runtime == Runtime::Long ? 80 : 100);
        if (!runtimeGiven.isEmpty())
            environment.insert("XDG_RUNTIME_DIR", runtimeGiven);
        const QString temp = runtime == Runtime::LongTemp ? padded(at, 60) : at.filePath("tmp");
        environment.insert("TMPDIR", temp);
        // Else the program's own folder in TMPDIR; where none fits, a file lies in its place.
        if (runtime == Runtime::Long)
            privateFolder = runtimeGiven;
        else if (runtime != Runtime::Private)
            privateFolder = temp + "/biorhythmus-" + QString::number(::geteuid());
        if (runtime == Runtime::NoneFit)
            QFile(privateFolder).open(QIODevice::WriteOnly);
    }
    QString lockFile() const {
        return privateFolder + "/biorhythmus-__" + qEnvironmentVariable("DISPLAY").mid(1) + ".lock";
    }
    QString socket() const { return QString(lockFile()).replace(".lock", ".socket"); }
    void start(QProcess& run, const QString& screen = {}, const QStringList& arguments = {}) {
        QProcessEnvironment changed = environment;
        changed.insert("DISPLAY", qEnvironmentVariable("DISPLAY") + screen);
        run.setProcessEnvironment(changed);
        run.setWorkingDirectory(at.path());
        run.start(programFolder + "/biorhythmus", arguments);
    }
};

constexpr int StartCeiling = 30000;

// The program's smallest window: the box over its main window.
QString smallestWindowOf(const QProcess& run) {
    QString smallest;
    int smallestWidth = INT_MAX;
    for (const QString& window : windowsOf(run)) {
        const QString shell = output({"xdotool", "getwindowgeometry", "--shell", window});
        const int width = shell.section("WIDTH=", 1).section('\n', 0, 0).toInt();
        if (width < smallestWidth) {
            smallest = window;
            smallestWidth = width;
        }
    }
    return smallest;
}

// True once the program has a window mapped; false when it ended or hung without one.
bool windowShown(const QProcess& run) {
    const auto shownOrEnded = [&run] {
        return !windowsOf(run).isEmpty() || run.state() == QProcess::NotRunning;
    };
    return QTest::qWaitFor(shownOrEnded, StartCeiling) && !windowsOf(run).isEmpty();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariable("BIO_PROGRAM").isEmpty())
            QSKIP("runs under startup-test.sh");
    }
    void oneWindow_data();
    void oneWindow();
    void refused_data();
    void refused();
    void clipIsAPipe();
};

void TestStartup::oneWindow_data() {
    QTest::addColumn<Runtime>("runtime");
    QTest::addColumn<Before>("before");
    QTest::addColumn<QByteArray>("lock"); // held, unanswered, by this test before the start
    QTest::addColumn<QString>("screen");  // the later start's DISPLAY ends in it
    // What the program that runs says on standard error and in a box it shows over its window;
    // %1: $XDG_RUNTIME_DIR, %2: the folder used instead, %3: the socket in $XDG_RUNTIME_DIR,
    // %4: that socket's path in bytes.
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("language");
    const auto row = [](const char* name, Runtime runtime, Before before,
                        const QByteArray& lock = {}, const QString& screen = {},
                        const QString& said = {}, const QString& language = "de") {
        QTest::newRow(name) << runtime << before << lock << screen << said << language;
    };
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QString instead = " Biorhythmus merkt sich darum in %2, dass es läuft.";
    row("empty lock file", Runtime::Private, Before::Nothing, "");
    row("garbage", Runtime::Private, Before::Nothing, QByteArray("\xff\x00 x\n\n", 6));
    row("other host", Runtime::Private, Before::Nothing, "1\nbiorhythmus\nelsewhere\n");
    row("live foreign holder", Runtime::Private, Before::Nothing,
        QByteArray::number(::getpid()) + "\nbiorhythmus\n" + host + '\n');
    row("stale holder", Runtime::Private, Before::FirstKilled);
    row("socket gone", Runtime::Private, Before::FirstKilledSocketGone);
    row("another program listens at the socket", Runtime::Private, Before::ForeignListener);
    row("first running", Runtime::Private, Before::FirstRunning);
    row("first running, screen number", Runtime::Private, Before::FirstRunning, {}, ".0");
    row("first running, its socket removed", Runtime::Private, Before::FirstRunningSocketGone);
    row("runtime folder unset", Runtime::Unset, Before::FirstRunning);
    row("runtime folder of 80 characters", Runtime::Long, Before::FirstRunning);
    row("temporary folder of 60 characters", Runtime::LongTemp, Before::FirstRunning);
    row("runtime folder read-only", Runtime::ReadOnly, Before::FirstRunning, {}, {},
        "$XDG_RUNTIME_DIR (%1) ist nicht beschreibbar." + instead);
    row("runtime folder writable by others", Runtime::OthersWritable, Before::FirstRunning, {}, {},
        "$XDG_RUNTIME_DIR (%1) ist auch für andere beschreibbar." + instead);
    row("runtime folder relative", Runtime::Relative, Before::FirstRunning, {}, {},
        "$XDG_RUNTIME_DIR (%1) ist kein absoluter Pfad." + instead);
    row("runtime folder too long for the socket", Runtime::TooLong, Before::FirstRunning, {}, {},
        "$XDG_RUNTIME_DIR (%1) hat einen zu langen Pfad: der Socket %3 hätte %4 Bytes, höchstens "
        "107 sind möglich." +
            instead);
    row("runtime folder too long, in English", Runtime::TooLong, Before::FirstRunning, {}, {},
        "$XDG_RUNTIME_DIR (%1) has too long a path: the socket %3 would have %4 bytes, at most 107 "
        "are possible. Biorhythmus therefore notes in %2 that it is running.",
        "en");
}

// The start under test ends with exactly one program window: its own, or the first program's,
// which it leaves running.
void TestStartup::oneWindow() {
    QFETCH(Runtime, runtime);
    QFETCH(Before, before);
    QFETCH(QByteArray, lock);
    QFETCH(QString, screen);
    QFETCH(QString, said);
    QFETCH(QString, language);
    Scene scene(runtime);
    scene.environment.insert("BIORHYTHMUS_LANG", language);
    QProcess first;
    const bool firstRuns =
        before == Before::FirstRunning || before == Before::FirstRunningSocketGone;
    if (before != Before::Nothing && before != Before::ForeignListener) {
        scene.start(first);
        QVERIFY2(windowShown(first), "the first program shows no window");
    }
    if (!said.isEmpty()) {
        // The first program's own window and the box with what it says.
        QVERIFY(QTest::qWaitFor([&first] { return windowsOf(first).size() == 2; }, StartCeiling));
        const QString socket = scene.runtimeGiven + scene.socket().mid(scene.privateFolder.size());
        said = said.replace("%3", socket)
                   .replace("%4", QString::number(QFile::encodeName(socket).size()))
                   .arg(scene.runtimeGiven, scene.privateFolder);
        QString printed;
        const auto told = [&] {
            printed += QString::fromUtf8(first.readAllStandardError());
            return printed.contains(said + u'\n');
        };
        QVERIFY2(QTest::qWaitFor(told, StartCeiling), qPrintable(printed));
        output({"xdotool", "windowfocus", "--sync", smallestWindowOf(first), "key", "Return"});
        QVERIFY(QTest::qWaitFor([&first] { return windowsOf(first).size() == 1; }, StartCeiling));
    }
    if (before == Before::FirstKilled || before == Before::FirstKilledSocketGone) {
        ::kill(pid_t(first.processId()), SIGKILL);
        first.waitForFinished(3000);
        QVERIFY(QFile::exists(scene.lockFile()));
    }
    if (before == Before::FirstKilledSocketGone || before == Before::FirstRunningSocketGone)
        QVERIFY(QFile::remove(scene.socket()));
    const int foreign = before == Before::ForeignListener ? listenAt(scene.socket()) : -1;
    QFile held(scene.lockFile());
    if (!lock.isNull()) {
        QVERIFY(held.open(QIODevice::WriteOnly) && held.write(lock) == lock.size() && held.flush());
        QCOMPARE(::flock(held.handle(), LOCK_EX), 0);
    }

    QProcess later;
    scene.start(later, screen);
    if (firstRuns) {
        QVERIFY2(later.waitForFinished(StartCeiling), "the second start did not end");
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(windowsOf(first).size() == 1);
    } else {
        QVERIFY2(windowShown(later), qPrintable(later.readAllStandardError()));
        QCOMPARE(windowsOf(later).size(), 1);
    }
    // The lock names the program that runs, which listens at the socket, and nothing went
    // where another user or the current folder could meet it.
    QFile taken(scene.lockFile());
    QVERIFY(taken.open(QIODevice::ReadOnly));
    const QProcess& running = firstRuns ? first : later;
    QCOMPARE(taken.readLine().trimmed().toLongLong(), running.processId());
    QCOMPARE(listenerAt(scene.socket()), running.processId());
    for (const QString& folder : {scene.at.path(), scene.programFolder})
        QVERIFY(QDir(folder).entryList({"biorhythmus-*"}).isEmpty());
    for (QProcess* run : {&later, &first}) {
        run->kill();
        run->waitForFinished();
    }
    if (foreign >= 0)
        ::close(foreign);
}

// Where starting is impossible: a message wholly in the language chosen on standard error, a
// box, and, once it is answered, a non-zero status. (What the box says is tst_english's.)
// No folder of the user's own for the lock; or a program runs whose socket another program
// took over, so that it cannot be asked to come forward, and the lock keeps a second one from
// running.
void TestStartup::refused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("firstUnreachable");
    QTest::addColumn<QString>("said"); // %1: the folder in the temporary folder, or the first
                                       // program's process
    QTest::newRow("German") << QStringList{} << false
                            << "Biorhythmus kann nicht starten. Es fehlt ein Ordner nur für Sie, "
                               "in dem sich Biorhythmus merkt, dass es schon läuft:\n%1 ist kein "
                               "Ordner.";
    QTest::newRow("English") << QStringList{"--lang", "en"} << false
                             << "Biorhythmus cannot start. There is no folder of your own in "
                                "which Biorhythmus can note that it is already running:\n%1 is "
                                "not a folder.";
    QTest::newRow("running program unreachable")
        << QStringList{} << true
        << "Biorhythmus kann nicht starten. Biorhythmus läuft schon (Prozess %1), antwortet aber "
           "nicht. Versuchen Sie es gleich noch einmal.";
}

void TestStartup::refused() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, firstUnreachable);
    QFETCH(QString, said);
    Scene scene(firstUnreachable ? Runtime::Private : Runtime::NoneFit);
    QProcess first;
    int foreign = -1;
    if (firstUnreachable) {
        scene.start(first);
        QVERIFY(windowShown(first));
        // Put in place at once, so that the first program never finds its socket gone.
        foreign = listenAt(scene.privateFolder + "/foreign");
        QCOMPARE(::rename(QFile::encodeName(scene.privateFolder + "/foreign").constData(),
                          QFile::encodeName(scene.socket()).constData()),
                 0);
        said = said.arg(first.processId());
    } else {
        said = said.arg(scene.privateFolder);
    }
    QProcess run;
    scene.start(run, {}, arguments);
    QVERIFY(windowShown(run));
    output({"xdotool", "windowfocus", "--sync", windowsOf(run).first(), "key", "Return"});
    QVERIFY(run.waitForFinished(StartCeiling));
    QVERIFY(run.exitCode() != 0);
    // Qt's own notes to developers may follow.
    const QString printed = QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(printed.startsWith(said + u'\n'), qPrintable(printed));
    if (firstUnreachable)
        QCOMPARE(windowsOf(first).size(), 1);
    first.kill();
    first.waitForFinished();
    if (foreign >= 0)
        ::close(foreign);
}

// A pipe where the clip should be is not waited on: the first frame is as without a clip.
void TestStartup::clipIsAPipe() {
    QImage pictures[2];
    for (int pipe : {0, 1}) {
        Scene scene(Runtime::Private);
        QCOMPARE(pipe && ::mkfifo(QFile::encodeName(scene.programFolder + "/za.vdi"), 0600), 0);
        scene.environment.insert("BIORHYTHMUS_SCREENSHOT", scene.at.filePath("first.png"));
        QProcess run;
        scene.start(run);
        QVERIFY2(run.waitForFinished(StartCeiling), "no first frame");
        QVERIFY(pictures[pipe].load(scene.at.filePath("first.png")));
    }
    QCOMPARE(pictures[1], pictures[0]);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
