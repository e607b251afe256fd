#include "program/OpenHelp.h"

#include "app/KnownFolders.h"
#include "ui/device/Opener.h"

#include <QFileInfo>

QString HelpFilePath() {
    return GetSpecialFolder(kSpecialFolderSystem) + QStringLiteral("/quillmark.htm");
}

bool OpenHelp(const QString& anchor) {
    const QString path = HelpFilePath();
    if (!QFileInfo(path).isFile())
        return false;
    return OpenWithPlatform(path, anchor);
}
