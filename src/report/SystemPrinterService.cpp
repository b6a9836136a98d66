#include "SystemPrinterService.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Dots per inch of the printed page. The line widths of the report are given in device
// pixels; at this resolution its widest line is 1/150 inch.
constexpr int PageResolution = 600;
constexpr int SubmitTimeoutMs = 30000;

QString trPrinter(const char* text) {
    return QCoreApplication::translate("SystemPrinterService", text);
}

class LpPageTarget final : public PageTarget {
public:
    LpPageTarget(const QPrinterInfo& info, const QString& jobTitle)
        : m_name(info.printerName()), m_title(jobTitle), m_printer(info, QPrinter::HighResolution) {
        // The printer's own paper and its whole printable area: QPrinter starts from the
        // locale's paper and margins of its own otherwise.
        m_printer.setPageSize(info.defaultPageSize());
        m_printer.setPageOrientation(QPageLayout::Portrait);
        QPageLayout layout = m_printer.pageLayout();
        layout.setMargins(layout.minimumMargins());
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(m_folder.filePath(QStringLiteral("tagesbericht.pdf")));
        m_printer.setPageLayout(layout);
        m_printer.setFullPage(false);
        m_printer.setResolution(PageResolution);
        m_printer.setCopyCount(1);
        m_printer.setColorMode(QPrinter::Color);
        m_printer.setDocName(jobTitle);
        m_printer.setCreator(QStringLiteral("Biorhythmus"));
    }

    bool isValid() const { return m_folder.isValid(); }

    QPagedPaintDevice& device() override { return m_printer; }

    bool hasFailed() const override {
        return m_printer.printerState() == QPrinter::Error ||
               m_printer.printerState() == QPrinter::Aborted;
    }

    void abandon() override { m_printer.abort(); }

    bool submit(QString* error) override {
        QProcess lp;
        lp.setProcessChannelMode(QProcess::MergedChannels);
        lp.start(QStringLiteral("lp"),
                 {QStringLiteral("-d"), m_name, QStringLiteral("-n"), QStringLiteral("1"),
                  QStringLiteral("-t"), m_title, m_printer.outputFileName()});
        if (!lp.waitForStarted()) {
            *error = trPrinter("Das Druckprogramm lp konnte nicht gestartet werden.");
            return false;
        }
        if (!lp.waitForFinished(SubmitTimeoutMs)) {
            lp.kill();
            lp.waitForFinished();
            *error = trPrinter("Das Drucksystem hat nicht rechtzeitig geantwortet.");
            return false;
        }
        if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
            *error = QString::fromLocal8Bit(lp.readAll()).trimmed();
            if (error->isEmpty())
                *error = trPrinter("Das Drucksystem hat den Auftrag nicht angenommen.");
            return false;
        }
        return true;
    }

private:
    QString m_name;
    QString m_title;
    QTemporaryDir m_folder;
    QPrinter m_printer;
};

} // namespace

QStringList SystemPrinterService::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinterService::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<PageTarget>
SystemPrinterService::openPrinter(const QString& name, const QString& jobTitle, QString* error) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        *error = trPrinter("Der Drucker ist nicht mehr vorhanden.");
        return nullptr;
    }
    if (info.state() == QPrinter::Error) {
        *error = trPrinter("Der Drucker ist angehalten oder meldet einen Fehler.");
        return nullptr;
    }
    auto target = std::make_unique<LpPageTarget>(info, jobTitle);
    if (!target->isValid()) {
        *error = trPrinter("Für die Druckseite konnte kein temporärer Ordner angelegt werden.");
        return nullptr;
    }
    return target;
}
