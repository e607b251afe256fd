#include "browser/FileAttributes.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// The inode flags (chattr), or 0 where the file system has none.
long InodeFlags(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    long flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
        flags = 0;
    ::close(fd);
    return flags;
}

} // namespace

std::uint32_t FileAttributesOf(const QFileInfo& info) {
    std::uint32_t attributes = 0;
    if (info.isDir())
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    if (info.fileName().startsWith(u'.'))
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (info.exists() && !info.isDir() && !info.isFile())
        attributes |= FILE_ATTRIBUTE_SYSTEM;
    if (info.isFile() || info.isDir()) {
        const long flags = InodeFlags(info.absoluteFilePath());
        if (flags & FS_COMPR_FL)
            attributes |= FILE_ATTRIBUTE_COMPRESSED;
        if (flags & FS_ENCRYPT_FL)
            attributes |= FILE_ATTRIBUTE_ENCRYPTED;
        if (flags & FS_IMMUTABLE_FL)
            attributes |= FILE_ATTRIBUTE_INROM;
    }
    return attributes;
}

QString AttributesText(std::uint32_t attributes) {
    static constexpr struct {
        std::uint32_t bit;
        char letter;
    } kLetters[] = {
        {FILE_ATTRIBUTE_DIRECTORY, 'd'},  {FILE_ATTRIBUTE_ARCHIVE, 'a'},
        {FILE_ATTRIBUTE_COMPRESSED, 'c'}, {FILE_ATTRIBUTE_ENCRYPTED, 'e'},
        {FILE_ATTRIBUTE_HIDDEN, 'h'},     {FILE_ATTRIBUTE_READONLY, 'r'},
        {FILE_ATTRIBUTE_SYSTEM, 's'},     {FILE_ATTRIBUTE_TEMPORARY, 't'},
        {FILE_ATTRIBUTE_INROM, 'i'},
    };
    QString text;
    for (const auto& l : kLetters)
        text += QLatin1Char(attributes & l.bit ? l.letter : '.');
    return text;
}
