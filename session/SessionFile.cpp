#include "session/SessionFile.h"

#include "app/KnownFolders.h"
#include "platform/AtomicFile.h"
#include "session/BufferedWriter.h"
#include "session/PageList.h"

#include <QFile>

#include <cerrno>

QString SessionFilePath() {
    return GetAppDataFolder() + "/" + QString::fromLatin1(kSessionFileName);
}

bool WriteSession(QIODevice& device, const CPageList& pages, std::int32_t currentIndex) {
    CBufferedWriter writer(device);
    writer.WriteUInt32(kSessionFileMagic);
    writer.WriteInt32(currentIndex);
    writer.WriteUInt32(std::uint32_t(pages.Size()));
    for (int i = 0; i < pages.Size(); ++i)
        writer.WriteString(pages.At(i)->path);
    return writer.Flush();
}

CFileError SaveSession(const QString& path, const CPageList& pages, std::int32_t currentIndex) {
    // Written beside the old file and renamed over it, so a failure never leaves half a file.
    bool writeFailed = false;
    const bool saved = platform::ReplaceFileAtomically(path, [&](int fd) {
        QFile file;
        writeFailed = !file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle) ||
                      !WriteSession(file, pages, currentIndex) || !file.flush();
        return !writeFailed;
    });
    if (saved)
        return {};
    // A file that cannot be created or put in place is refused access; what fails once the
    // file exists is the storage running out.
    const int cause = errno;
    const bool full =
        writeFailed || cause == ENOSPC || cause == EDQUOT || cause == EFBIG || cause == EIO;
    return {full ? CFileError::Cause::DiskFull : CFileError::Cause::AccessDenied, path};
}

CFileError SaveSession(const CPageList& pages, std::int32_t currentIndex) {
    return SaveSession(SessionFilePath(), pages, currentIndex);
}
