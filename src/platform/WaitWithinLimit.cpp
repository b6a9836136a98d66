#include "WaitWithinLimit.h"

#include <QEventLoop>
#include <QTimer>

bool waitWithinLimit(const std::function<bool()>& ready, int timeoutMs) {
    if (ready())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (ready())
            loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start();
    limit.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return ready();
}
