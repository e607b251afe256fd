#include "session/SessionFile.h"

#include "app/KnownFolders.h"
#include "session/BufferedWriter.h"
#include "session/PageList.h"

#include <QSaveFile>

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
    QSaveFile file(path);
    // A folder that allows no new file but holds a writable session file is written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return {CFileError::Cause::AccessDenied, path};
    if (!WriteSession(file, pages, currentIndex)) {
        file.cancelWriting();
        return {CFileError::Cause::DiskFull, path};
    }
    if (!file.commit()) {
        const auto cause = file.error() == QFileDevice::RenameError
                               ? CFileError::Cause::AccessDenied
                               : CFileError::Cause::DiskFull;
        return {cause, path};
    }
    return {};
}

CFileError SaveSession(const CPageList& pages, std::int32_t currentIndex) {
    return SaveSession(SessionFilePath(), pages, currentIndex);
}
