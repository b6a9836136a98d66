#include "SingleInstance.h"

#include "gui/platform/RuntimeFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// ":0" and ":0.0" are one desktop, and each desktop the user runs (an X display, a Wayland
// compositor) has a program of its own. The name is cut short so that the socket's name stays
// short: a long one would leave little room for the folder in a socket's address.
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
    return name.left(40);
}

// How long a first program may take from taking the lock to listening beside it; a start
// that finds the lock in that moment knocks again before it takes the lock over.
constexpr int ListeningWithinMs = 250;
// How long a running program may take to listen anew after its socket was removed.
constexpr int ListeningAnewWithinMs = 2000;
constexpr int KnockEveryMs = 25;

// The name of the program a process runs. After an update the running program's file is gone
// and /proc says "<path> (deleted)"; the name stays the same.
QString programName(const QString& process) {
    QString name =
        QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(process))).fileName();
    if (name.endsWith(QLatin1String(" (deleted)")))
        name.chop(10);
    return name;
}

// True when another process is the user's own and runs this program. Where the system does
// not say which program a process runs (no /proc), every process of the user's counts.
bool runsThisProgram(qint64 pid, quint32 uid) {
    if (pid <= 0 || pid == ::getpid() || uid != ::geteuid())
        return false;
    const QString self = programName(QStringLiteral("self"));
    return self.isEmpty() || programName(QString::number(pid)) == self;
}

// True when this program listens at the socket; the knock asks it to raise its windows.
bool answered(const QByteArray& socket) {
    const std::optional<LocalSocket::Peer> listener = LocalSocket::knock(socket);
    return listener && runsThisProgram(listener->pid, listener->uid);
}

bool answeredWithin(const QByteArray& socket, int milliseconds) {
    for (int waited = 0;; waited += KnockEveryMs) {
        if (answered(socket))
            return true;
        if (waited >= milliseconds)
            return false;
        QThread::msleep(KnockEveryMs);
    }
}

// The process of this program that holds the lock, or 0. QLockFile keeps its file locked with
// flock() for as long as it holds it, so a lock file that is locked has a live holder; the
// lock's words name it.
qint64 liveHolder(const QLockFile& lock) {
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application))
        return 0;
    const int fd = ::open(QFile::encodeName(lock.fileName()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked && runsThisProgram(pid, ::geteuid()) ? pid : 0;
}
} // namespace

SingleInstance::SingleInstance() {
    decide();
}

SingleInstance::~SingleInstance() {
    LocalSocket::close(m_listener, m_socketPath);
}

void SingleInstance::decide() {
    const QString base = QStringLiteral("biorhythmus-") + desktopName();
    const RuntimeFolder folder = RuntimeFolder::find(base + QStringLiteral(".socket"));
    if (folder.path.isEmpty()) {
        m_problem = folder.problem.within(
            UserText("SingleInstance",
                     QT_TRANSLATE_NOOP("SingleInstance",
                                       "Es fehlt ein Ordner nur für Sie, in dem sich Biorhythmus "
                                       "merkt, dass es schon läuft:\n%1")));
        return;
    }
    m_folder = folder.path;
    m_socketPath = QFile::encodeName(m_folder + u'/' + base + QStringLiteral(".socket"));
    m_lock = std::make_unique<QLockFile>(m_folder + u'/' + base + QStringLiteral(".lock"));
    // The lock's age proves nothing; whether its holder lives and runs this program decides.
    m_lock->setStaleLockTime(0);
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Unless the lock is simply taken, the socket decides (a full disk cannot keep the
        // program from starting).
        const bool locked = m_lock->tryLock(0);
        if (!locked && m_lock->error() == QLockFile::LockFailedError) {
            const qint64 holder = liveHolder(*m_lock);
            if (answeredWithin(m_socketPath, holder ? ListeningAnewWithinMs : ListeningWithinMs)) {
                m_role = Role::Later;
                return;
            }
            if (holder) {
                m_problem = Outcome::failure(
                    UserText("SingleInstance",
                             QT_TRANSLATE_NOOP("SingleInstance",
                                               "Biorhythmus läuft schon (Prozess %1), antwortet "
                                               "aber nicht. Versuchen Sie es gleich noch einmal."))
                        .arg(holder));
                return;
            }
            QFile::remove(m_lock->fileName());
            continue;
        }
        // A first program whose lock file was deleted still listens.
        if (answered(m_socketPath)) {
            m_lock->unlock();
            m_role = Role::Later;
            return;
        }
        becomeFirst();
        m_notice = folder.notice;
        return;
    }
    m_problem = Outcome::failure(
        UserText(
            "SingleInstance",
            QT_TRANSLATE_NOOP("SingleInstance", "Die Startsperre %1 ließ sich nicht übernehmen."))
            .arg(m_lock->fileName()));
}

// Whatever listens under the socket's name and does not answer as this program is replaced.
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
    watchListener();
    auto* folder = new QFileSystemWatcher({m_folder}, this);
    connect(folder, &QFileSystemWatcher::directoryChanged, this, &SingleInstance::keepSocket);
}

void SingleInstance::watchListener() {
    delete m_notifier;
    m_notifier = new QSocketNotifier(m_listener.fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        if (LocalSocket::acceptAll(m_listener.fd) > 0)
            emit raiseRequested();
    });
}

// A socket that is gone is made anew, so that later starts find the program again. One that
// another program put in its place stays; the lock still keeps later starts from running.
void SingleInstance::keepSocket() {
    struct stat file {};
    if (::lstat(m_socketPath.constData(), &file) == 0 || errno != ENOENT)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    LocalSocket::close(m_listener, m_socketPath);
    if (LocalSocket::listen(m_socketPath, m_listener).worked())
        watchListener();
}
