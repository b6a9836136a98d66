#pragma once

#include "PrinterService.h"

#include <QBuffer>
#include <QCursor>
#include <QGuiApplication>
#include <QPdfWriter>

// A page that lands in memory; it can be told to fail while the page is drawn, or how its
// hand-over goes.
class MemoryTarget final : public PageTarget {
public:
    QByteArray* sent;
    bool failWhileDrawing;
    Handover handover;
    bool* abandoned;
    bool* busySeen; // outlives the target, which the print path deletes

    MemoryTarget(QByteArray* sentPage, bool failing, Handover answer, bool* abandonedFlag,
                 bool* busyFlag)
        : sent(sentPage), failWhileDrawing(failing), handover(answer), abandoned(abandonedFlag),
          busySeen(busyFlag), m_writer(&m_buffer) {
        m_buffer.open(QIODevice::WriteOnly);
    }

    QPagedPaintDevice& device() override {
        *busySeen = QGuiApplication::overrideCursor() &&
                    QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        return m_writer;
    }
    bool hasFailed() const override { return failWhileDrawing; }
    void abandon() override { *abandoned = true; }
    Handover submit(QString* detail) override {
        if (handover == Handover::Accepted)
            *sent = m_buffer.data();
        else
            *detail = QStringLiteral("lp: said so");
        return handover;
    }

private:
    QBuffer m_buffer;
    QPdfWriter m_writer;
};

class FakePrinters final : public PrinterService {
public:
    DefaultPrinter found;
    QString openError;
    bool failWhileDrawing = false;
    Handover handover = Handover::Accepted;

    QByteArray sent;
    bool abandoned = false;
    bool busyWhileBuilding = false;

    DefaultPrinter defaultPrinter() override { return found; }
    std::unique_ptr<PageTarget> openPrinter(const DefaultPrinter&, const QString&,
                                            QString* detail) override {
        if (!openError.isEmpty()) {
            *detail = openError;
            return nullptr;
        }
        return std::make_unique<MemoryTarget>(&sent, failWhileDrawing, handover, &abandoned,
                                              &busyWhileBuilding);
    }
};
