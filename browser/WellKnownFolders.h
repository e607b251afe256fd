#pragma once

// The device's well-known folders, resolved once when a browser is made, and the device name
// the folder tree shows for the root "/".

#include <QString>

#include <array>

// The registry's "Ident" "Name" below HKEY_LOCAL_MACHINE, or "My Device" when it is missing
// or empty.
QString DeviceName();

class CWellKnownFolders {
public:
    // The folders, in the order the folder icon compares them.
    enum EFolder {
        kProgramFiles = 0,
        kWindows,
        kMyMusic,
        kAppData,
        kMyDocuments,
        kMyPictures,
        kMyVideos,
        kTemplates,
        kCount
    };

    // Resolves the folders from the desktop's folders (XDG): documents, music, pictures,
    // videos, templates, the user's data folder, "/usr/bin" for programs and the folder of the
    // C library for the system.
    CWellKnownFolders();
    // Explicit paths (tests); an empty path matches nothing.
    explicit CWellKnownFolders(const std::array<QString, kCount>& paths) : m_paths(paths) {}

    const QString& Path(EFolder folder) const { return m_paths[folder]; }
    // The first folder equal to `path` (ignoring case and a trailing "/"), or -1.
    int Find(const QString& path) const;

    // Whether two paths name the same folder: case-insensitive, a trailing "/" ignored.
    static bool SamePath(const QString& a, const QString& b);

private:
    std::array<QString, kCount> m_paths;
};
