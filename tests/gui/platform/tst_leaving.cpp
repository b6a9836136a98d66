// The real program on a real X server, driven with xdotool as a user would, made to leave
// from outside: by signals while message boxes are open (exit-signals-test.sh, on Xvfb), and
// by losing its X connection (x-connection-test.sh, on a fresh Xorg for every row, since a
// row may end the server). Each run has a copy of the program in a folder of its own, as the
// program keeps DATA.DAT beside itself.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// A DATA.DAT whose last birth date is missing: it is read as far as it goes and reported.
const QByteArray BrokenFile = "2,1\r\n\"Anna\"\r\n\"31.12.1999\"\r\n\"Bernd\"\r\n";

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString visibleWindows(qint64 pid) {
    return output("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
}

// One user action (xdotool's words); true once the program's windows have changed in answer.
bool perform(qint64 pid, const QString& action) {
    const QString before = visibleWindows(pid);
    output("xdotool", action.split(u' '));
    return QTest::qWaitFor([&] { return visibleWindows(pid) != before; }, 5000);
}

// "640x480" and the like, or empty when no X server answers.
QString screenSize() {
    static const QRegularExpression current(QStringLiteral("current (\\d+) x (\\d+)"));
    const QRegularExpressionMatch match = current.match(output("xrandr", {"-q"}));
    return match.hasMatch() ? match.captured(1) + u'x' + match.captured(2) : QString();
}

// Starts a copy of the program, with the library that holds its window and the screen guardian
// it switches only beside, in folder and waits for its main window.
bool start(QProcess& run, const QTemporaryDir& folder) {
    const QFileInfo original(qEnvironmentVariable("BIO_PROGRAM"));
    for (const QString& name : {original.fileName(), QStringLiteral("libbiorhythmus-gui.so"),
                                QStringLiteral("mode-guardian")})
        if (!QFile::copy(original.dir().filePath(name), folder.filePath(name)))
            return false;
    const QString program = folder.filePath(original.fileName());
    run.start(program, {});
    return QTest::qWaitFor([&run] { return !visibleWindows(run.processId()).isEmpty(); }, 10000);
}

} // namespace

class TestLeaving : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariable("BIO_PROGRAM").isEmpty())
            QSKIP("runs under exit-signals-test.sh or x-connection-test.sh");
    }
    void signalWithBoxOpen_data();
    void signalWithBoxOpen();
    void xConnectionLost_data();
    void xConnectionLost();
};

void TestLeaving::signalWithBoxOpen_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("noteOnStandardError"); // the closing save's note, unseen on screen

    // The persons button at 305,12 on the page, which stands in the middle of the 1024 x 768
    // screen, at 192,144.
    const QString personButton = QStringLiteral("mousemove 497 156 click 1");
    QTest::newRow("note on the broken file open, SIGTERM")
        << QStringList{personButton} << int(SIGTERM) << true;
    QTest::newRow("editor open, SIGINT")
        << QStringList{personButton, "key Return"} << int(SIGINT) << true;
    QTest::newRow("note of the closing save open, SIGHUP")
        << QStringList{personButton, "key Return", "key Escape"} << int(SIGHUP) << false;
}

// The program ends at once, keeps the broken file as a backup and writes the list.
void TestLeaving::signalWithBoxOpen() {
    QFETCH(QStringList, actions);
    QFETCH(int, signal);
    QFETCH(bool, noteOnStandardError);
    QTemporaryDir folder;
    QFile data(folder.filePath(QStringLiteral("DATA.DAT")));
    QVERIFY(data.open(QIODevice::WriteOnly) && data.write(BrokenFile) == BrokenFile.size());
    data.close();
    QProcess run;
    QVERIFY(start(run, folder));
    for (const QString& action : actions)
        QVERIFY2(perform(run.processId(), action), qPrintable(action));

    QElapsedTimer leaving;
    leaving.start();
    ::kill(pid_t(run.processId()), signal);
    const bool ended = run.waitForFinished(3000);
    const qint64 took = leaving.elapsed();
    if (!ended)
        run.kill();
    QVERIFY2(ended && took < 1000, qPrintable(QStringLiteral("ended after %1 ms").arg(took)));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);

    QFile backup(folder.filePath(QStringLiteral("DATA.DAT.bak")));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), BrokenFile);
    QVERIFY(data.open(QIODevice::ReadOnly));
    const QByteArray written = data.readAll();
    QVERIFY2(written.startsWith("2,1\r\n\"Anna\"") && written.contains("\"Bernd\""), written);
    const QString errors = QString::fromLocal8Bit(run.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("DATA.DAT")) == noteOnStandardError,
             qPrintable(errors));
}

void TestLeaving::xConnectionLost_data() {
    QTest::addColumn<bool>("serverEnds");
    QTest::addColumn<QString>("screenAfter"); // empty: no server left to ask
    QTest::newRow("window's client killed") << false << "1024x768";
    QTest::newRow("X server ended") << true << "";
}

// On Xorg at 1024x768, which the program has switched to 640x480.
void TestLeaving::xConnectionLost() {
    QFETCH(bool, serverEnds);
    QFETCH(QString, screenAfter);
    QCOMPARE(screenSize(), QStringLiteral("1024x768"));
    QTemporaryDir folder;
    QProcess run;
    QVERIFY(start(run, folder));
    QCOMPARE(screenSize(), QStringLiteral("640x480"));

    if (serverEnds)
        ::kill(pid_t(qEnvironmentVariable("BIO_X_SERVER_PID").toLongLong()), SIGKILL);
    else
        output("xkill", {"-id", visibleWindows(run.processId()).section(u'\n', 0, 0)});
    const bool ended = run.waitForFinished(3000);
    if (!ended)
        run.kill();
    QVERIFY2(ended, "the program did not end within 3 s");
    QCOMPARE(run.exitStatus(), QProcess::NormalExit); // no crash
    // Nothing was sent over a dead connection, which would end in Xlib's fatal error exit.
    const QString errors = QString::fromLocal8Bit(run.readAllStandardError());
    QVERIFY2(!errors.contains(QStringLiteral("XIO:")), qPrintable(errors));
    QCOMPARE(screenSize(), screenAfter);
}

QTEST_MAIN(TestLeaving)
#include "tst_leaving.moc"
