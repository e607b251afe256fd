#pragma once

// The lock that serialises writers of the registry file across processes: an exclusive flock
// on a lock file beside it. The lock file itself is never removed (removing it would let two
// writers hold locks on different files); it holds nothing. The kernel drops the lock when
// its holder ends, however it ends.

#include <QString>

namespace platform {

class CRegistryLock {
public:
    enum class EState {
        Held,
        Unavailable, // the lock file cannot be opened (a read-only or missing folder)
        TimedOut,    // another process held it for the whole wait
    };

    // Takes the lock at `path`, waiting at most `timeoutMs` milliseconds.
    explicit CRegistryLock(const QString& path, int timeoutMs = 30000);
    ~CRegistryLock();
    CRegistryLock(const CRegistryLock&) = delete;
    CRegistryLock& operator=(const CRegistryLock&) = delete;

    EState State() const { return m_state; }
    bool Held() const { return m_state == EState::Held; }

private:
    int m_fd = -1;
    EState m_state = EState::Unavailable;
};

} // namespace platform
