#pragma once

// Lowers the size up to which this process may write a file, the way a nearly full storage
// card stops a write; unlike file modes it holds for root too. Writes beyond it fail with
// EFBIG instead of raising SIGXFSZ. The old limit and signal handling come back with the
// object.

#include <sys/resource.h>

class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes);
    ~CFileSizeLimit();
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

    // Whether the limit is in force (a process may not raise its hard limit).
    bool IsSet() const { return m_set; }

private:
    rlimit m_old{};
    bool m_set = false;
    void (*m_oldHandler)(int);
};
