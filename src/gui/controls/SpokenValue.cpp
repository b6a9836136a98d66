#include "SpokenValue.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// The spin button: its value is the number, its text the words, read-only for the reader.
class SpokenValueAccessible : public QAccessibleWidget,
                              public QAccessibleValueInterface,
                              public QAccessibleTextInterface {
public:
    SpokenValueAccessible(QWidget* widget, const SpokenValue& value)
        : QAccessibleWidget(widget, QAccessible::SpinBox), m_value(value) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return m_value.spokenNumber(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return m_value.spokenNumber(); }
    QVariant minimumValue() const override { return m_value.spokenNumber(); }
    QVariant minimumStepSize() const override { return 1; }

    QString text(int start, int end) const override { return words().mid(start, end - start); }
    int characterCount() const override { return int(words().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    QString words() const { return m_value.spokenWords(); }
    const SpokenValue& m_value;
};

QAccessibleInterface* spokenValueAccessible(const QString&, QObject* object) {
    auto* value = dynamic_cast<SpokenValue*>(object);
    if (!value || !object->isWidgetType())
        return nullptr;
    return new SpokenValueAccessible(static_cast<QWidget*>(object), *value);
}

} // namespace

SpokenValue::SpokenValue(QWidget* control) : m_control(control) {
    QAccessible::installFactory(spokenValueAccessible);
}

void SpokenValue::setSpokenValue(const QString& words, double number) {
    m_words = words;
    if (number == m_number)
        return;
    m_number = number;
    QAccessibleValueChangeEvent changed(m_control, number);
    QAccessible::updateAccessibility(&changed);
}
