// Runs on a real X server whose screen offers 1024x768, 800x600 and 640x480 (started by
// display-mode-test.sh). The screen size is read back through the xrandr tool, not through
// the code under test.
#include "DisplayMode.h"

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
};

QTEST_MAIN(TestXrandrDisplayMode)
#include "tst_xrandrdisplaymode.moc"
