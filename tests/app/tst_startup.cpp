// The real program started on a private Xvfb (startup-test.sh) over what a hostile disk or a
// careless desktop leaves for it: lock files nobody answers for, runtime folders it must not
// use, a clip that is a pipe. Every start ends with one program window within 2 s, or, where
// starting is impossible, with a German message and a non-zero status. Each row runs copies of
// the program in a folder of its own, since the program keeps DATA.DAT beside itself.

#include <QDir>
#include <QElapsedTimer>
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
    QString programFolder = root.filePath("program");
    QString privateFolder = root.filePath("run");
    QString temp = root.filePath("tmp");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    Scene(Runtime runtime) {
        QDir(root.path()).mkpath("program");
        QDir(root.path()).mkpath("tmp");
        // The program with the library that holds its window.
        const QFileInfo original(qEnvironmentVariable("BIO_PROGRAM"));
        for (const QString& name : {original.fileName(), QStringLiteral("libbiorhythmus-gui.so")})
            QFile::copy(original.dir().filePath(name), programFolder + '/' + name);
        environment.insert("TMPDIR", temp);
        const QString own = temp + "/biorhythmus-" + QString::number(::geteuid());
        const QHash<Runtime, QPair<QString, int>> given{
            {Runtime::Private, {privateFolder, 0700}},
            {Runtime::ReadOnly, {root.filePath("read-only"), 0500}},
            {Runtime::OthersWritable, {root.filePath("everybody"), 0777}},
            {Runtime::Relative, {"program", 0700}},
        };
        environment.remove("XDG_RUNTIME_DIR");
        if (given.contains(runtime)) {
            const auto [path, mode] = given[runtime];
            QDir(root.path()).mkpath(path);
            ::chmod(QFile::encodeName(QDir(root.path()).filePath(path)).constData(), mode);
            environment.insert("XDG_RUNTIME_DIR", path);
        }
        // The folder the program uses; where none fits, something else is in its place.
        if (runtime == Runtime::NoneFit)
            QFile(own).open(QIODevice::WriteOnly);
        if (runtime != Runtime::Private)
            privateFolder = own;
    }
    QString lockFile() const {
        return privateFolder + "/biorhythmus-__" + qEnvironmentVariable("DISPLAY").mid(1) + ".lock";
    }
    void start(QProcess& run, const QString& display = {}) {
        QProcessEnvironment changed = environment;
        if (!display.isEmpty())
            changed.insert("DISPLAY", display);
        run.setProcessEnvironment(changed);
        run.setWorkingDirectory(root.path());
        run.start(programFolder + "/biorhythmus", {});
    }
};

bool windowWithin(const QProcess& run, int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (windowsOf(run).isEmpty() && waited.elapsed() < milliseconds)
        QTest::qWait(50);
    return !windowsOf(run).isEmpty();
}

void stop(QProcess& run) {
    if (run.state() != QProcess::NotRunning) {
        run.terminate();
        if (!run.waitForFinished(3000))
            run.kill();
    }
    run.waitForFinished(3000);
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
    void refused();
    void clipIsAPipe();
};

void TestStartup::oneWindow_data() {
    QTest::addColumn<Runtime>("runtime");
    QTest::addColumn<Before>("before");
    QTest::addColumn<QByteArray>("lock"); // the lock file's bytes before the start, if any
    QTest::addColumn<bool>("lockHeld");   // by a live process of this host that does not answer
    QTest::addColumn<QString>("display"); // of the second start; empty: the same

    const QByteArray thisHost = QSysInfo::machineHostName().toUtf8();
    const QByteArray alive = QByteArray::number(::getpid()) + "\nbiorhythmus\n" + thisHost + '\n';
    const QByteArray none;
    QTest::newRow("empty lock file")
        << Runtime::Private << Before::Nothing << QByteArray("") << false << "";
    QTest::newRow("garbage") << Runtime::Private << Before::Nothing
                             << QByteArray("\xff\x00 x\n\n", 6) << false << "";
    QTest::newRow("other host") << Runtime::Private << Before::Nothing
                                << QByteArray("1\nbiorhythmus\nelsewhere\n") << false << "";
    QTest::newRow("live foreign holder")
        << Runtime::Private << Before::Nothing << alive << true << "";
    QTest::newRow("stale holder") << Runtime::Private << Before::FirstKilled << none << false << "";
    QTest::newRow("socket gone") << Runtime::Private << Before::FirstKilledSocketGone << none
                                 << false << "";
    QTest::newRow("first running")
        << Runtime::Private << Before::FirstRunning << none << false << "";
    QTest::newRow("first running, screen number")
        << Runtime::Private << Before::FirstRunning << none << false
        << qEnvironmentVariable("DISPLAY") + ".0";
    QTest::newRow("runtime folder unset")
        << Runtime::Unset << Before::FirstRunning << none << false << "";
    QTest::newRow("runtime folder read-only")
        << Runtime::ReadOnly << Before::FirstRunning << none << false << "";
    QTest::newRow("runtime folder writable by others")
        << Runtime::OthersWritable << Before::FirstRunning << none << false << "";
    QTest::newRow("runtime folder relative")
        << Runtime::Relative << Before::FirstRunning << none << false << "";
}

// The start under test ends with exactly one program window within 2 s: its own, or the
// first program's, which it leaves running.
void TestStartup::oneWindow() {
    QFETCH(Runtime, runtime);
    QFETCH(Before, before);
    QFETCH(QByteArray, lock);
    QFETCH(bool, lockHeld);
    QFETCH(QString, display);
    Scene scene(runtime);
    QProcess first;
    if (before != Before::Nothing) {
        scene.start(first);
        QVERIFY2(windowWithin(first, 10000), "the first program shows no window");
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
        if (lockHeld)
            QCOMPARE(::flock(held.handle(), LOCK_EX), 0);
    }

    QProcess later;
    scene.start(later, display);
    if (before == Before::FirstRunning) {
        QVERIFY2(later.waitForFinished(2000), "the second start did not end within 2 s");
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(windowsOf(first).size() == 1);
    } else {
        QVERIFY2(windowWithin(later, 2000), qPrintable(later.readAllStandardError()));
        QCOMPARE(windowsOf(later).size(), 1);
    }
    // The lock names the program that runs, and nothing went where another user or the
    // current folder could meet it.
    QFile taken(scene.lockFile());
    QVERIFY(taken.open(QIODevice::ReadOnly));
    const QProcess& running = before == Before::FirstRunning ? first : later;
    QCOMPARE(taken.readLine().trimmed().toLongLong(), running.processId());
    for (const QString& folder : {scene.root.path(), scene.programFolder})
        QVERIFY(QDir(folder).entryList({"biorhythmus-*"}).isEmpty());
    stop(later);
    stop(first);
}

// No folder of the user's own for the lock: a German message on standard error and in a box,
// and, once it is answered, a non-zero status.
void TestStartup::refused() {
    Scene scene(Runtime::NoneFit);
    QProcess run;
    scene.start(run);
    QVERIFY(windowWithin(run, 2000));
    output({"xdotool", "windowfocus", "--sync", windowsOf(run).first(), "key", "Return"});
    QVERIFY(run.waitForFinished(2000));
    QVERIFY(run.exitCode() != 0);
    const QString said = QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(said.contains("Biorhythmus kann nicht starten.") && said.contains("ist kein Ordner"),
             qPrintable(said));
}

// A pipe where the clip should be is not waited on: the window comes up as without a clip.
void TestStartup::clipIsAPipe() {
    QImage pictures[2];
    for (QImage& picture : pictures) {
        Scene scene(Runtime::Private);
        if (&picture == &pictures[1])
            QCOMPARE(::mkfifo(QFile::encodeName(scene.programFolder + "/za.vdi"), 0600), 0);
        scene.environment.insert("BIORHYTHMUS_SCREENSHOT", scene.root.filePath("first.png"));
        QProcess run;
        scene.start(run);
        QVERIFY2(run.waitForFinished(2000), "no first frame within 2 s");
        QVERIFY(picture.load(scene.root.filePath("first.png")));
    }
    QCOMPARE(pictures[1], pictures[0]);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
