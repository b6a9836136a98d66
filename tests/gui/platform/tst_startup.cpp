// The real program started on a private Xvfb (startup-test.sh) over what a hostile disk or a
// careless desktop leaves for it: lock files nobody answers for, runtime folders it must not
// use, a clip that is a pipe. Every start ends with one program window, or, where starting is
// impossible, with a German message and a non-zero status. Each row runs copies of the program
// in a folder of its own, since the program keeps DATA.DAT beside itself. A start is waited for
// until its window is mapped or the program has ended, up to a ceiling that only a hang reaches.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Runtime { Private, Unset, ReadOnly, OthersWritable, Relative, NoneFit };
enum class Before { Nothing, FirstRunning, FirstKilled, FirstKilledSocketGone };

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

// One row's world: a program folder, a runtime folder as the row wants it, the environment.
struct Scene {
    QTemporaryDir root;
    QDir at{root.path()};
    QString programFolder = at.filePath("program");
    QString privateFolder = at.filePath("run"); // where the lock is to be
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    explicit Scene(Runtime runtime) {
        at.mkpath("program");
        at.mkpath("tmp");
        // The program with the library that holds its window.
        const QFileInfo original(qEnvironmentVariable("BIO_PROGRAM"));
        for (const QString& name : {original.fileName(), QStringLiteral("libbiorhythmus-gui.so")})
            QFile::copy(original.dir().filePath(name), programFolder + '/' + name);
        environment.insert("TMPDIR", at.filePath("tmp"));
        environment.remove("XDG_RUNTIME_DIR");
        const QHash<Runtime, QPair<QString, int>> given{{Runtime::Private, {"run", 0700}},
                                                        {Runtime::ReadOnly, {"read-only", 0500}},
                                                        {Runtime::OthersWritable, {"all", 0777}},
                                                        {Runtime::Relative, {"program", 0700}}};
        if (given.contains(runtime)) {
            const auto [path, mode] = given[runtime];
            at.mkpath(path);
            ::chmod(QFile::encodeName(at.filePath(path)).constData(), mode);
            environment.insert("XDG_RUNTIME_DIR",
                               runtime == Runtime::Relative ? path : at.filePath(path));
        }
        // Else the program's own folder in TMPDIR; where none fits, a file lies in its place.
        if (runtime != Runtime::Private)
            privateFolder = at.filePath("tmp/biorhythmus-" + QString::number(::geteuid()));
        if (runtime == Runtime::NoneFit)
            QFile(privateFolder).open(QIODevice::WriteOnly);
    }
    QString lockFile() const {
        return privateFolder + "/biorhythmus-__" + qEnvironmentVariable("DISPLAY").mid(1) + ".lock";
    }
    void start(QProcess& run, const QString& screen = {}, const QStringList& arguments = {}) {
        QProcessEnvironment changed = environment;
        changed.insert("DISPLAY", qEnvironmentVariable("DISPLAY") + screen);
        run.setProcessEnvironment(changed);
        run.setWorkingDirectory(at.path());
        run.start(programFolder + "/biorhythmus", arguments);
    }
};

constexpr int StartCeiling = 30000;

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
    const auto row = [](const char* name, Runtime runtime, Before before,
                        const QByteArray& lock = {}, const QString& screen = {}) {
        QTest::newRow(name) << runtime << before << lock << screen;
    };
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    row("empty lock file", Runtime::Private, Before::Nothing, "");
    row("garbage", Runtime::Private, Before::Nothing, QByteArray("\xff\x00 x\n\n", 6));
    row("other host", Runtime::Private, Before::Nothing, "1\nbiorhythmus\nelsewhere\n");
    row("live foreign holder", Runtime::Private, Before::Nothing,
        QByteArray::number(::getpid()) + "\nbiorhythmus\n" + host + '\n');
    row("stale holder", Runtime::Private, Before::FirstKilled);
    row("socket gone", Runtime::Private, Before::FirstKilledSocketGone);
    row("first running", Runtime::Private, Before::FirstRunning);
    row("first running, screen number", Runtime::Private, Before::FirstRunning, {}, ".0");
    row("runtime folder unset", Runtime::Unset, Before::FirstRunning);
    row("runtime folder read-only", Runtime::ReadOnly, Before::FirstRunning);
    row("runtime folder writable by others", Runtime::OthersWritable, Before::FirstRunning);
    row("runtime folder relative", Runtime::Relative, Before::FirstRunning);
}

// The start under test ends with exactly one program window: its own, or the first program's,
// which it leaves running.
void TestStartup::oneWindow() {
    QFETCH(Runtime, runtime);
    QFETCH(Before, before);
    QFETCH(QByteArray, lock);
    QFETCH(QString, screen);
    Scene scene(runtime);
    QProcess first;
    if (before != Before::Nothing) {
        scene.start(first);
        QVERIFY2(windowShown(first), "the first program shows no window");
    }
    if (before == Before::FirstKilled || before == Before::FirstKilledSocketGone) {
        ::kill(pid_t(first.processId()), SIGKILL);
        first.waitForFinished(3000);
        QVERIFY(QFile::exists(scene.lockFile()));
    }
    if (before == Before::FirstKilledSocketGone)
        QVERIFY(QFile::remove(QString(scene.lockFile()).replace(".lock", ".socket")));
    QFile held(scene.lockFile());
    if (!lock.isNull()) {
        QVERIFY(held.open(QIODevice::WriteOnly) && held.write(lock) == lock.size() && held.flush());
        QCOMPARE(::flock(held.handle(), LOCK_EX), 0);
    }

    QProcess later;
    scene.start(later, screen);
    if (before == Before::FirstRunning) {
        QVERIFY2(later.waitForFinished(StartCeiling), "the second start did not end");
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(windowsOf(first).size() == 1);
    } else {
        QVERIFY2(windowShown(later), qPrintable(later.readAllStandardError()));
        QCOMPARE(windowsOf(later).size(), 1);
    }
    // The lock names the program that runs, and nothing went where another user or the
    // current folder could meet it.
    QFile taken(scene.lockFile());
    QVERIFY(taken.open(QIODevice::ReadOnly));
    const QProcess& running = before == Before::FirstRunning ? first : later;
    QCOMPARE(taken.readLine().trimmed().toLongLong(), running.processId());
    for (const QString& folder : {scene.at.path(), scene.programFolder})
        QVERIFY(QDir(folder).entryList({"biorhythmus-*"}).isEmpty());
    for (QProcess* run : {&later, &first}) {
        run->kill();
        run->waitForFinished();
    }
}

// No folder of the user's own for the lock: a message wholly in the language chosen on
// standard error, a box, and, once it is answered, a non-zero status. (What the box says is
// tst_english's.)
void TestStartup::refused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said"); // %1: the folder in the temporary folder
    QTest::newRow("German") << QStringList{}
                            << "Biorhythmus kann nicht starten. Es fehlt ein Ordner nur für Sie, "
                               "in dem sich Biorhythmus merkt, dass es schon läuft:\n%1 ist kein "
                               "Ordner.";
    QTest::newRow("English") << QStringList{"--lang", "en"}
                             << "Biorhythmus cannot start. There is no folder of your own in "
                                "which Biorhythmus can note that it is already running:\n%1 is "
                                "not a folder.";
}

void TestStartup::refused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    Scene scene(Runtime::NoneFit);
    said = said.arg(scene.privateFolder);
    QProcess run;
    scene.start(run, {}, arguments);
    QVERIFY(windowShown(run));
    output({"xdotool", "windowfocus", "--sync", windowsOf(run).first(), "key", "Return"});
    QVERIFY(run.waitForFinished(StartCeiling));
    QVERIFY(run.exitCode() != 0);
    // Qt's own notes to developers may follow.
    const QString printed = QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(printed.startsWith(said + u'\n'), qPrintable(printed));
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
