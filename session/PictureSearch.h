#pragma once

// The folder search of the picture import: the files of a folder (and, when asked, of its
// subfolders) whose names match a mask such as "*.jpg", in the order the file system lists
// them. Masks match without regard to case, as cameras write "IMG_0001.JPG".

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// One file the search found. `name` is relative to the searched folder ("sub/a.jpg" for a file
// of a subfolder). Times are milliseconds since 1970 UTC, 0 when the file system has none.
struct CFoundFile {
    QString name;
    std::int64_t created = 0;
    std::int64_t lastAccess = 0;
    std::int64_t lastWrite = 0;
    std::uint32_t size = 0; // the low 32 bits of the size
};

// Called once for every file found; returning false stops the whole search.
using CFoundCollector = std::function<bool(const CFoundFile& file)>;

// A folder the search could not list, and why (errno: EACCES, say).
struct CUnreadableFolder {
    QString path;
    int error = 0;
};
using CUnreadableCollector = std::function<void(const CUnreadableFolder& folder)>;

// The masks of a folder import, searched in this order: a file is found by one mask at most.
inline constexpr std::array<const char*, 10> kPictureMasks = {
    "*.jpeg", "*.jpg", "*.png", "*.bmp", "*.tif", "*.tiff", "*.gif", "*.webp", "*.heic", "*.heif"};

// Whether `name` matches `mask` ('*' any run, '?' one character), case-insensitively. "*.*"
// matches every name, also one without a dot.
bool MatchesMask(const QString& name, const QString& mask);

// Gives the collector every file of `folder` matching `mask`; with `recursive`, then searches
// each subfolder the same way, to any depth. Hidden entries (names starting with ".") are
// left out, and a folder reached twice through links is searched once. A folder that cannot
// be listed is handed to `unreadable` (when given) and searched no further. False when the
// collector stopped the search.
bool SearchFolder(const QString& folder, const QString& mask, const CFoundCollector& collector,
                  bool recursive, const CUnreadableCollector& unreadable = {});

// Every picture of `folder` (the masks in order). `found` is called after each file.
// The folders that could not be listed go to `unreadable` (when given), each once.
std::vector<CFoundFile> FindPictures(const QString& folder, bool recursive,
                                     const std::function<void(int count)>& found = {},
                                     std::vector<CUnreadableFolder>* unreadable = nullptr);

// The full path of a found file.
QString FoundFilePath(const QString& folder, const CFoundFile& file);
