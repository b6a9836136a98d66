#pragma once

#include "core/Outcome.h"

#include <QString>
#include <vector>

// One desktop notification: its one-line summary and its body.
struct Notice {
    QString summary;
    QString body;
};

// Sends notifications to the desktop's notification service on the session bus. It lives in a
// library of its own beside the program (libbiorhythmus-notify.so, on Qt D-Bus), so that the
// command line's other runs load no more than Qt Core.
class NoticeSender {
public:
    virtual ~NoticeSender() = default;
    // Sends each notice; nothing when the session bus or the service is missing, and then a
    // failure says which. A failure on the way stops the rest.
    virtual Outcome send(const std::vector<Notice>& notices) = 0;
};

// What the notifications' library offers, looked up by this name when it is loaded.
extern "C" NoticeSender* biorhythmusNotices();
