#include "WaitWithinLimit.h"

#include <QEventLoop>
#include <QTimer>

WaitOutcome waitWithinLimit(const std::function<bool()>& ready, int timeoutMs) {
    if (ready())
        return WaitOutcome::Ready;
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
    if (ready())
        return WaitOutcome::Ready;
    // Neither timer ended the loop: the application's quit did, also one that came before.
    return limit.isActive() ? WaitOutcome::Quitting : WaitOutcome::TimedOut;
}
