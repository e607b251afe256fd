#include "platform/AtomicFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::size_t kCopyBuffer = std::size_t(1) << 20;

bool Fail(QString* error, const QString& what, int code) {
    if (error)
        *error = code ? what + ": " + QString::fromLocal8Bit(std::strerror(code)) : what;
    errno = code;
    return false;
}

void SyncFolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Some file systems cannot sync a folder; the file itself is synced already.
        ::fsync(fd);
        ::close(fd);
    }
}

// Creates a fresh file "<target>.XXXXXX.part" with mode 0666 (the kernel takes the umask off, as
// for any new file). Returns the descriptor, or -1 with errno set.
int CreateTemporaryBeside(const QByteArray& target, QByteArray* temp) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = target + '.';
        for (int i = 0; i < 6; ++i)
            name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        name += ".part"; // recognisable as unfinished if a crash leaves it behind
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            *temp = name;
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const char* p, std::size_t left) {
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

} // namespace

bool ReplaceFileAtomically(const QString& path, const std::function<bool(int fd)>& write,
                           QString* error) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp;
    const int fd = CreateTemporaryBeside(target, &temp);
    if (fd < 0)
        return Fail(error, "cannot create a file beside " + path, errno);

    auto abandon = [&](const QString& what, int code) {
        ::close(fd);
        ::unlink(temp.constData());
        return Fail(error, what, code);
    };
    errno = 0;
    if (!write(fd))
        return abandon("cannot write " + path, errno);
    struct stat old {};
    if (::stat(target.constData(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        return abandon("cannot keep the permissions of " + path, errno);
    if (::fsync(fd) != 0)
        return abandon("cannot write " + path, errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temp.constData());
        return Fail(error, "cannot write " + path, code);
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int code = errno;
        ::unlink(temp.constData());
        return Fail(error, "cannot replace " + path, code);
    }
    SyncFolderOf(target);
    return true;
}

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error) {
    return ReplaceFileAtomically(
        path, [&](int fd) { return WriteAll(fd, data.constData(), std::size_t(data.size())); },
        error);
}

bool CopyFileAtomically(const QString& source, const QString& target, QString* error) {
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Fail(error, "cannot read " + source, errno);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBuffer]);
    if (!buffer) {
        ::close(in);
        return Fail(error, "cannot copy " + source, ENOMEM);
    }
    QString readError;
    const bool copied = ReplaceFileAtomically(
        target,
        [&](int out) {
            for (;;) {
                const ssize_t n = ::read(in, buffer.get(), kCopyBuffer);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0) {
                    readError = "cannot read " + source + ": " +
                                QString::fromLocal8Bit(std::strerror(errno));
                    return false;
                }
                if (n == 0)
                    return true;
                if (!WriteAll(out, buffer.get(), std::size_t(n)))
                    return false;
            }
        },
        error);
    ::close(in);
    if (!copied && !readError.isEmpty() && error)
        *error = readError;
    return copied;
}

} // namespace platform
