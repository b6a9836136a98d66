// Prints the day report through a real CUPS server (started by cups-print-test.sh) into a
// cups-pdf queue and reads the printed PDF back.

#include "FullDisk.h"
#include "ReportChecks.h"
#include "ScriptedDialogs.h"
#include "gui/platform/SystemPrinterService.h"
#include "gui/report/PrintDayReport.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <csignal>

namespace {

const QString Queue = QStringLiteral("BiorhythmusTest");

// The PDF files in cups-pdf's folder with their modification times; a job number can come
// again in a later run, so a file of an earlier run may be overwritten.
QMap<QString, QDateTime> printedFiles() {
    const QDir out(qEnvironmentVariable("BIO_CUPS_PDF_OUT"));
    QMap<QString, QDateTime> files;
    for (const QFileInfo& file : out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        files.insert(file.filePath(), file.lastModified());
    return files;
}

int jobCount() {
    return toolOutput(QStringLiteral("lpstat"),
                      {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), Queue})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
        .size();
}

bool jobsPending() {
    return !toolOutput(QStringLiteral("lpstat"), {QStringLiteral("-o"), Queue}).trimmed().isEmpty();
}

// The PDF that cups-pdf writes for the next completed job; empty after the time-out.
QString waitForPrintedFile(const QMap<QString, QDateTime>& before, int timeoutMs) {
    QString printed;
    const auto written = [&] {
        if (jobsPending())
            return false;
        const QMap<QString, QDateTime> now = printedFiles();
        for (auto file = now.cbegin(); file != now.cend(); ++file)
            if (before.value(file.key()) != file.value())
                printed = file.key();
        return !printed.isEmpty();
    };
    (void)QTest::qWaitFor(written, timeoutMs);
    return printed;
}

// The cups-pdf queue as this machine's default printer; empty when it is set up, else what
// lpadmin said.
QString addDefaultQueue() {
    bool ok = false;
    const QString added =
        toolOutput(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
                    qEnvironmentVariable("BIO_CUPS_PDF_MODEL"),
                    // keeps the printed text readable for pdftotext; the default
                    // Ghostscript conversion turns the letters into bare shapes
                    QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo")},
                   &ok);
    if (!ok)
        return added;
    const QString chosen =
        toolOutput(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Queue}, &ok);
    return ok ? QString() : chosen;
}

// The queue's jobs and cups-pdf's files at one moment, to see later that nothing more came. A
// job is in the server's list (with -W all, finished or not) once lp has handed it over, and
// the print has waited for lp; a file comes only from a job.
struct PrintedSoFar {
    int jobs = jobCount();
    QMap<QString, QDateTime> files = printedFiles();
    bool stillSo() const { return jobCount() == jobs && printedFiles() == files; }
};

// The one message shown, when it says that the report was not printed and why.
bool toldNotPrinted(const PrintResult& printed, const QString& why) {
    const QString said = failureText(printed.failure);
    qInfo("said: %s", qPrintable(said));
    return printed.how == PrintOutcome::Failed && said.contains(why) &&
           said.contains(QStringLiteral("nicht gedruckt"));
}

qint64 cupsdPid() {
    return qEnvironmentVariable("BIO_CUPSD_PID").toLongLong();
}

// The system's printers, with the CUPS server stopped (SIGSTOP) just before the given step:
// from then on it takes connections and never answers, as a hung server does.
class SilencedPrinters final : public PrinterService {
public:
    enum Step { Lookup, Handover };
    explicit SilencedPrinters(Step step) : m_step(step) {}

    bool isBusy() const override { return m_system.isBusy(); }
    DefaultPrinter defaultPrinter() override {
        silenceAt(Lookup);
        return m_system.defaultPrinter();
    }
    std::unique_ptr<PageTarget> openPrinter(const DefaultPrinter& printer, const QString& title,
                                            Outcome* problem) override {
        silenceAt(Handover);
        return m_system.openPrinter(printer, title, problem);
    }

private:
    void silenceAt(Step step) {
        if (step == m_step)
            ::kill(pid_t(cupsdPid()), SIGSTOP);
    }

    SystemPrinterService m_system;
    Step m_step;
};

} // namespace

class TestReportCups : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void noPrinterOffersPdf();
    void printsOnDefaultPrinter_data();
    void printsOnDefaultPrinter();
    void refusedJob_data();
    void refusedJob();
    void silentServer_data();
    void silentServer();
    void endingDuringTheWait_data();
    void endingDuringTheWait();
    void pageNotWrittenWhole();
    void cleanupTestCase();

private:
    QStringList m_leftovers;
    SystemPrinterService m_printers;
};

void TestReportCups::initTestCase() {
    if (!qEnvironmentVariableIsSet("CUPS_SERVER") || !qEnvironmentVariableIsSet("BIO_CUPS_PDF_OUT"))
        QSKIP("runs under cups-print-test.sh, which starts the CUPS server");
    QVERIFY(!qEnvironmentVariable("BIO_CUPS_PDF_MODEL").isEmpty());
    const QString problem = addDefaultQueue();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(SystemPrinterService().defaultPrinter().name, Queue);
}

// With the queue taken away for a moment the server has no printer at all, and the program
// offers a PDF file instead (declined here; the PDF itself is checked without a print system).
void TestReportCups::noPrinterOffersPdf() {
    bool ok = false;
    toolOutput(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Queue}, &ok);
    QVERIFY(ok);
    const auto restore = qScopeGuard([] { addDefaultQueue(); });
    QCOMPARE(SystemPrinterService().defaultPrinter().state, DefaultPrinter::State::NoPrinters);
    ScriptedDialogs dialogs;
    QCOMPARE(printDayReport(nullptr, reportcheck::sampleReport(), dialogs, m_printers).how,
             PrintOutcome::Cancelled);
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions[0].contains(QStringLiteral("kein Drucker eingerichtet")));
}

void TestReportCups::printsOnDefaultPrinter_data() {
    QTest::addColumn<QString>("pageSize");
    QTest::addColumn<QString>("pdfinfoSize");
    QTest::newRow("A4") << "A4"
                        << "595 x 842 pts";
    QTest::newRow("Letter") << "Letter"
                            << "612 x 792 pts";
}

void TestReportCups::printsOnDefaultPrinter() {
    QFETCH(QString, pageSize);
    QFETCH(QString, pdfinfoSize);
    bool ok = false;
    toolOutput(
        QStringLiteral("lpadmin"),
        {QStringLiteral("-p"), Queue, QStringLiteral("-o"), QStringLiteral("PageSize=") + pageSize},
        &ok);
    QVERIFY(ok);

    const QMap<QString, QDateTime> before = printedFiles();
    ScriptedDialogs dialogs;
    const DayReport report = reportcheck::sampleReport();
    QCOMPARE(printDayReport(nullptr, report, dialogs, m_printers).how, PrintOutcome::Printed);
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join(';')));
    QVERIFY(dialogs.questions.isEmpty());

    const QString printed = waitForPrintedFile(before, 30000);
    QVERIFY2(!printed.isEmpty(), "cups-pdf wrote no file");
    m_leftovers << printed;
    qInfo("printed page: %s", qPrintable(printed));
    QVERIFY2(toolOutput(QStringLiteral("pdfinfo"), {printed}).contains(pdfinfoSize),
             qPrintable(toolOutput(QStringLiteral("pdfinfo"), {printed})));
    // cups-pdf's paper has no unprintable margins.
    reportcheck::verifyDayReportPage(printed, report, QMarginsF(0, 0, 0, 0));
}

void TestReportCups::refusedJob_data() {
    QTest::addColumn<QString>("refuse");
    QTest::addColumn<QString>("restore");
    QTest::addColumn<QString>("said"); // lp's own words come after the German, in parentheses
    QTest::newRow("queue rejects jobs")
        << "cupsreject"
        << "cupsaccept"
        << "„BiorhythmusTest“ hat den Druckauftrag abgelehnt. Der Tagesbericht wurde nicht "
           "gedruckt.\n\n(";
    QTest::newRow("printer stopped") << "cupsdisable"
                                     << "cupsenable"
                                     << "„BiorhythmusTest“ kann den Druckauftrag nicht annehmen";
}

void TestReportCups::refusedJob() {
    QFETCH(QString, refuse);
    QFETCH(QString, restore);
    QFETCH(QString, said);
    bool ok = false;
    toolOutput(refuse, {Queue}, &ok);
    QVERIFY(ok);
    const PrintedSoFar before;
    ScriptedDialogs dialogs;
    const PrintResult printed =
        printDayReport(nullptr, reportcheck::sampleReport(), dialogs, m_printers);
    toolOutput(restore, {Queue}, &ok);
    QVERIFY(toldNotPrinted(printed, said));
    QVERIFY(before.stillSo());
}

void TestReportCups::silentServer_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("withinMs");
    QTest::newRow("printer lookup") << int(SilencedPrinters::Lookup) << 7000;
    QTest::newRow("hand-over to lp") << int(SilencedPrinters::Handover) << 12000;
}

void TestReportCups::silentServer() {
    QFETCH(int, step);
    QFETCH(int, withinMs);
    QVERIFY(cupsdPid() > 0);
    SilencedPrinters printers{SilencedPrinters::Step(step)};
    ScriptedDialogs dialogs;
    int ticks = 0; // the window's own events, served while the print system is waited for
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(50);
    QElapsedTimer took;
    took.start();
    const PrintResult printed =
        printDayReport(nullptr, reportcheck::sampleReport(), dialogs, printers);
    const qint64 elapsed = took.elapsed();
    ::kill(pid_t(cupsdPid()), SIGCONT);
    QTRY_VERIFY_WITH_TIMEOUT(toolOutput(QStringLiteral("lpstat"), {QStringLiteral("-r")})
                                 .contains(QStringLiteral("is running")),
                             10000);

    QVERIFY2(elapsed < withinMs, qPrintable(QString::number(elapsed)));
    QVERIFY2(ticks > elapsed / 50 / 2,
             qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(elapsed)));
    QVERIFY(toldNotPrinted(printed, QStringLiteral("Der Drucker antwortet nicht")));
    QVERIFY(dialogs.questions.isEmpty());
}

void TestReportCups::endingDuringTheWait_data() {
    silentServer_data();
}

// The program told to end (by a signal) while it waits for a silent print system: the print is
// called off at once, and nothing is said about printers.
void TestReportCups::endingDuringTheWait() {
    QFETCH(int, step);
    SilencedPrinters printers{SilencedPrinters::Step(step)};
    ScriptedDialogs dialogs;
    PrintOutcome outcome = PrintOutcome::Printed;
    QElapsedTimer took;
    QTimer::singleShot(0, [&] {
        took.start();
        outcome = printDayReport(nullptr, reportcheck::sampleReport(), dialogs, printers).how;
    });
    QTimer::singleShot(1000, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    const qint64 elapsed = took.elapsed();
    ::kill(pid_t(cupsdPid()), SIGCONT);
    QTRY_VERIFY_WITH_TIMEOUT(!printers.isBusy(), 10000);

    QCOMPARE(outcome, PrintOutcome::Abandoned);
    QVERIFY2(elapsed < 1500, qPrintable(QString::number(elapsed)));
    QCOMPARE(dialogs.messages, QStringList());
}

// A temporary folder that takes only the first 4 KiB of the page, as a full disk does.
void TestReportCups::pageNotWrittenWhole() {
    const PrintedSoFar before;
    ScriptedDialogs dialogs;
    PrintResult printed;
    {
        const FullDisk full;
        QVERIFY(full.limited());
        printed = printDayReport(nullptr, reportcheck::sampleReport(), dialogs, m_printers);
    }

    QVERIFY(toldNotPrinted(printed, QStringLiteral("nicht vollständig in den temporären "
                                                   "Ordner geschrieben")));
    QVERIFY(before.stillSo());
}

void TestReportCups::cleanupTestCase() {
    if (!qEnvironmentVariableIsSet("CUPS_SERVER"))
        return;
    toolOutput(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Queue});
    // BIO_KEEP_PRINTED keeps the printed pages for a look at them.
    if (!qEnvironmentVariableIsSet("BIO_KEEP_PRINTED"))
        for (const QString& file : std::as_const(m_leftovers))
            QFile::remove(file);
}

QTEST_MAIN(TestReportCups)
#include "tst_report_cups.moc"
