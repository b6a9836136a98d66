// Runs the program's windows on a real screen and checks the pictures the screen shows: on a
// compositor (weston, started by wayland-test.sh, on Wayland itself or through XWayland), whose
// own screenshooter takes them, or on an X server (Xorg, started by display-mode-test.sh), whose
// root window is read. The layout's scale is chosen before the application object exists, as
// the program chooses it; the script says which scale that must be (BIO_EXPECTED_SCALE) and
// whether the window is framed (BIO_WINDOW=framed, as --window makes it). Checks the main
// window over the whole screen with the page of controls centred, or framed; text drawn afresh
// at the scale; the person editor, the help window and the critical days on top at the same
// scale. Prints the day report into a PDF file and leaves through the exit button.
#include "ModalAction.h"
#include "gui/mainwindow/Application.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/platform/ScreenSwitch.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstring>

namespace {

// A picture of the whole screen, saved to the file: through the command the script gives, or
// from the X server's root window.
QImage screenPicture(const QString& file) {
    const QString command = qEnvironmentVariable("BIO_SCREENSHOT_COMMAND");
    if (command.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    else
        QProcess::execute(QStringLiteral("bash"),
                          {QStringLiteral("-c"), command, QStringLiteral("screenshot"), file});
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

bool samePixel(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 8 && qAbs(qGreen(a) - qGreen(b)) <= 8 &&
           qAbs(qBlue(a) - qBlue(b)) <= 8;
}

// In device pixels, as the screen shows them.
QImage drawn(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

const QRgb* row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// The middle of the 24 x 24 patch, among some spread over the picture, with the most colours:
// a plain one would be found all over the screen.
QPoint busiestPatch(const QImage& window) {
    QPoint busiest;
    qsizetype most = -1;
    for (int j = 1; j < 8; ++j) {
        for (int i = 1; i < 8; ++i) {
            const QPoint middle(window.width() * i / 8, window.height() * j / 8);
            QSet<QRgb> colours;
            for (int y = middle.y() - 12; y < middle.y() + 12; ++y)
                for (int x = middle.x() - 12; x < middle.x() + 12; ++x)
                    colours.insert(row(window, y)[x]);
            if (colours.size() > most) {
                most = colours.size();
                busiest = middle;
            }
        }
    }
    return busiest;
}

// The places where a patch of the drawn picture appears in the screen's; the window system
// places windows itself, and backgrounds of repeated tiles or grid cells match in many places.
QList<QPoint> candidatePlaces(const QImage& picture, const QImage& window, QPoint anchor) {
    const QRect patch(anchor - QPoint(12, 12), QSize(24, 24));
    const std::size_t rowBytes = patch.width() * sizeof(QRgb);
    QList<QPoint> places;
    for (int y = 0; y + patch.height() <= picture.height(); ++y) {
        for (int x = 0; x + patch.width() <= picture.width(); ++x) {
            bool same = true;
            for (int dy = 0; same && dy < patch.height(); ++dy)
                same = std::memcmp(row(picture, y + dy) + x,
                                   row(window, patch.y() + dy) + patch.x(), rowBytes) == 0;
            if (same)
                places << QPoint(x - patch.x(), y - patch.y());
        }
    }
    return places;
}

// The share of the drawn picture's pixels that the screen shows at that place; what lies
// beyond the screen's edge counts as not shown.
double shareAt(const QImage& picture, const QImage& window, QPoint at) {
    const QRect shown = QRect(at, window.size()).intersected(picture.rect());
    qint64 same = 0;
    for (int y = shown.top(); y <= shown.bottom(); ++y)
        for (int x = shown.left(); x <= shown.right(); ++x)
            same += samePixel(row(picture, y)[x], row(window, y - at.y())[x - at.x()]);
    return double(same) / (qint64(window.width()) * window.height());
}

// Where the screen shows the widget as it drew it, and the share of its pixels shown there.
// The screen shows a new frame a little later, so a few pictures are taken until one agrees.
struct Shown {
    double share = 0;
    QRect place; // in the picture's device pixels
    QImage picture;
};
Shown shownOnScreen(QWidget* widget, const QString& pictureFile) {
    Shown best;
    for (int attempt = 0; attempt < 6 && best.share <= 0.97; ++attempt) {
        QTest::qWait(500);
        const QImage window = drawn(widget);
        const QImage picture = screenPicture(pictureFile);
        for (QPoint at : candidatePlaces(picture, window, busiestPatch(window))) {
            const double share = shareAt(picture, window, at);
            if (share > best.share)
                best = {share, QRect(at, window.size()), picture};
            if (best.share > 0.97)
                break;
        }
    }
    return best;
}

// The label as Qt draws it at 1x with a font `scale` times as large, on a screen of 96 dpi:
// what the label is at that size, drawn rather than enlarged.
QImage drawnLarger(const QLabel& label, int scale) {
    QLabel large(label.text());
    QFont font = label.font();
    font.setPointSizeF(font.pointSizeF() * scale);
    large.setFont(font);
    large.setPalette(label.palette());
    large.setAutoFillBackground(label.autoFillBackground());
    large.setAlignment(label.alignment());
    large.resize(label.size() * scale);
    QImage image(large.size(), QImage::Format_RGB32);
    image.fill(label.palette().color(QPalette::Window));
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    large.render(&image);
    return image;
}

// The best share of equal pixels between the two pictures, one moved against the other by up
// to `slack` pixels each way: glyphs laid out at 1x and at a scale may stand a pixel apart.
double likeness(const QImage& a, const QImage& b, int slack) {
    double best = 0;
    for (int dy = -slack; dy <= slack; ++dy) {
        for (int dx = -slack; dx <= slack; ++dx) {
            qint64 same = 0;
            qint64 all = 0;
            for (int y = slack; y < a.height() - slack; ++y)
                for (int x = slack; x < a.width() - slack; ++x, ++all)
                    same += b.valid(x + dx, y + dy) &&
                            samePixel(a.pixel(x, y), b.pixel(x + dx, y + dy));
            best = std::max(best, double(same) / std::max<qint64>(1, all));
        }
    }
    return best;
}

QImage enlarged(const QImage& image, int scale) {
    return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
public:
    explicit TestDesktop(ScreenSwitch screen) : m_screen(std::move(screen)) {}

private slots:
    void windowsAsTheScreenShowsThem();

private:
    ScreenSwitch m_screen;
};

void TestDesktop::windowsAsTheScreenShowsThem() {
    QTemporaryDir folder;
    const QString pictures = qEnvironmentVariable("BIO_PICTURE_FOLDER", folder.path());
    const int scale = qEnvironmentVariableIntValue("BIO_EXPECTED_SCALE");
    const bool framed = m_screen.shape() == ScreenSwitch::Shape::Framed;
    QVERIFY(scale >= 1);
    Application application(std::move(m_screen));
    application.start();
    MainWindow* start = application.mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(start));
    QCOMPARE(start->devicePixelRatio(), qreal(scale));

    // Framed at the page's size with the window system's frame around it, or over the whole
    // screen (which has no panel here) with the page in the middle.
    const QWidget* page = start->page();
    const Shown window = shownOnScreen(start, pictures + QStringLiteral("/start.png"));
    QVERIFY2(window.share > 0.97, qPrintable(QString::number(window.share)));
    const QRect pageShown(window.place.topLeft() + page->pos() * scale, page->size() * scale);
    QVERIFY(window.place.contains(pageShown));
    if (framed) {
        QCOMPARE(start->size(), page->size());
        QTRY_VERIFY(start->frameGeometry().height() > start->height());
    } else {
        QVERIFY(start->isFullScreen() || start->isMaximized());
        // Where the screen is not a whole number of pixels at Qt's own scale (a Wayland output
        // at 200 % drawn at 3x), the window reaches a device pixel beyond its edge.
        const QRect screen = window.picture.rect();
        QVERIFY(window.place.contains(screen) && window.place.width() <= screen.width() + scale &&
                window.place.height() <= screen.height() + scale);
        const QMargins margins(
            pageShown.left() - window.place.left(), pageShown.top() - window.place.top(),
            window.place.right() - pageShown.right(), window.place.bottom() - pageShown.bottom());
        QVERIFY2(qAbs(margins.left() - margins.right()) <= scale &&
                     qAbs(margins.top() - margins.bottom()) <= scale,
                 qPrintable(QStringLiteral("%1 %2 %3 %4")
                                .arg(margins.left())
                                .arg(margins.top())
                                .arg(margins.right())
                                .arg(margins.bottom())));
    }

    // A label's glyphs on the screen are those of the label drawn with a font that many times
    // as large, not the 1x label enlarged.
    const auto* legend = start->findChild<QLabel*>(QStringLiteral("L1_0"));
    const QImage legendShown = window.picture.copy(
        QRect(pageShown.topLeft() + legend->mapTo(page, QPoint()) * scale, legend->size() * scale));
    const double likeDrawn = likeness(legendShown, drawnLarger(*legend, scale), scale);
    QVERIFY2(likeDrawn > 0.95, qPrintable(QString::number(likeDrawn)));
    if (scale > 1) {
        const double likeEnlarged =
            likeness(legendShown, enlarged(drawnLarger(*legend, 1), scale), scale);
        QVERIFY2(likeEnlarged < likeDrawn - 0.03,
                 qPrintable(QStringLiteral("%1 %2").arg(likeEnlarged).arg(likeDrawn)));
    }

    // The dialogs open wholly on top, at the same scale. Where the program places them itself
    // (X without a compositor; a compositor places windows as it likes), centred over the page.
    const bool placedByProgram = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"Data", [&] { start->findChild<QToolButton*>("C1_0")->click(); }},
        {"About", [&] { start->findChild<QToolButton*>("C1_1")->click(); }},
        {"Days", [&] { start->openCriticalDays(); }}};
    for (const auto& [name, open] : dialogs) {
        Shown dialog;
        int dialogScale = 0;
        const auto picture = [&, name = name](QWidget& shown) {
            dialogScale = qRound(shown.devicePixelRatio());
            dialog = shownOnScreen(&shown, QStringLiteral("%1/%2.png").arg(pictures, name));
            shown.close();
        };
        ModalAction opened(name, picture, 60000);
        open();
        QTRY_VERIFY2(opened.ran(), name);
        QVERIFY2(!opened.leftOpen() && dialog.share > 0.97, name);
        QCOMPARE(dialogScale, scale);
        const QPoint offCentre = dialog.place.center() - pageShown.center();
        QVERIFY2(
            !placedByProgram || offCentre.manhattanLength() <= 2 * scale,
            qPrintable(QStringLiteral("%1 %2 %3").arg(name).arg(offCentre.x()).arg(offCentre.y())));
        QTRY_VERIFY(!QApplication::activeModalWidget());
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

int main(int argc, char* argv[]) {
    ScreenSwitch screen = ScreenSwitch::beforeQtStarts(qgetenv("BIO_WINDOW") == "framed"
                                                           ? ScreenSwitch::Shape::Framed
                                                           : ScreenSwitch::Shape::WholeScreen);
    QApplication application(argc, argv);
    TestDesktop test(std::move(screen));
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
