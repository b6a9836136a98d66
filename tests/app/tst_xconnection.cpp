// Takes the X connection away from the real program while it runs on Xorg at 1024x768 and
// has switched the screen to 640x480: its window's client killed as a session end does, or
// the X server ended. x-connection-test.sh starts a fresh Xorg for every row.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// "640x480" and the like, or empty when no X server answers.
QString screenSize() {
    const QString line =
        output(QStringLiteral("xrandr"), {QStringLiteral("-q")}).section('\n', 0, 0);
    const QRegularExpression current(QStringLiteral("current (\\d+) x (\\d+)"));
    const QRegularExpressionMatch match = current.match(line);
    return match.hasMatch() ? match.captured(1) + u'x' + match.captured(2) : QString();
}

} // namespace

class TestXConnection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void connectionLost_data();
    void connectionLost();
};

void TestXConnection::initTestCase() {
    if (qEnvironmentVariable("BIO_PROGRAM").isEmpty())
        QSKIP("runs under x-connection-test.sh, which starts Xorg");
}

void TestXConnection::connectionLost_data() {
    QTest::addColumn<bool>("serverEnds");
    QTest::addColumn<QString>("screenAfter"); // empty: no server left to ask
    QTest::newRow("window's client killed") << false << "1024x768";
    QTest::newRow("X server ended") << true << "";
}

void TestXConnection::connectionLost() {
    QFETCH(bool, serverEnds);
    QFETCH(QString, screenAfter);
    QTemporaryDir folder; // the program's DATA.DAT stays out of the build folder
    const QString program = folder.filePath(QStringLiteral("biorhythmus"));
    QVERIFY(QFile::copy(qEnvironmentVariable("BIO_PROGRAM"), program));
    QCOMPARE(screenSize(), QStringLiteral("1024x768"));

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    run.setProcessEnvironment(environment);
    run.start(program, {});
    QVERIFY(run.waitForStarted());
    QString window;
    QTRY_VERIFY_WITH_TIMEOUT(
        !(window = output(QStringLiteral("xdotool"),
                          {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                           QStringLiteral("--pid"), QString::number(run.processId())})
                       .section('\n', 0, 0))
             .isEmpty(),
        10000);
    QCOMPARE(screenSize(), QStringLiteral("640x480"));

    if (serverEnds)
        ::kill(pid_t(qEnvironmentVariable("BIO_X_SERVER_PID").toLongLong()), SIGKILL);
    else
        output(QStringLiteral("xkill"), {QStringLiteral("-id"), window});
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

QTEST_MAIN(TestXConnection)
#include "tst_xconnection.moc"
