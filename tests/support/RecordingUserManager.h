#pragma once

#include "gui/platform/UserManager.h"

// A user manager that records what systemctl was asked and answers as told: it runs or not,
// and the call whose first argument is failing fails.
class RecordingUserManager final : public UserManager {
public:
    bool running = true;
    QString failing;
    QStringList calls; // each call's arguments, joined by blanks

    bool isRunning() const override { return running; }
    Outcome systemctl(const QStringList& arguments) override {
        calls << arguments.join(QLatin1Char(' '));
        if (arguments.value(0) != failing)
            return Outcome();
        return Outcome::failure(UserText::verbatim(QStringLiteral("systemctl failed")),
                                QStringLiteral("Unit not found."));
    }
};
