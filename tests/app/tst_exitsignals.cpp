// Stops the real program with real signals while a message box or the person editor is open,
// on an X server that exit-signals-test.sh starts, and drives it the way a user does, with
// xdotool. The program must end at once, keep the broken file as a backup and write the list.

#include <QDir>
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
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

struct Window {
    QString id;
    QPoint position;
    QSize size;
};

// The program's mapped windows, read back from the X server.
QList<Window> windowsOf(qint64 pid) {
    QList<Window> windows;
    const QString ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--pid"), QString::number(pid)});
    for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QMap<QString, int> shell;
        const QString geometry =
            xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
        for (const QString& line : geometry.split(QLatin1Char('\n'))) {
            const QStringList pair = line.split(QLatin1Char('='));
            if (pair.size() == 2)
                shell.insert(pair[0], pair[1].toInt());
        }
        windows.append({id, QPoint(shell.value("X"), shell.value("Y")),
                        QSize(shell.value("WIDTH"), shell.value("HEIGHT"))});
    }
    return windows;
}

QString describe(const QList<Window>& windows) {
    QStringList sizes;
    for (const Window& window : windows)
        sizes << QStringLiteral("%1x%2").arg(window.size.width()).arg(window.size.height());
    sizes.sort();
    return sizes.join(QLatin1Char(' '));
}

// The person editor with its edge: 574 x 181 plus 3 pixels on each side.
const QSize EditorSize(580, 187);

// One user step: "main X Y" and "editor X Y" click in that window, "key K" presses a key.
// Waits until the program's windows have changed in answer.
bool perform(qint64 pid, const QString& step) {
    const QList<Window> before = windowsOf(pid);
    const QStringList words = step.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("key")) {
        xdotool({QStringLiteral("key"), words[1]});
    } else {
        const bool inEditor = words[0] == QLatin1String("editor");
        QPoint origin(-1, -1);
        for (const Window& window : before)
            if ((window.size == EditorSize) == inEditor)
                origin = window.position;
        if (origin.x() < 0)
            return false;
        const QPoint at = origin + QPoint(words[1].toInt(), words[2].toInt());
        xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                 QStringLiteral("click"), QStringLiteral("1")});
    }
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        if (describe(windowsOf(pid)) != describe(before))
            return true;
        QTest::qWait(50);
    }
    return false;
}

} // namespace

class TestExitSignals : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void leavesAtOnce_data();
    void leavesAtOnce();
};

void TestExitSignals::initTestCase() {
    if (qEnvironmentVariable("BIO_PROGRAM").isEmpty() || qEnvironmentVariable("DISPLAY").isEmpty())
        QSKIP("runs under exit-signals-test.sh, which starts the X server");
}

void TestExitSignals::leavesAtOnce_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("noteOnStandardError"); // the closing save's note, unseen on screen

    // The person button of the main window; the editor's "Person löschen" button.
    const QString personButton = QStringLiteral("main 305 12");
    const QString deleteButton = QStringLiteral("editor 347 94");
    QTest::newRow("note on the broken file open, SIGTERM")
        << QStringList{personButton} << int(SIGTERM) << true;
    QTest::newRow("editor open, SIGINT")
        << QStringList{personButton, QStringLiteral("key Return")} << int(SIGINT) << true;
    QTest::newRow("note of the closing save open, SIGHUP")
        << QStringList{personButton, QStringLiteral("key Return"), QStringLiteral("key Escape")}
        << int(SIGHUP) << false;
    QTest::newRow("delete question open, SIGTERM")
        << QStringList{personButton, QStringLiteral("key Return"), deleteButton} << int(SIGTERM)
        << true;
}

void TestExitSignals::leavesAtOnce() {
    QFETCH(QStringList, steps);
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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    run.setProcessEnvironment(environment);
    run.start(program, {});
    QVERIFY(run.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(windowsOf(run.processId()).size() == 1, 10000);
    for (const QString& step : steps)
        QVERIFY2(perform(run.processId(), step), qPrintable(step));

    QElapsedTimer leaving;
    leaving.start();
    ::kill(pid_t(run.processId()), signal);
    const bool ended = run.waitForFinished(3000);
    const qint64 took = leaving.elapsed();
    if (!ended) {
        run.kill();
        run.waitForFinished();
    }
    const QString errors = QString::fromLocal8Bit(run.readAllStandardError());
    QVERIFY2(ended && took < 1000, qPrintable(QStringLiteral("ended after %1 ms").arg(took)));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);

    QFile backup(folder.filePath(QStringLiteral("DATA.DAT.bak")));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), BrokenFile);
    QVERIFY(data.open(QIODevice::ReadOnly));
    const QByteArray written = data.readAll();
    QVERIFY2(written.startsWith("2,") && written.contains("\"Anna\"") &&
                 written.contains("\"Bernd\""),
             written.constData());
    QVERIFY2(errors.contains(QStringLiteral("DATA.DAT")) == noteOnStandardError,
             qPrintable(errors));
}

QTEST_MAIN(TestExitSignals)
#include "tst_exitsignals.moc"
