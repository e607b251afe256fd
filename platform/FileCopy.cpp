#include "platform/FileCopy.h"

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace platform {
namespace {

// Pieces of the copy through the buffer: small enough that what read() put there is still in
// the cache when write() takes it.
constexpr std::size_t kPiece = std::size_t(128) << 10;

// Errors after which the same bytes can still be copied through the buffer: no such call, or
// not between these two files (another file system, a file system without the operation).
bool KernelCannotCopy(int error) {
    return error == ENOSYS || error == EXDEV || error == EINVAL || error == EOPNOTSUPP ||
           error == EBADF || error == EPERM;
}

bool WriteAll(int fd, const char* p, std::size_t left, int* error) {
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = n < 0 ? errno : EIO;
            return false;
        }
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

} // namespace

CFileCopy CopyFileBytes(int in, qint64 offset, qint64 length, int out, char* buffer,
                        std::size_t bufferSize) {
    CFileCopy result;
    bool kernel = true;
    while (result.copied < length) {
        const qint64 left = length - result.copied;
        if (kernel) {
            loff_t from = offset + result.copied;
            const ssize_t n = ::copy_file_range(in, &from, out, nullptr, std::size_t(left), 0);
            if (n > 0) {
                result.copied += n;
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && !KernelCannotCopy(errno)) {
                result.error = errno;
                return result;
            }
            // 0 is the end of the file, or a file system that reports nothing to copy
            // (some virtual ones): the buffer finds out which.
            kernel = false;
            continue;
        }
        const std::size_t piece = std::min({std::size_t(left), bufferSize, kPiece});
        const ssize_t n = ::pread(in, buffer, piece, off_t(offset + result.copied));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = errno;
            return result;
        }
        if (n == 0)
            return result; // the source ended early
        if (!WriteAll(out, buffer, std::size_t(n), &result.error))
            return result;
        result.copied += n;
    }
    return result;
}

} // namespace platform
