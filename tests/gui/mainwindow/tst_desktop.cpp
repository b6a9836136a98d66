// Runs the program's windows on a real compositor (weston, started by wayland-test.sh, on
// Wayland itself or through XWayland) and checks the pictures the compositor takes: the whole
// main window, the person editor and the help window over it. Prints the day report into a
// PDF file and leaves through the exit button.
#include "ModalAction.h"
#include "gui/mainwindow/Application.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/platform/DisplayMode.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// A picture of the whole output through the command the script gives.
QImage compositorPicture(const QString& file) {
    QProcess::execute(QStringLiteral("bash"),
                      {QStringLiteral("-c"), qEnvironmentVariable("BIO_SCREENSHOT_COMMAND"),
                       QStringLiteral("screenshot"), file});
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

bool samePixel(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 8 && qAbs(qGreen(a) - qGreen(b)) <= 8 &&
           qAbs(qBlue(a) - qBlue(b)) <= 8;
}

// The places where a patch among the window's controls appears in the picture; the compositor
// places windows itself, and backgrounds of repeated tiles or grid cells match in many places.
QList<QPoint> candidatePlaces(const QImage& picture, const QImage& window, QPoint anchor) {
    const QRect patch(anchor - QPoint(12, 12), QSize(24, 24));
    QList<QPoint> places;
    for (int y = 0; y + patch.height() <= picture.height(); ++y) {
        for (int x = 0; x + patch.width() <= picture.width(); ++x) {
            bool same = true;
            for (int dy = 0; same && dy < patch.height(); ++dy)
                for (int dx = 0; same && dx < patch.width(); ++dx)
                    same = picture.pixel(x + dx, y + dy) ==
                           window.pixel(patch.x() + dx, patch.y() + dy);
            if (same)
                places << QPoint(x - patch.x(), y - patch.y());
        }
    }
    return places;
}

double shareAt(const QImage& picture, const QImage& window, QPoint at) {
    if (!picture.rect().contains(QRect(at, window.size())))
        return 0;
    qint64 same = 0;
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x)
            same += samePixel(picture.pixel(at.x() + x, at.y() + y), window.pixel(x, y));
    return double(same) / (qint64(window.width()) * window.height());
}

// The share of the window's pixels that the compositor shows as the window drew them. The
// compositor shows a new frame a little later, so pictures are taken until one agrees.
double shownShare(QWidget* widget, const QString& pictureFile) {
    double best = 0;
    const auto agrees = [&] {
        // In device pixels, as the compositor shows them on a scaled output.
        const QImage window = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = compositorPicture(pictureFile);
        // Above the middle, where the main window has its chart rather than its animation.
        const QRect controls = widget->childrenRect();
        const QPoint anchor =
            QPoint(controls.center().x(), controls.top() + controls.height() / 4) *
            window.devicePixelRatio();
        for (QPoint at : candidatePlaces(picture, window, anchor))
            best = std::max(best, shareAt(picture, window, at));
        return best > 0.97;
    };
    (void)QTest::qWaitFor(agrees, 10000);
    return best;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void windowsAsTheCompositorShowsThem();
};

void TestDesktop::windowsAsTheCompositorShowsThem() {
    QTemporaryDir folder;
    const QString pictures = qEnvironmentVariable("BIO_PICTURE_FOLDER", folder.path());
    Application application(createDisplayMode());
    application.start();
    MainWindow* start = application.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(start));
    QVERIFY(start->width() >= 632 && start->height() >= 465);
    QVERIFY(shownShare(start, pictures + QStringLiteral("/start.png")) > 0.97);

    const std::pair<const char*, const char*> children[] = {{"Data", "C1_0"}, {"About", "C1_1"}};
    for (const auto& [name, button] : children) {
        double share = 0;
        const auto picture = [&, name = name](QWidget& window) {
            share = shownShare(&window, QStringLiteral("%1/%2.png").arg(pictures, name));
            window.close();
        };
        ModalAction shown(name, picture, 60000);
        start->findChild<QToolButton*>(button)->click();
        QVERIFY2(shown.ran() && !shown.leftOpen() && share > 0.97, name);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // No printer is set up: the program offers a PDF file in the home folder instead.
    qputenv("HOME", QFile::encodeName(folder.path()));
    ModalAction savedAsPdf(
        {{"QMessageBox",
          [](QWidget& question) {
              static_cast<QMessageBox&>(question).button(QMessageBox::Yes)->click();
          }},
         {"QFileDialog", [](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); }},
         {"QMessageBox", [](QWidget& saved) { saved.close(); }}});
    start->findChild<QToolButton*>("C1_2")->click();
    QVERIFY(savedAsPdf.ran() && !savedAsPdf.leftOpen());
    const QStringList printed = QDir(folder.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(printed.size(), 1);
    QFile pdf(folder.filePath(printed.first()));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");

    start->findChild<QToolButton*>("C1_3")->click();
    QTRY_VERIFY(!start->isVisible());
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
