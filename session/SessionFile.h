#pragma once

// The session file: the page list written at exit, in page order, with the current index.
// Layout (little-endian): magic 0xA3B54542, current index (signed 32-bit), page count
// (unsigned 32-bit), then each page's path as a length-prefixed UTF-16 text (empty for a
// blank page). The program writes it and never reads it back.

#include "session/FileError.h"

#include <QIODevice>
#include <QString>

#include <cstdint>

class CPageList;

inline constexpr std::uint32_t kSessionFileMagic = 0xA3B54542u;
inline constexpr const char* kSessionFileName = "tesphoto.session";

// Where the session file lives: the program's data folder + "tesphoto.session".
QString SessionFilePath();

// Writes the session through a 4096-byte buffered writer; false when a device write failed.
bool WriteSession(QIODevice& device, const CPageList& pages, std::int32_t currentIndex);

// Replaces the file at `path` with the session. A file that cannot be created gives
// AccessDenied, a failed write DiskFull, both with the file name; an older file is kept
// intact on failure. Every call writes the whole file from the start.
CFileError SaveSession(const QString& path, const CPageList& pages, std::int32_t currentIndex);
// The same at SessionFilePath().
CFileError SaveSession(const CPageList& pages, std::int32_t currentIndex);
