#include "platform/AtomicFile.h"

#include "platform/RegularFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr std::size_t kCopyBuffer = std::size_t(1) << 20;
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kRandomLetters = 6;
// Temporary names: "<target>.quillmark-XXXXXX.part". Nobody else names a file so, which lets
// any replacement in the folder remove those whose writer has gone.
constexpr char kTempMark[] = ".quillmark-";
constexpr char kTempEnd[] = ".part";

bool Fail(QString* error, const QString& what, int code) {
    if (error)
        *error = code ? what + ": " + QString::fromLocal8Bit(std::strerror(code)) : what;
    errno = code;
    return false;
}

// The folder and the name of a target path.
void SplitPath(const QByteArray& path, QByteArray* folder, QByteArray* name) {
    const qsizetype slash = path.lastIndexOf('/');
    *folder = slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    *name = path.mid(slash + 1);
}

bool IsLetter(char c) {
    return std::strchr(kLetters, c) != nullptr && c != '\0';
}

// "<name>.quillmark-XXXXXX.part", and the "<target>.XXXXXX.part" files that earlier versions
// left behind for `target` (only the target being replaced: that form is not ours alone).
bool IsTemporaryName(const char* entry, const QByteArray& target) {
    const QByteArray name(entry);
    const qsizetype endLength = qsizetype(sizeof kTempEnd) - 1;
    if (!name.endsWith(kTempEnd) || name.size() < endLength + kRandomLetters + 1)
        return false;
    const qsizetype letters = name.size() - endLength - kRandomLetters;
    for (qsizetype i = letters; i < letters + kRandomLetters; ++i)
        if (!IsLetter(name[i]))
            return false;
    const QByteArray head = name.left(letters);
    const qsizetype markLength = qsizetype(sizeof kTempMark) - 1;
    if (head.endsWith(kTempMark) && head.size() > markLength)
        return true;
    return head == target + '.';
}

// Removes the temporary files of writers that are gone (killed, say). A writer holds a lock on
// its file from before the file has a name until it is renamed; a file nobody holds locked
// is left over. Files of other users and anything but regular files are left alone.
void RemoveAbandonedTemporaries(int folderFd, const QByteArray& target) {
    const int listFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0)
        return;
    DIR* dir = ::fdopendir(listFd);
    if (!dir) {
        ::close(listFd);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, target))
            continue;
        const int fd = ::openat(folderFd, entry->d_name,
                                O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {};
        struct stat named {};
        // Locked now: its writer is gone. Unless the name was given to another file meanwhile.
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(folderFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
            ::unlinkat(folderFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

QByteArray RandomTemporaryName(const QByteArray& target) {
    QByteArray name = target + kTempMark;
    for (int i = 0; i < kRandomLetters; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    return name + kTempEnd;
}

// An unnamed file in the folder (O_TMPFILE), locked, that a kill leaves nowhere; -1 when the
// file system cannot make one or it could not be given a name later (no /proc), with
// `unsupported` set, or on another error.
int CreateUnnamed(int folderFd, bool* unsupported) {
    *unsupported = false;
    const int fd = ::openat(folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        // Older kernels and file systems without the feature (vfat, some network ones).
        *unsupported = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
        return -1;
    }
    // It is linked through /proc/self/fd at the end; without /proc the contents could not be
    // given a name after all, so a named file is used from the start.
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    if (::access(self, F_OK) != 0) {
        ::close(fd);
        *unsupported = true;
        return -1;
    }
    ::flock(fd, LOCK_EX); // held from before the file gets its name
    return fd;
}

// A fresh named file "<target>.quillmark-XXXXXX.part", locked; -1 with errno set.
int CreateNamed(int folderFd, const QByteArray& target, QByteArray* temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = RandomTemporaryName(target);
        const int fd =
            ::openat(folderFd, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        // Between the creation and the lock another writer's clean-up may have taken it for
        // a left-over file and removed it: then start again with a new name.
        struct stat st {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink == 0) {
            ::close(fd);
            continue;
        }
        *temp = name;
        return fd;
    }
    errno = EEXIST;
    return -1;
}

// Gives the unnamed file a fresh name beside the target; false with errno set.
bool LinkUnnamed(int fd, int folderFd, const QByteArray& target, QByteArray* temp) {
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = RandomTemporaryName(target);
        if (::linkat(AT_FDCWD, self, folderFd, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
            *temp = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    errno = EEXIST;
    return false;
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
                           QString* error, ETemporaryFile temporary) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray folder;
    QByteArray name;
    SplitPath(target, &folder, &name);
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return Fail(error, "cannot create a file beside " + path, errno);
    RemoveAbandonedTemporaries(folderFd, name);

    QByteArray temp; // empty while the file has no name
    bool unsupported = true;
    int fd = temporary == ETemporaryFile::Unnamed ? CreateUnnamed(folderFd, &unsupported) : -1;
    if (fd < 0 && unsupported)
        fd = CreateNamed(folderFd, name, &temp);
    if (fd < 0) {
        const int code = errno;
        ::close(folderFd);
        return Fail(error, "cannot create a file beside " + path, code);
    }

    auto abandon = [&](const QString& what, int code) {
        if (!temp.isEmpty())
            ::unlinkat(folderFd, temp.constData(), 0);
        ::close(fd);
        ::close(folderFd);
        return Fail(error, what, code);
    };
    errno = 0;
    if (!write(fd))
        return abandon("cannot write " + path, errno);
    struct stat old {};
    if (::fstatat(folderFd, name.constData(), &old, 0) == 0 &&
        ::fchmod(fd, old.st_mode & 07777) != 0)
        return abandon("cannot keep the permissions of " + path, errno);
    if (::fsync(fd) != 0)
        return abandon("cannot write " + path, errno);
    // The file stays open (and locked) until it has its final name, so that no other
    // writer's clean-up takes it for a left-over.
    if (temp.isEmpty() && !LinkUnnamed(fd, folderFd, name, &temp))
        return abandon("cannot write " + path, errno);
    if (::renameat(folderFd, temp.constData(), folderFd, name.constData()) != 0)
        return abandon("cannot replace " + path, errno);
    // Contents are synced already; a late error of close() cannot undo the rename.
    ::close(fd);
    // Some file systems cannot sync a folder; the file itself is synced already.
    ::fsync(folderFd);
    ::close(folderFd);
    return true;
}

bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error) {
    return ReplaceFileAtomically(
        path, [&](int fd) { return WriteAll(fd, data.constData(), std::size_t(data.size())); },
        error);
}

bool CopyFileAtomically(const QString& source, const QString& target, QString* error) {
    const CRegularFile in = OpenRegularFile(source);
    if (!in.Opened())
        return Fail(error, "cannot read " + source, in.error);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kCopyBuffer]);
    if (!buffer) {
        ::close(in.fd);
        return Fail(error, "cannot copy " + source, ENOMEM);
    }
    QString readError;
    const bool copied = ReplaceFileAtomically(
        target,
        [&](int out) {
            for (;;) {
                const ssize_t n = ::read(in.fd, buffer.get(), kCopyBuffer);
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
    ::close(in.fd);
    if (!copied && !readError.isEmpty() && error)
        *error = readError;
    return copied;
}

} // namespace platform
