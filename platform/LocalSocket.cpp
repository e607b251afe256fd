#include "platform/LocalSocket.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <climits>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

QString SystemError(const QString& what, int code) {
    return what + QStringLiteral(": ") + qt_error_string(code);
}

bool MakeAddress(const QString& path, sockaddr_un* address, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (name.isEmpty() || name.contains('\0')) {
        *error = QStringLiteral("no socket path given");
        return false;
    }
    // The name and its terminating zero must fit.
    if (size_t(name.size()) >= sizeof(address->sun_path)) {
        *error = QStringLiteral("the socket path %1 is too long (%2 bytes, at most %3)")
                     .arg(path)
                     .arg(name.size())
                     .arg(sizeof(address->sun_path) - 1);
        return false;
    }
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

// A new non-blocking stream socket for `path` (its address in `address`), or -1 with `error`.
int NewSocket(const QString& path, sockaddr_un* address, QString* error) {
    if (!MakeAddress(path, address, error))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        *error = SystemError(QStringLiteral("socket"), errno);
    return fd;
}

int RemainingMs(const QDeadlineTimer& deadline) {
    const qint64 remaining = deadline.remainingTime();
    return remaining < 0 ? -1 : int(std::min<qint64>(remaining, INT_MAX));
}

// Waits until `fd` is ready for `events`; false on timeout or failure. Readiness includes
// hang-ups and errors, which the following call then reports.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline, QString* error) {
    for (;;) {
        pollfd ready{fd, events, 0};
        const int count = ::poll(&ready, 1, RemainingMs(deadline));
        if (count > 0)
            return true;
        if (count == 0) {
            *error = QStringLiteral("timed out");
            return false;
        }
        if (errno != EINTR) {
            *error = SystemError(QStringLiteral("poll"), errno);
            return false;
        }
    }
}

void CloseDescriptor(int fd) {
    // Linux releases the descriptor even when close is interrupted: never retry.
    ::close(fd);
}

// Stops a notifier without deleting it under a signal it may be delivering right now.
void Retire(std::unique_ptr<QSocketNotifier>& notifier) {
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier.release()->deleteLater();
}

} // namespace

CLocalSocket::CLocalSocket() = default;

CLocalSocket::CLocalSocket(int descriptor) : m_fd(descriptor) {}

CLocalSocket::~CLocalSocket() {
    Close();
}

void CLocalSocket::Close() {
    Retire(m_notifier);
    if (m_fd >= 0)
        CloseDescriptor(m_fd);
    m_fd = -1;
}

bool CLocalSocket::Connect(const QString& path, QDeadlineTimer deadline, QString* error) {
    Close();
    m_atEnd = false;
    sockaddr_un address;
    m_fd = NewSocket(path, &address, error);
    if (m_fd < 0)
        return false;
    for (;;) {
        if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return true;
        const int code = errno;
        if (code == EAGAIN && !deadline.hasExpired()) {
            // The server's queue is full: it is busy, not gone.
            ::poll(nullptr, 0, std::min(10, std::max(RemainingMs(deadline), 0)));
            continue;
        }
        if (code == EINPROGRESS || code == EINTR) {
            // Finishes in the background; its outcome is the socket's pending error.
            int pending = 0;
            socklen_t size = sizeof pending;
            if (WaitFor(m_fd, POLLOUT, deadline, error) &&
                ::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &pending, &size) == 0 && pending == 0)
                return true;
            if (pending != 0)
                *error = SystemError(path, pending);
            Close();
            return false;
        }
        *error = SystemError(path, code);
        Close();
        return false;
    }
}

bool CLocalSocket::Write(const QByteArray& data, QDeadlineTimer deadline, QString* error) {
    if (m_fd < 0) {
        *error = QStringLiteral("not connected");
        return false;
    }
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t sent = ::send(m_fd, data.constData() + done, size_t(data.size() - done),
                                    MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0) {
            done += sent;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!WaitFor(m_fd, POLLOUT, deadline, error))
                return false;
        } else if (errno != EINTR) {
            *error = SystemError(QStringLiteral("send"), errno);
            return false;
        }
    }
    return true;
}

bool CLocalSocket::Read(QByteArray* data, QDeadlineTimer deadline, QString* error) {
    if (m_fd < 0) {
        *error = QStringLiteral("not connected");
        return false;
    }
    char buffer[16384];
    bool appended = false;
    for (;;) {
        const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got > 0) {
            data->append(buffer, got);
            appended = true;
        } else if (got == 0) {
            m_atEnd = true;
            if (!appended)
                *error = QStringLiteral("the connection was closed");
            return appended;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (appended)
                return true;
            if (!WaitFor(m_fd, POLLIN, deadline, error))
                return false;
        } else if (errno != EINTR) {
            m_atEnd = true;
            *error = SystemError(QStringLiteral("recv"), errno);
            return appended;
        }
    }
}

void CLocalSocket::OnReadable(std::function<void()> readable) {
    Retire(m_notifier);
    if (m_fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    // The connection owns the function, so it survives this socket being destroyed in it.
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [readable = std::move(readable)] { readable(); });
}

CLocalServer::CLocalServer() = default;

CLocalServer::~CLocalServer() {
    Close();
}

bool CLocalServer::Listen(const QString& path, QString* error) {
    Close();
    sockaddr_un address;
    m_fd = NewSocket(path, &address, error);
    if (m_fd < 0)
        return false;
    // Linux gives the socket file the socket's own mode: set before binding, the file is
    // never open to others, not even for a moment.
    struct stat made {};
    if (::fchmod(m_fd, S_IRWXU) != 0 ||
        ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        *error = SystemError(path, errno);
        CloseDescriptor(m_fd);
        m_fd = -1;
        return false;
    }
    // From here on the file is ours: Close removes it.
    m_path = QFile::encodeName(path);
    if (::stat(m_path.constData(), &made) != 0 || ::listen(m_fd, SOMAXCONN) != 0) {
        *error = SystemError(path, errno);
        Close();
        return false;
    }
    m_device = made.st_dev;
    m_inode = made.st_ino;
    return true;
}

void CLocalServer::OnConnection(std::function<void(std::unique_ptr<CLocalSocket>)> accepted) {
    Retire(m_notifier);
    if (m_fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    const int fd = m_fd;
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [fd, accepted = std::move(accepted)] {
                         for (;;) {
                             const int connection =
                                 ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
                             if (connection >= 0)
                                 accepted(std::make_unique<CLocalSocket>(connection));
                             else if (errno != EINTR && errno != ECONNABORTED)
                                 return; // EAGAIN: all taken; anything else: next time
                         }
                     });
}

void CLocalServer::Close() {
    Retire(m_notifier);
    if (m_fd < 0)
        return;
    CloseDescriptor(m_fd);
    m_fd = -1;
    // Only our own file: a server that replaced it keeps its address.
    struct stat now {};
    if (::stat(m_path.constData(), &now) == 0 && now.st_dev == m_device && now.st_ino == m_inode)
        ::unlink(m_path.constData());
    m_path.clear();
    m_device = 0;
    m_inode = 0;
}

bool CLocalServer::Remove(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    return ::unlink(name.constData()) == 0 || errno == ENOENT;
}

} // namespace platform
