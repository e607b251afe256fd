#include "session/FileError.h"

#include "resources/ids/StringIds.h"
#include "text/Strings.h"

QString CFileError::Message() const {
    switch (cause) {
    case Cause::AccessDenied: return LoadRawString(ids::IDS_FILE_ACCESS_DENIED).arg(fileName);
    case Cause::DiskFull: return LoadRawString(ids::IDS_FILE_DISK_FULL).arg(fileName);
    case Cause::None: break;
    }
    return {};
}
