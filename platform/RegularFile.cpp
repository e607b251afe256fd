#include "platform/RegularFile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

CRegularFile OpenRegularFile(const QString& path) {
    CRegularFile result;
    // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer; O_NOCTTY: a terminal
    // never becomes ours.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = errno;
        ::close(fd);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        result.notAFile = true;
        result.error = S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
        return result;
    }
    // Reads of a regular file then block as usual (network and user-space file systems may
    // otherwise answer EAGAIN).
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        result.error = errno;
        ::close(fd);
        return result;
    }
    result.fd = fd;
    return result;
}

} // namespace platform
