#include "DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString ApplicationId = QStringLiteral("de.biorhythmus.Biorhythmus");
// A service that does not answer within this time is taken as not there.
constexpr int AnswerMs = 10000;

QDBusMessage call(const QDBusConnection& bus, const QString& method,
                  const QVariantList& arguments = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Service, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, AnswerMs);
}

UserText text(const char* source) {
    return UserText("DesktopNotifications", source);
}

// A service that shows markup in the body reads '&' and '<' as markup.
QString bodyFor(const QString& body, bool markup) {
    return markup ? body.toHtmlEscaped() : body;
}
} // namespace

Outcome DesktopNotifications::send(const std::vector<Notice>& notices) {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return Outcome::failure(
            text(QT_TRANSLATE_NOOP("DesktopNotifications",
                                   "Die kritischen Tage lassen sich nicht melden: Es gibt keinen "
                                   "Sitzungsbus")),
            bus.lastError().message());
    // Asked first, so that without a service nothing is sent.
    const QDBusMessage capabilities = call(bus, QStringLiteral("GetCapabilities"));
    if (capabilities.type() != QDBusMessage::ReplyMessage)
        return Outcome::failure(
            text(QT_TRANSLATE_NOOP("DesktopNotifications",
                                   "Die kritischen Tage lassen sich nicht melden: Auf dem "
                                   "Sitzungsbus antwortet kein Benachrichtigungsdienst")),
            capabilities.errorMessage());
    const bool markup =
        capabilities.arguments().value(0).toStringList().contains(QStringLiteral("body-markup"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), ApplicationId},
                            {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}};
    for (const Notice& notice : notices) {
        const QDBusMessage answer =
            call(bus, QStringLiteral("Notify"),
                 {QStringLiteral("Biorhythmus"), 0u, ApplicationId, notice.summary,
                  bodyFor(notice.body, markup), QStringList(), hints, -1});
        if (answer.type() != QDBusMessage::ReplyMessage)
            return Outcome::failure(
                text(QT_TRANSLATE_NOOP("DesktopNotifications",
                                       "Die Benachrichtigung „%1“ lässt sich nicht senden"))
                    .arg(notice.summary),
                answer.errorMessage());
    }
    return Outcome();
}

NoticeSender* biorhythmusNotices() {
    static DesktopNotifications notifications;
    return &notifications;
}
