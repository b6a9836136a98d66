// Stops the real program with real signals while a message box or the person editor is open,
// on an X server that exit-signals-test.sh starts, driven with xdotool as a user would. The
// program must end at once, keep the broken file as a backup and write the list.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

// A DATA.DAT whose last birth date is missing: it is read as far as it goes and reported.
const QByteArray BrokenFile = "2,1\r\n\"Anna\"\r\n\"31.12.1999\"\r\n\"Bernd\"\r\n";

QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString visibleWindows(qint64 pid) {
    return xdotool({"search", "--onlyvisible", "--pid", QString::number(pid)});
}

// One user action (xdotool's words); true once the program's windows have changed in answer.
bool perform(qint64 pid, const QString& action) {
    const QString before = visibleWindows(pid);
    xdotool(action.split(u' '));
    QElapsedTimer waited;
    waited.start();
    while (visibleWindows(pid) == before && waited.elapsed() < 5000)
        QTest::qWait(50);
    return visibleWindows(pid) != before;
}

} // namespace

class TestExitSignals : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariable("BIO_PROGRAM").isEmpty())
            QSKIP("runs under exit-signals-test.sh, which starts the X server");
    }
    void leavesAtOnce_data();
    void leavesAtOnce();
};

void TestExitSignals::leavesAtOnce_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("noteOnStandardError"); // the closing save's note, unseen on screen

    const QString personButton = QStringLiteral("mousemove 305 12 click 1");
    QTest::newRow("note on the broken file open, SIGTERM")
        << QStringList{personButton} << int(SIGTERM) << true;
    QTest::newRow("editor open, SIGINT")
        << QStringList{personButton, "key Return"} << int(SIGINT) << true;
    QTest::newRow("note of the closing save open, SIGHUP")
        << QStringList{personButton, "key Return", "key Escape"} << int(SIGHUP) << false;
}

void TestExitSignals::leavesAtOnce() {
    QFETCH(QStringList, actions);
    QFETCH(int, signal);
    QFETCH(bool, noteOnStandardError);
    // The program keeps DATA.DAT beside itself, so each run gets a copy in a folder of its own.
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("biorhythmus"));
    QVERIFY(QFile::copy(qEnvironmentVariable("BIO_PROGRAM"), program));
    QFile data(folder.filePath(QStringLiteral("DATA.DAT")));
    QVERIFY(data.open(QIODevice::WriteOnly) && data.write(BrokenFile) == BrokenFile.size());
    data.close();

    QProcess run;
    run.start(program, {});
    QTRY_VERIFY_WITH_TIMEOUT(!visibleWindows(run.processId()).isEmpty(), 10000);
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

QTEST_MAIN(TestExitSignals)
#include "tst_exitsignals.moc"
