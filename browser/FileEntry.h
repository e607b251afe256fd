#pragma once

// What the folder browser shows of a folder: its subfolders for the tree, its files for the
// list with the texts of the five columns, and each column's own comparison.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Columns of the file list, in order.
enum EFileColumn {
    kColumnName = 0,
    kColumnSize,
    kColumnDate,
    kColumnAttributes,
    kColumnType,
    kColumnCount
};

struct CFileEntry {
    QString path; // full path
    QString name; // display name
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::int64_t modified = -1; // seconds since 1970 UTC; -1 when the status cannot be read
    bool isLink = false;        // a symbolic link: shown as a shortcut
    QString typeName;

    // The text of a column: size as "0.50 KB", date as short date and time ("N/A" when
    // unknown), the nine attribute letters, the type name.
    QString ColumnText(int column) const;
};

// Subfolders of `folder` (links to folders included), sorted by name without regard to case.
// Dot folders only with `showHidden`. Empty when the folder cannot be read.
QStringList ListSubfolders(const QString& folder, bool showHidden);

// Files of `folder` whose names match one of `filters` ("*.*" when empty), in name order.
// Dot files only with `showHidden`.
std::vector<CFileEntry> ListFiles(const QString& folder, const QStringList& filters,
                                  bool showHidden);

// The entry of one file.
CFileEntry MakeFileEntry(const QString& path);

// The type's name from the MIME database by the file's name ("JPEG image").
QString FileTypeName(const QString& path);

// <0, 0, >0 as a sorts before, with or after b by the column: name and type as text without
// regard to case, attributes as text, size as a number, date as a time (unknown first).
int CompareFileEntries(const CFileEntry& a, const CFileEntry& b, int column);
