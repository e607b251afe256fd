#pragma once

// Icons of the folder browser by index, in one list for every size: 0 generic file, 1 closed
// folder, 2 open folder, 3-10 the well-known folders, 11 and 12 the device (closed and open);
// file types are appended on demand and cached by extension. Icons come from the desktop's
// icon theme where it has them, else the browser draws its own. A symbolic link stands for a
// shortcut: it shows its target's icon with a link arrow. Needs a running Gui application.

#include "browser/WellKnownFolders.h"

#include <QIcon>
#include <QString>

#include <map>
#include <vector>

class CIconProvider {
public:
    enum EBaseIcon {
        kFile = 0,
        kFolder = 1,
        kFolderOpen = 2,
        kMyDocuments = 3,
        kMyMusic = 4,
        kMyPictures = 5,
        kWindows = 6,
        kMyVideos = 7,
        kProgramFiles = 8,
        kAppData = 9,
        kTemplates = 10,
        kDevice = 11,
        kDeviceOpen = 12,
        kBaseCount = 13
    };

    explicit CIconProvider(CWellKnownFolders folders = CWellKnownFolders());

    // A well-known folder's own icon, else the open or the closed folder.
    int FolderIcon(const QString& path, bool open) const;
    // The icon of a file's type (0 without extension); a link gets its target's icon as a
    // shortcut, a link whose target is missing the generic file icon.
    int FileIcon(const QString& path);

    const QIcon& Icon(int index) const;
    int Count() const { return int(m_icons.size()); }
    const CWellKnownFolders& Folders() const { return m_folders; }

private:
    int TypeIcon(const QString& path);
    int ShortcutIcon(int target);
    int Append(const QIcon& icon);

    CWellKnownFolders m_folders;
    std::vector<QIcon> m_icons;
    std::map<QString, int> m_byExtension;
    std::map<int, int> m_shortcuts;
};
