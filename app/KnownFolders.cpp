#include "app/KnownFolders.h"

#include "platform/Paths.h"

#include <QFileInfo>

namespace {

QString WithoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

QString GetSpecialFolder(int identifier) {
    static QString systemFolder;
    QString result;
    if (identifier == kSpecialFolderSystem) {
        if (systemFolder.isEmpty())
            systemFolder = WithoutTrailingSlash(platform::SystemDataFolder());
        result = systemFolder;
    } else if (identifier == kSpecialFolderPersonal) {
        result = WithoutTrailingSlash(platform::DocumentsFolder());
    }
    if (result.isEmpty() || !QFileInfo(result).isDir())
        return {};
    return result;
}

QString GetAppFolder() {
    return platform::ExecutableFolder();
}

QString GetAppDataFolder() {
    QString folder = platform::ProgramDataFolder();
    platform::EnsureFolder(folder);
    return folder;
}
