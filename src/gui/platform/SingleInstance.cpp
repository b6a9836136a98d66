#include "SingleInstance.h"

#include "gui/platform/RuntimeFolder.h"

#include <QFile>
#include <QSocketNotifier>
#include <QThread>

namespace {

// ":0" and ":0.0" are one desktop, and each desktop the user runs (an X display, a Wayland
// compositor) has a program of its own.
QString desktopName() {
    QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype colon = display.lastIndexOf(u':');
    const qsizetype dot = display.indexOf(u'.', colon + 1);
    if (colon >= 0 && dot > colon)
        display.truncate(dot);
    QString name = qEnvironmentVariable("WAYLAND_DISPLAY") + u'_' + display;
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'.' && c != u'-')
            c = u'_';
    return name.left(RuntimeFolder::LongestName - 20); // with "biorhythmus-" and ".socket"
}

// How long a first program may take from taking the lock to listening beside it; a start
// that finds the lock in that moment knocks again before it takes the lock over.
constexpr int ListeningWithinMs = 250;
constexpr int KnockEveryMs = 25;

bool knockWithin(const QByteArray& socket, int milliseconds) {
    for (int waited = 0;; waited += KnockEveryMs) {
        if (LocalSocket::knock(socket))
            return true;
        if (waited >= milliseconds)
            return false;
        QThread::msleep(KnockEveryMs);
    }
}
} // namespace

SingleInstance::SingleInstance() {
    decide();
}

SingleInstance::~SingleInstance() {
    LocalSocket::close(m_listener, m_socketPath);
}

void SingleInstance::decide() {
    const RuntimeFolder folder = RuntimeFolder::find();
    if (folder.path.isEmpty()) {
        m_problem = folder.problem.within(
            UserText("SingleInstance",
                     QT_TRANSLATE_NOOP("SingleInstance",
                                       "Es fehlt ein Ordner nur für Sie, in dem sich Biorhythmus "
                                       "merkt, dass es schon läuft:\n%1")));
        return;
    }
    const QString base = folder.path + QStringLiteral("/biorhythmus-") + desktopName();
    m_socketPath = QFile::encodeName(base + QStringLiteral(".socket"));
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    // The lock's words (process, host) prove nothing; whether its holder answers decides.
    m_lock->setStaleLockTime(0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Unless the lock is simply taken, the socket decides (a full disk cannot keep the
        // program from starting).
        const bool locked = m_lock->tryLock(0);
        if (!locked && m_lock->error() == QLockFile::LockFailedError) {
            if (knockWithin(m_socketPath, ListeningWithinMs)) {
                m_role = Role::Later;
                return;
            }
            QFile::remove(m_lock->fileName());
            continue;
        }
        // A first program whose lock file was deleted still listens.
        if (LocalSocket::knock(m_socketPath)) {
            m_lock->unlock();
            m_role = Role::Later;
            return;
        }
        becomeFirst();
        return;
    }
    m_problem = Outcome::failure(
        UserText(
            "SingleInstance",
            QT_TRANSLATE_NOOP("SingleInstance", "Die Startsperre %1 ließ sich nicht übernehmen."))
            .arg(m_lock->fileName()));
}

void SingleInstance::becomeFirst() {
    const Outcome listening = LocalSocket::listen(m_socketPath, m_listener);
    if (!listening.worked()) {
        m_problem = Outcome::failure(
            UserText(
                "SingleInstance",
                QT_TRANSLATE_NOOP("SingleInstance", "Am Socket %1 lässt sich nicht horchen: %2"))
                .arg(QFile::decodeName(m_socketPath))
                .arg(listening.said()));
        return;
    }
    m_role = Role::First;
}

void SingleInstance::listen() {
    if (m_listener.fd < 0 || m_notifier)
        return;
    m_notifier = new QSocketNotifier(m_listener.fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        if (LocalSocket::acceptAll(m_listener.fd) > 0)
            emit raiseRequested();
    });
}
