#include "program/OpenHelp.h"

#include "app/KnownFolders.h"
#include "text/Catalogue.h"
#include "ui/device/Opener.h"

#include <QFileInfo>

QString HelpFilePath(const QStringList& languages) {
    const QString folder = GetSpecialFolder(kSpecialFolderSystem);
    // A translated copy sits beside the page as "quillmark.<language>.htm".
    for (const QString& language : languages) {
        const QString copy = folder + QStringLiteral("/quillmark.%1.htm").arg(language);
        if (QFileInfo(copy).isFile())
            return copy;
    }
    return folder + QStringLiteral("/quillmark.htm");
}

QString HelpFilePath() {
    return HelpFilePath(ActiveCatalogue()->Languages());
}

bool OpenHelp(const QString& anchor) {
    const QString path = HelpFilePath();
    if (!QFileInfo(path).isFile())
        return false;
    return OpenWithPlatform(path, anchor);
}
