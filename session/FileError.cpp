#include "session/FileError.h"

QString CFileError::Message() const {
    switch (cause) {
    case Cause::AccessDenied: return QStringLiteral("Access to %1 was denied.").arg(fileName);
    case Cause::DiskFull: return QStringLiteral("Disk full while accessing %1.").arg(fileName);
    case Cause::None: break;
    }
    return {};
}
