#include "Announcer.h"

#include <QAccessibleWidget>

namespace {
QAccessibleInterface* announcerAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("Announcer") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}
} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    QAccessible::installFactory(announcerAccessible);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& message) {
    hide();
    setAccessibleName(message);
    show();
}
