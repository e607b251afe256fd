#include "imaging/PageReplace.h"

#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

bool ReplacePageFile(const QString& edited, const QString& page, bool backup, QString* error) {
    const QFileInfo pageInfo(page);
    if (pageInfo.exists() && !pageInfo.isWritable()) {
        if (error)
            *error = page + ": the file is write-protected";
        return false;
    }
    if (!QFileInfo::exists(edited)) {
        if (error)
            *error = edited + ": the edited picture is missing";
        return false;
    }
    if (backup && pageInfo.exists() &&
        !platform::CopyFileAtomically(page, page + QLatin1String(kEditBackupSuffix), error))
        return false;
    if (!platform::CopyFileAtomically(edited, page, error))
        return false;
    // The result now lives in the page file; the undo file was moved there, not copied.
    QFile::remove(edited);
    return true;
}
