#pragma once

#include "core/Outcome.h"

#include <QStringList>

// The user's own service manager (systemd --user), which runs the reminder's timer. The
// reminder switch reaches it through this interface, so that tests can check the files it
// writes without a real manager.
class UserManager {
public:
    virtual ~UserManager() = default;
    // A user manager runs for this session.
    virtual bool isRunning() const = 0;
    // "systemctl --user" with the arguments; a failure's detail is what systemctl said.
    virtual Outcome systemctl(const QStringList& arguments) = 0;
};

// The real one: the manager's private socket in the runtime folder tells that it runs.
class SystemdUserManager final : public UserManager {
public:
    bool isRunning() const override;
    Outcome systemctl(const QStringList& arguments) override;
};
