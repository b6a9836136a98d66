#include "FramedDialog.h"

#include <QPainter>

namespace {
const QColor Light(192, 192, 192);
const QColor Highlight(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor DarkShadow(0, 0, 0);
const QColor Face(192, 192, 192);

// One pixel wide ring just inside the rectangle's edge.
void ring(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}
} // namespace

class FramedDialog::ClientArea final : public QWidget {
public:
    explicit ClientArea(FramedDialog* owner) : QWidget(owner), m_owner(owner) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_owner->paintClient(painter);
    }

private:
    FramedDialog* m_owner;
};

FramedDialog::FramedDialog(const QSize& clientSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_client(new ClientArea(this)) {
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(EdgeWidth, EdgeWidth, clientSize.width(), clientSize.height());
    setFixedSize(clientSize.grownBy(QMargins(EdgeWidth, EdgeWidth, EdgeWidth, EdgeWidth)));
}

void FramedDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawRaisedDialogEdge(painter, rect());
}

// QDialog's own placement allows for a title bar this window does not have, which puts it off
// centre.
void FramedDialog::showEvent(QShowEvent* event) {
    if (const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr)
        move(over->mapToGlobal(over->rect().center()) - rect().center());
    QDialog::showEvent(event);
}

void drawRaisedDialogEdge(QPainter& painter, const QRect& window) {
    painter.save();
    QRect r = window;
    ring(painter, r, Light, DarkShadow);
    r.adjust(1, 1, -1, -1);
    ring(painter, r, Highlight, Shadow);
    r.adjust(1, 1, -1, -1);
    ring(painter, r, Face, Face);
    painter.restore();
}
