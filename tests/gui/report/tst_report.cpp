#include "FakePrinters.h"
#include "FullDisk.h"
#include "MainWindowFixture.h"
#include "ReportChecks.h"
#include "ScriptedDialogs.h"
#include "TestLanguage.h"
#include "drawing/DayReportPage.h"
#include "drawing/PageSurface.h"
#include "gui/report/PrintDayReport.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using reportcheck::sampleReport;

namespace {

// Writes the report on a page of the given paper and printable margins (points).
void writeReport(const QString& path, const DayReport& report, const QPageSize& paper,
                 const QMarginsF& margins) {
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Point));
    writer.setResolution(600);
    QPainter painter(&writer);
    paintDayReport(painter, report);
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void textLines_data();
    void textLines();
    void chartScale_data();
    void chartScale();
    void pageLayout_data();
    void pageLayout();
    void printPaths_data();
    void printPaths();
    void savedFromTheWindow_data();
    void savedFromTheWindow();
    void pdfOnFullDisk_data();
    void pdfOnFullDisk();

private:
    QTemporaryDir m_home; // with a documents folder, where the PDF is suggested
};

void TestReport::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(".config")));
    QVERIFY(QDir(m_home.path()).mkpath("Documents"));
}

void TestReport::textLines_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("lineLengths");
    QTest::newRow("empty") << 0 << QList<int>{0, 0, 0, 0};
    QTest::newRow("one line full") << 99 << QList<int>{99, 0, 0, 0};
    QTest::newRow("second line starts") << 100 << QList<int>{99, 1, 0, 0};
    QTest::newRow("shortest text") << 264 << QList<int>{99, 100, 65, 0};
    QTest::newRow("fourth line empty") << 299 << QList<int>{99, 100, 100, 0};
    QTest::newRow("fourth line starts") << 300 << QList<int>{99, 100, 100, 1};
    QTest::newRow("longest text") << 380 << QList<int>{99, 100, 100, 81};
    QTest::newRow("cut after 398") << 500 << QList<int>{99, 100, 100, 99};
}

void TestReport::textLines() {
    QFETCH(int, length);
    QFETCH(QList<int>, lineLengths);
    const QString text = reportcheck::digitText(length);
    const std::array<QString, 4> lines = reportTextLines(text);
    QString joined;
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(lines[i].size(), lineLengths[i]);
        joined += lines[i];
    }
    QCOMPARE(joined, text.left(398));
}

void TestReport::chartScale_data() {
    // Printable height in inches at 100 dots per inch; where the strip's lower edge (chart
    // y = 20.5) and the scale's bottom (y = 72) land, in device pixels, worked out by hand:
    // (y + 18) / 90 of the scale height, which is the printable height up to 10.9 inches.
    QTest::addColumn<double>("heightInches");
    QTest::addColumn<double>("stripBottomPx");
    QTest::addColumn<double>("scaleBottomPx");
    QTest::newRow("short paper follows the area") << 10.0 << 427.7778 << 1000.0;
    QTest::newRow("10.9 inches exactly") << 10.9 << 466.2778 << 1090.0;
    QTest::newRow("Letter, no margins") << 11.0 << 466.2778 << 1090.0;
    QTest::newRow("A4 with 5 mm margins") << 11.3 << 466.2778 << 1090.0;
    QTest::newRow("A4, no margins") << 11.69 << 466.2778 << 1090.0;
    QTest::newRow("Legal") << 14.0 << 466.2778 << 1090.0;
}

void TestReport::chartScale() {
    QFETCH(double, heightInches);
    QFETCH(double, stripBottomPx);
    QFETCH(double, scaleBottomPx);
    QImage image(800, int(heightInches * 100 + 0.5), QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    QPainter painter(&image);
    PageSurface page(painter);
    QCOMPARE(page.dpiY(), 100.0);

    page.useScale(ChartScaleLeft, ChartScaleTop, ChartScaleWidth, ChartScaleHeight);
    QCOMPARE(page.toDevice(QPointF(-7, -18)), QPointF(0, 0));
    QCOMPARE(page.toDevice(QPointF(39, 20.5)).x(), 800.0);
    QVERIFY(std::abs(page.toDevice(QPointF(0, 20.5)).y() - stripBottomPx) < 0.01);
    QVERIFY(std::abs(page.toDevice(QPointF(0, 72)).y() - scaleBottomPx) < 0.01);

    page.useCharacterCells();
    const double legendTop = page.toDevice(QPointF(13, LegendRowCell)).y();
    QCOMPARE(legendTop, 466.0 + 2.0 / 3.0);
    QVERIFY(stripBottomPx < legendTop);
}

void TestReport::pageLayout_data() {
    QTest::addColumn<QPageSize>("paper");
    QTest::addColumn<QMarginsF>("margins");
    QTest::newRow("A4 without margins") << QPageSize(QPageSize::A4) << QMarginsF(0, 0, 0, 0);
    QTest::newRow("A4 with printer margins")
        << QPageSize(QPageSize::A4) << QMarginsF(12, 12, 12, 12);
    QTest::newRow("Letter without margins")
        << QPageSize(QPageSize::Letter) << QMarginsF(0, 0, 0, 0);
    QTest::newRow("Letter, quarter-inch margins")
        << QPageSize(QPageSize::Letter) << QMarginsF(18, 18, 18, 18);
    QTest::newRow("short printable area")
        << QPageSize(QPageSize::Letter) << QMarginsF(18, 36, 18, 36);
}

void TestReport::pageLayout() {
    QFETCH(QPageSize, paper);
    QFETCH(QMarginsF, margins);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    const DayReport report = sampleReport();
    writeReport(path, report, paper, margins);
    reportcheck::verifyDayReportPage(path, report, margins);
}

using State = DefaultPrinter::State;
Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(Handover)
Q_DECLARE_METATYPE(PrintOutcome)

void TestReport::printPaths_data() {
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("openError");
    QTest::addColumn<Handover>("handover");
    QTest::addColumn<bool>("acceptPdf");
    QTest::addColumn<QString>("pdfName"); // "" cancels the file dialog, "-" an unwritable path
    QTest::addColumn<PrintOutcome>("outcome");
    QTest::addColumn<QString>("message"); // expected in the one message, "" for none

    const auto ready = State::Ready;
    const auto accepted = Handover::Accepted;
    const auto failed = PrintOutcome::Failed;
    QTest::newRow("printed") << ready << "" << accepted << false << "" << PrintOutcome::Printed
                             << "";
    QTest::newRow("no default printer")
        << State::NoDefault << "" << accepted << false << "" << failed << "kein Standarddrucker";
    QTest::newRow("print system silent at the lookup")
        << State::NotAnswering << "" << accepted << false << "" << failed
        << "Der Drucker antwortet nicht";
    QTest::newRow("printer stopped") << State::Unusable << "" << accepted << false << "" << failed
                                     << "„Büro“ kann den Druckauftrag nicht annehmen: "
                                        "Der Drucker ist angehalten.";
    QTest::newRow("no temporary folder")
        << ready << "Permission denied" << accepted << false << "" << failed
        << "nicht angelegt werden. Der Tagesbericht wurde nicht gedruckt.\n\n(Zugriff verweigert)";
    QTest::newRow("print system refuses the page")
        << ready << "" << Handover::Refused << false << "" << failed
        << "„Büro“ hat den Druckauftrag abgelehnt. Der Tagesbericht wurde nicht "
           "gedruckt.\n\n(lp: said so)";
    QTest::newRow("print system silent at the hand-over")
        << ready << "" << Handover::NotAnswering << false << "" << failed
        << "Der Drucker antwortet nicht";
    QTest::newRow("page not written whole")
        << ready << "" << Handover::PageIncomplete << false << "" << failed
        << "nicht vollständig in den temporären Ordner geschrieben";
    QTest::newRow("no printer, PDF declined")
        << State::NoPrinters << "" << accepted << false << "" << PrintOutcome::Cancelled << "";
    QTest::newRow("no printer, file dialog cancelled")
        << State::NoPrinters << "" << accepted << true << "" << PrintOutcome::Cancelled << "";
    QTest::newRow("no printer, saved as PDF")
        << State::NoPrinters << "" << accepted << true << "bericht.pdf" << PrintOutcome::SavedAsPdf
        << "wurde in der Datei";
    QTest::newRow("no printer, PDF cannot be written")
        << State::NoPrinters << "" << accepted << true << "-" << failed
        << "missing-folder/bericht.pdf“ konnte nicht gespeichert werden";
}

void TestReport::printPaths() {
    QFETCH(State, state);
    QFETCH(QString, openError);
    QFETCH(Handover, handover);
    QFETCH(bool, acceptPdf);
    QFETCH(QString, pdfName);
    QFETCH(PrintOutcome, outcome);
    QFETCH(QString, message);

    QTemporaryDir folder;
    FakePrinters service;
    service.found.state = state;
    service.found.name = QStringLiteral("Büro");
    service.found.reason =
        Outcome::failure(UserText::verbatim(QStringLiteral("Der Drucker ist angehalten.")));
    service.openError = openError;
    service.handover = handover;

    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers << acceptPdf;
    QString pdfPath;
    if (pdfName == QLatin1String("-"))
        pdfPath = folder.filePath(QStringLiteral("missing-folder/bericht.pdf"));
    else if (!pdfName.isEmpty())
        pdfPath = folder.filePath(pdfName);
    dialogs.saveFileNames << pdfPath;

    const DayReport report = sampleReport();
    const PrintResult printed = printDayReport(nullptr, report, dialogs, service);
    QCOMPARE(printed.how, outcome);

    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(!dialogs.busyDuringDialog);
    // A failure comes back for the window to show; a saved file is told of at once.
    QCOMPARE(printed.failure.worked(), outcome != PrintOutcome::Failed);
    QStringList said = dialogs.messages;
    if (!printed.failure.worked())
        said << programTitle() + u'|' + failureText(printed.failure);
    QCOMPARE(said.size(), message.isEmpty() ? 0 : 1);
    for (const QString& one : std::as_const(said))
        QVERIFY2(one.startsWith(QStringLiteral("Biorhythmus|")) && one.contains(message),
                 qPrintable(one));
    QCOMPARE(service.sent.startsWith("%PDF"), outcome == PrintOutcome::Printed);
    QCOMPARE(service.busyWhileBuilding, state == State::Ready && openError.isEmpty());
    QCOMPARE(dialogs.questions.size(), state == State::NoPrinters ? 1 : 0);
    for (const QString& asked : std::as_const(dialogs.questions))
        QVERIFY(asked.contains(QStringLiteral("kein Drucker")));
    QCOMPARE(dialogs.saveCaption,
             acceptPdf ? QStringLiteral("Tagesbericht als PDF-Datei speichern") : QString());
    QCOMPARE(dialogs.suggestedPath,
             acceptPdf ? m_home.filePath("Documents/Biorhythmus-01.03.2024.pdf") : QString());
    if (outcome == PrintOutcome::SavedAsPdf) {
        // The file holds the day report on A4 with margins of 5 mm; what is on such a page is
        // pageLayout's test.
        const QString expected = folder.filePath(QStringLiteral("expected.pdf"));
        const double margin = 5 * 72 / 25.4;
        writeReport(expected, report, QPageSize(QPageSize::A4),
                    QMarginsF(margin, margin, margin, margin));
        QCOMPARE(pdfPageCount(pdfPath), 1);
        QCOMPARE(renderPdfPage(pdfPath, 100), renderPdfPage(expected, 100));
    } else if (!pdfPath.isEmpty())
        QVERIFY(!QFile::exists(pdfPath));
}

// The main window saves its day report as PDF from Ctrl+Shift+P and the print button's menu.
void TestReport::savedFromTheWindow_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("message");
    QTest::newRow("Ctrl+Shift+P") << false << ""
                                  << "Der Tagesbericht wurde in der Datei";
    QTest::newRow("menu, missing folder") << true << "fehlt/"
                                          << "konnte nicht gespeichert";
}

void TestReport::savedFromTheWindow() {
    QFETCH(bool, fromMenu);
    QFETCH(QString, folder);
    QFETCH(QString, message);
    Fixture f;
    f.window.load();
    f.window.show();
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QTemporaryDir dir;
    const QString path = dir.filePath(folder + "Biorhythmus-01.01.2000.pdf");
    f.dialogs.saveFileNames.enqueue(path);
    auto* print = f.window.findChild<QToolButton*>("C1_2");
    QCOMPARE(print->contextMenuPolicy(), Qt::ActionsContextMenu);
    if (fromMenu)
        print->actions().constFirst()->trigger();
    else
        QTest::keySequence(&f.window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY2(f.dialogs.messages[0].contains(message), qPrintable(f.dialogs.messages[0]));
    QFile pdf(path);
    QCOMPARE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-", folder.isEmpty());
}

// A PDF file that the disk cannot take whole: the sentence is in the language the user reads it
// in, the reason follows in parentheses in the same language, and no part of the file is left.
void TestReport::pdfOnFullDisk_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("said"); // %1: the path
    QTest::newRow("German") << "de"
                            << "Die Datei „%1“ konnte nicht gespeichert werden.\n\n(Die Datei ist "
                               "zu groß)";
    QTest::newRow("English") << "en"
                             << "The file “%1” could not be saved.\n\n(File too large)";
}

void TestReport::pdfOnFullDisk() {
    QFETCH(QString, language);
    QFETCH(QString, said);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bericht.pdf"));
    ScriptedDialogs dialogs;
    dialogs.saveFileNames << path;
    const TestLanguage speaking(language);
    QVERIFY(speaking.installed());
    PrintResult saved;
    {
        const FullDisk full;
        QVERIFY(full.limited());
        saved = saveDayReportAsPdf(nullptr, sampleReport(), dialogs);
    }
    QCOMPARE(saved.how, PrintOutcome::Failed);
    QCOMPARE(failureText(saved.failure), said.arg(path));
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
