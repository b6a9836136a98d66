// Runs on a real X server whose screen offers 1024x768, 800x600 and 640x480 (started by
// display-mode-test.sh). The screen size is read back through the xrandr tool, not through
// the code under test.
#include "gui/platform/DisplayMode.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
QString xrandr(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xrandr"), arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return QStringLiteral("xrandr failed: ") +
               QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QSize screenSize() {
    static const QRegularExpression current(QStringLiteral("current (\\d+) x (\\d+)"));
    const QRegularExpressionMatch match = current.match(xrandr({QStringLiteral("-q")}));
    return match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
}

// Where each connected output shows what, e.g. {"DUMMY0", "1024x768+0+0"}.
QMap<QString, QString> outputs() {
    static const QRegularExpression line(
        QStringLiteral("^(\\S+) connected (?:primary )?(\\d+x\\d+\\+\\d+\\+\\d+)"),
        QRegularExpression::MultilineOption);
    QMap<QString, QString> shown;
    auto matches = line.globalMatch(xrandr({QStringLiteral("-q")}));
    while (matches.hasNext()) {
        const auto match = matches.next();
        shown.insert(match.captured(1), match.captured(2));
    }
    return shown;
}

// A second output beside the first while it lives, set up by xrandr calls separated by ";";
// the first output alone afterwards.
struct SecondOutput {
    explicit SecondOutput(const QString& layout) {
        xrandr({QStringLiteral("--addmode"), QStringLiteral("DUMMY1"), QStringLiteral("800x600")});
        for (const QString& call : layout.split(QLatin1Char(';')))
            xrandr(call.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    ~SecondOutput() {
        xrandr({QStringLiteral("--output"), QStringLiteral("DUMMY1"), QStringLiteral("--off"),
                QStringLiteral("--output"), QStringLiteral("DUMMY0"), QStringLiteral("--primary")});
    }
};

void setScreenSize(QSize size) {
    xrandr({QStringLiteral("-s"), QStringLiteral("%1x%2").arg(size.width()).arg(size.height())});
    QCOMPARE(screenSize(), size);
}
} // namespace

class TestXrandrDisplayMode : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }
    void init() { setScreenSize(QSize(1024, 768)); }
    void cleanupTestCase() { setScreenSize(QSize(1024, 768)); }

    void readsTheCurrentMode() {
        setScreenSize(QSize(800, 600));
        const auto mode = createDisplayMode();
        mode->setup();
        QCOMPARE(QSize(mode->width(), mode->height()), QSize(800, 600));
    }

    void switchesToAnOfferedSize_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("640x480") << QSize(640, 480);
        QTest::newRow("the current size") << QSize(1024, 768);
    }
    void switchesToAnOfferedSize() {
        QFETCH(QSize, wanted);
        const auto mode = createDisplayMode();
        mode->setup();
        mode->setSize(wanted.width(), wanted.height());
        QVERIFY(mode->apply());
        QCOMPARE(screenSize(), wanted);
        QCOMPARE(QSize(mode->width(), mode->height()), wanted);
    }

    void refusesASizeTheScreenDoesNotOffer_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::newRow("between modes") << QSize(1000, 700);
        QTest::newRow("width of one, height of another") << QSize(640, 600);
        QTest::newRow("larger than any") << QSize(2048, 1536);
        QTest::newRow("zero") << QSize(0, 0);
        QTest::newRow("negative") << QSize(-640, -480);
    }
    void refusesASizeTheScreenDoesNotOffer() {
        QFETCH(QSize, wanted);
        const auto mode = createDisplayMode();
        mode->setup();
        mode->setSize(wanted.width(), wanted.height());
        QVERIFY(!mode->apply());
        QCOMPARE(screenSize(), QSize(1024, 768));
        QCOMPARE(QSize(mode->width(), mode->height()), QSize(1024, 768));
    }

    // Someone else changes the mode between setup() and apply(); the switch still works and
    // the way back finds the original size.
    void switchesAfterAChangeByAnotherClient() {
        const auto mode = createDisplayMode();
        mode->setup();
        setScreenSize(QSize(800, 600));
        mode->setSize(640, 480);
        QVERIFY(mode->apply());
        QCOMPARE(screenSize(), QSize(640, 480));
        mode->setSize(1024, 768);
        QVERIFY(mode->apply());
        QCOMPARE(screenSize(), QSize(1024, 768));
    }

    // Switching one output of two: the other keeps its mode and place, and the way back puts
    // the switched one back exactly where it was.
    void switchesOnlyTheOutputShowingTheWindow_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("switched");
        QTest::addColumn<QRect>("area");
        QTest::newRow("first output primary")
            << "--output DUMMY0 --primary; --output DUMMY1 --mode 800x600 --pos 1024x0"
            << "DUMMY0" << QRect(0, 0, 640, 480);
        QTest::newRow("second output primary, on the right")
            << "--output DUMMY1 --primary --mode 800x600 --pos 1024x0"
            << "DUMMY1" << QRect(1024, 0, 640, 480);
        QTest::newRow("second output primary, on the left")
            << "--output DUMMY1 --primary --mode 800x600 --pos 0x0 --output DUMMY0 --pos 800x0"
            << "DUMMY1" << QRect(0, 0, 640, 480);
    }
    void switchesOnlyTheOutputShowingTheWindow() {
        QFETCH(QString, layout);
        QFETCH(QString, switched);
        QFETCH(QRect, area);
        SecondOutput second(layout);
        const QMap<QString, QString> before = outputs();
        QCOMPARE(before.size(), 2);
        const auto mode = createDisplayMode();
        mode->setup();
        mode->setSize(640, 480);
        QVERIFY(mode->apply());
        QCOMPARE(mode->outputArea(), area);
        QMap<QString, QString> expected = before;
        expected[switched] = QStringLiteral("640x480+%1+%2").arg(area.x()).arg(area.y());
        QCOMPARE(outputs(), expected);
        mode->setSize(
            before[switched].section(QLatin1Char('x'), 0, 0).toInt(),
            before[switched].section(QLatin1Char('x'), 1).section(QLatin1Char('+'), 0, 0).toInt());
        QVERIFY(mode->apply());
        QCOMPARE(outputs(), before);
    }

    // Ending without switching back, as a killed program does: the guardian puts it back.
    void guardianRestoresWhenTheProgramDoesNot() {
        auto mode = createDisplayMode();
        mode->setup();
        mode->setSize(640, 480);
        QVERIFY(mode->apply());
        QCOMPARE(screenSize(), QSize(640, 480));
        mode.reset();
        QTRY_COMPARE_WITH_TIMEOUT(screenSize(), QSize(1024, 768), 1000);
    }
};

QTEST_MAIN(TestXrandrDisplayMode)
#include "tst_xrandrdisplaymode.moc"
