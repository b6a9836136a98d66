#pragma once

#include "gui/platform/PrinterService.h"

#include <QBuffer>
#include <QCursor>
#include <QGuiApplication>
#include <QPdfWriter>
#include <functional>
#include <utility>

// A printer whose page lands in memory. It can be told what the lookup finds (and what happens
// while it runs), that an earlier lookup still hangs, that no page can be made, or how its
// hand-over goes; it notes the lookups, what became of the page and whether the busy cursor was
// up while the page was built.
class FakePrinters final : public PrinterService {
public:
    DefaultPrinter found;
    std::function<void()> duringLookup; // once, while the next lookup runs
    bool busy = false;
    QString openError;
    Handover handover = Handover::Accepted;

    QByteArray sent;
    bool busyWhileBuilding = false;
    int lookups = 0;

    bool isBusy() const override { return busy; }
    DefaultPrinter defaultPrinter() override {
        ++lookups;
        if (const auto during = std::exchange(duringLookup, nullptr))
            during();
        return found;
    }
    std::unique_ptr<PageTarget> openPrinter(const DefaultPrinter&, const QString&,
                                            Outcome* problem) override {
        if (!openError.isEmpty()) {
            *problem = Outcome::failure(UserText(), openError);
            return nullptr;
        }
        return std::make_unique<Target>(*this);
    }

private:
    // Outlived by the service, as the print path deletes its target.
    class Target final : public PageTarget {
    public:
        explicit Target(FakePrinters& service) : m_service(service), m_writer(&m_buffer) {
            m_buffer.open(QIODevice::WriteOnly);
        }
        QPagedPaintDevice& device() override {
            m_service.busyWhileBuilding =
                QGuiApplication::overrideCursor() &&
                QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            return m_writer;
        }
        Handover submit(Outcome* problem) override {
            if (m_service.handover == Handover::Accepted)
                m_service.sent = m_buffer.data();
            else
                *problem = Outcome::failure(UserText(), QStringLiteral("lp: said so"));
            return m_service.handover;
        }

    private:
        FakePrinters& m_service;
        QBuffer m_buffer;
        QPdfWriter m_writer;
    };
};
