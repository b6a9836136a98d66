#pragma once

#include "cli/NoticeSender.h"

// Notifications through the desktop's notification service, org.freedesktop.Notifications on
// the session bus, as freedesktop.org's notification standard has them: each with the
// program's icon, its desktop entry as a hint, normal urgency and the service's own timeout.
class DesktopNotifications final : public NoticeSender {
public:
    Outcome send(const std::vector<Notice>& notices) override;
};
