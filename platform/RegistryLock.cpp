#include "platform/RegistryLock.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <time.h>
#include <unistd.h>

namespace platform {

CRegistryLock::CRegistryLock(const QString& path, int timeoutMs) {
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0) // a lock file another user made: reading is enough for flock
        m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    // Poll instead of blocking, so that a writer that hangs cannot stop this one for good.
    QElapsedTimer waited;
    waited.start();
    long pauseNs = 200'000;
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_state = EState::Held;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        if (waited.elapsed() >= timeoutMs) {
            m_state = EState::TimedOut;
            break;
        }
        const timespec pause{0, pauseNs};
        ::nanosleep(&pause, nullptr);
        pauseNs = pauseNs < 20'000'000 ? pauseNs * 2 : pauseNs;
    }
    ::close(m_fd);
    m_fd = -1;
}

CRegistryLock::~CRegistryLock() {
    if (m_fd >= 0)
        ::close(m_fd); // closing the only descriptor releases the lock
}

} // namespace platform
