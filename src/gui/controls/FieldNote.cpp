#include "FieldNote.h"

#include "gui/controls/Announcer.h"

#include <QTimer>
#include <algorithm>

namespace {
constexpr int ShownMilliseconds = 8000;
}

FieldNote::FieldNote(QWidget* field) : QLabel(field), m_field(field), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("fieldNote"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(2);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
    // It moves into the field's window, but belongs to the field.
    connect(field, &QObject::destroyed, this, &QObject::deleteLater);
}

// The note lives in the field's window, so that it can stand below the field; the window is
// looked up now, since the field may have been moved into its window after it was made.
void FieldNote::tell(const QString& message) {
    QWidget* window = m_field->window();
    if (parentWidget() != window || !m_announcer) {
        setParent(window);
        delete m_announcer;
        m_announcer = new Announcer(window);
    }
    setText(message);
    adjustSize();
    const QPoint below = m_field->mapTo(window, QPoint(0, m_field->height()));
    move(std::clamp(below.x(), 0, std::max(0, window->width() - width())),
         std::min(below.y(), std::max(0, window->height() - height())));
    raise();
    show();
    m_timer->start(ShownMilliseconds);
    m_announcer->announce(message);
}
