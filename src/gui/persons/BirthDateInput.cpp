#include "BirthDateInput.h"

#include "core/DateRules.h"
#include "gui/controls/DateInput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStackedLayout>

BirthDateInput::BirthDateInput(QWidget* parent)
    : QWidget(parent), m_input(new DateInput(this)), m_blank(new QLineEdit(this)),
      m_stack(new QStackedLayout(this)) {
    m_input->setObjectName(QStringLiteral("DT_date"));
    m_blank->setObjectName(QStringLiteral("DT_empty"));
    m_blank->setReadOnly(true);
    m_blank->setAccessibleName(tr("Geburtsdatum"));
    m_blank->setAccessibleDescription(tr("Kein Datum eingetragen"));
    m_blank->installEventFilter(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_input);
    m_stack->addWidget(m_blank);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_input);
    m_input->setDateQuietly(QDate(1999, 11, 8));
}

void BirthDateInput::setBirthText(const QString& text) {
    const QDate date = parseDateText(text);
    if (date.isValid())
        m_input->setDateQuietly(date);
    showDate(date.isValid());
}

void BirthDateInput::setDate(const QDate& date) {
    m_input->setDateQuietly(date);
}

QDate BirthDateInput::date() const {
    return m_input->date();
}

void BirthDateInput::showDate(bool shown) {
    m_hasDate = shown;
    const bool focused = m_input->hasFocus() || m_blank->hasFocus();
    m_stack->setCurrentWidget(shown ? static_cast<QWidget*>(m_input) : m_blank);
    setFocusProxy(shown ? static_cast<QWidget*>(m_input) : m_blank);
    if (focused)
        focusProxy()->setFocus();
}

bool BirthDateInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_blank || !m_blank->isEnabled())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape)
            break;
        showDate(true);
        m_input->setFocus();
        // The key that woke the field is its first input, not lost: typing 08.11.1999 into
        // the empty field gives 08.11.1999.
        QCoreApplication::sendEvent(m_input, event);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        showDate(true);
        m_input->setFocus(Qt::MouseFocusReason);
        forwardClick(static_cast<QMouseEvent*>(event));
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// The date input lies exactly where the empty field was, so a click goes on to whatever part
// of it lies under the mouse: the text, or the arrow that opens the calendar.
void BirthDateInput::forwardClick(const QMouseEvent* click) {
    const QPoint at = click->position().toPoint();
    QWidget* target = m_input->childAt(at);
    if (!target)
        target = m_input;
    const QPoint local = target->mapFrom(m_input, at);
    QMouseEvent copy(click->type(), local, click->globalPosition(), click->button(),
                     click->buttons(), click->modifiers());
    QCoreApplication::sendEvent(target, &copy);
}
