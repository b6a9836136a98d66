#include "SystemPrinterService.h"

#include "drawing/PdfPage.h"
#include "gui/platform/WaitWithinLimit.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

// A print system on this machine or the network answers within these limits or not at all.
constexpr int LookupTimeoutMs = 5000;
constexpr int SubmitTimeoutMs = 10000;

// Runs on a thread of its own: each of these calls can wait for CUPS.
DefaultPrinter lookUpDefaultPrinter() {
    DefaultPrinter printer;
    printer.name = QPrinterInfo::defaultPrinterName();
    if (printer.name.isEmpty()) {
        printer.state = QPrinterInfo::availablePrinterNames().isEmpty()
                            ? DefaultPrinter::State::NoPrinters
                            : DefaultPrinter::State::NoDefault;
        return printer;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.name);
    printer.state = DefaultPrinter::State::Unusable;
    if (info.isNull()) {
        printer.reason = Outcome::failure(UserText(
            "SystemPrinterService",
            QT_TRANSLATE_NOOP("SystemPrinterService", "Der Drucker ist nicht mehr vorhanden.")));
        return printer;
    }
    if (info.state() == QPrinter::Error) {
        printer.reason = Outcome::failure(
            UserText("SystemPrinterService",
                     QT_TRANSLATE_NOOP("SystemPrinterService",
                                       "Der Drucker ist angehalten oder meldet einen Fehler.")));
        return printer;
    }
    // The printer's own paper and its whole printable area: QPrinter starts from the locale's
    // paper and margins of its own otherwise.
    QPrinter device(info, QPrinter::HighResolution);
    device.setPageSize(info.defaultPageSize());
    device.setPageOrientation(QPageLayout::Portrait);
    printer.layout = device.pageLayout();
    printer.layout.setMargins(printer.layout.minimumMargins());
    printer.state = DefaultPrinter::State::Ready;
    return printer;
}

class LpPageTarget final : public PageTarget {
public:
    LpPageTarget(const DefaultPrinter& printer, const QString& jobTitle)
        : m_name(printer.name), m_title(jobTitle),
          m_file(m_folder.filePath(QStringLiteral("tagesbericht.pdf"))) {
        if (!m_folder.isValid() || !m_file.open(QIODevice::WriteOnly))
            return;
        m_writer = pdfPageWriter(&m_file, printer.layout, jobTitle);
    }

    // Worked when the page can be drawn, else why not.
    Outcome problem() const {
        if (!m_folder.isValid())
            return Outcome::failure(UserText(), m_folder.errorString());
        return m_writer ? Outcome() : Outcome::failure(UserText(), m_file.errorString());
    }

    QPagedPaintDevice& device() override { return *m_writer; }

    // A write that failed on the way is found here, and reported with the file system's own
    // words; drawing itself cannot fail on a PDF writer.
    Handover submit(Outcome* problem) override {
        if (!isWrittenWhole(problem))
            return Handover::PageIncomplete;
        QProcess lp;
        lp.setProcessChannelMode(QProcess::MergedChannels);
        lp.start(QStringLiteral("lp"),
                 {QStringLiteral("-d"), m_name, QStringLiteral("-n"), QStringLiteral("1"),
                  QStringLiteral("-t"), m_title, m_file.fileName()});
        const WaitOutcome waited =
            waitWithinLimit([&lp] { return lp.state() == QProcess::NotRunning; }, SubmitTimeoutMs);
        if (waited != WaitOutcome::Ready) {
            lp.kill();
            lp.waitForFinished(1000);
            return waited == WaitOutcome::Quitting ? Handover::Abandoned : Handover::NotAnswering;
        }
        if (lp.error() == QProcess::FailedToStart) {
            *problem = Outcome::failure(UserText(), QStringLiteral("lp: ") + lp.errorString());
            return Handover::Refused;
        }
        if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
            *problem = Outcome::failure(UserText(), QString::fromLocal8Bit(lp.readAll()).trimmed());
            return Handover::Refused;
        }
        return Handover::Accepted;
    }

private:
    // Every write reached the file and the file on disk holds all of them.
    bool isWrittenWhole(Outcome* problem) {
        const qint64 written = m_file.pos();
        if (!m_file.flush() || m_file.error() != QFileDevice::NoError) {
            *problem = Outcome::failure(UserText(), m_file.errorString());
            return false;
        }
        m_file.close();
        const qint64 onDisk = QFileInfo(m_file.fileName()).size();
        if (written <= 0 || onDisk != written) {
            *problem = Outcome::failure(
                UserText("SystemPrinterService",
                         QT_TRANSLATE_NOOP("SystemPrinterService", "%1 von %2 Bytes geschrieben"))
                    .arg(onDisk)
                    .arg(written));
            return false;
        }
        return true;
    }

    QString m_name;
    QString m_title;
    QTemporaryDir m_folder;
    QFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
};

} // namespace

// One lookup on its thread; the result is written before done is set.
struct SystemPrinterService::Lookup {
    std::thread thread;
    std::atomic<bool> done{false};
    DefaultPrinter result;
};

SystemPrinterService::SystemPrinterService() = default;

SystemPrinterService::~SystemPrinterService() {
    using namespace std::chrono_literals;
    for (int i = 0; isBusy() && i < 20; ++i)
        std::this_thread::sleep_for(10ms);
    if (!m_lookup)
        return;
    // Still hanging in the print system: the thread keeps its lookup, and the program's end
    // (see Application) does not wait for it.
    if (isBusy())
        m_lookup->thread.detach();
    else
        m_lookup->thread.join();
}

bool SystemPrinterService::isBusy() const {
    return m_lookup && !m_lookup->done;
}

DefaultPrinter SystemPrinterService::defaultPrinter() {
    // A lookup that answered only after it was given up on is over; one that still hangs is
    // waited for again rather than joined by another.
    if (m_lookup && m_lookup->done) {
        m_lookup->thread.join();
        m_lookup.reset();
    }
    if (!m_lookup) {
        m_lookup = std::make_shared<Lookup>();
        m_lookup->thread = std::thread([lookup = m_lookup] {
            lookup->result = lookUpDefaultPrinter();
            lookup->done = true;
        });
    }
    const std::shared_ptr<Lookup> lookup = m_lookup;
    const WaitOutcome waited =
        waitWithinLimit([&lookup] { return lookup->done.load(); }, LookupTimeoutMs);
    if (waited != WaitOutcome::Ready) {
        DefaultPrinter silent;
        silent.state = waited == WaitOutcome::Quitting ? DefaultPrinter::State::Abandoned
                                                       : DefaultPrinter::State::NotAnswering;
        return silent;
    }
    if (lookup == m_lookup) {
        m_lookup->thread.join();
        m_lookup.reset();
    }
    return lookup->result;
}

std::unique_ptr<PageTarget> SystemPrinterService::openPrinter(const DefaultPrinter& printer,
                                                              const QString& jobTitle,
                                                              Outcome* problem) {
    auto target = std::make_unique<LpPageTarget>(printer, jobTitle);
    *problem = target->problem();
    if (!problem->worked())
        return nullptr;
    return target;
}
