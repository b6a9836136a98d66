#include "BirthDateInput.h"

#include "DateInput.h"
#include "DateRules.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStackedLayout>

BirthDateInput::BirthDateInput(QWidget* parent)
    : QWidget(parent), m_input(new DateInput(this)), m_blank(new QLineEdit(this)),
      m_stack(new QStackedLayout(this)) {
    m_input->setObjectName(QStringLiteral("DT_date"));
    m_blank->setObjectName(QStringLiteral("DT_empty"));
    m_blank->setReadOnly(true);
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
    if (watched == m_blank && m_blank->isEnabled()) {
        const auto type = event->type();
        const bool key = type == QEvent::KeyPress &&
                         static_cast<QKeyEvent*>(event)->key() != Qt::Key_Tab &&
                         static_cast<QKeyEvent*>(event)->key() != Qt::Key_Backtab &&
                         static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape;
        if (type == QEvent::MouseButtonPress || key) {
            showDate(true);
            m_input->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
