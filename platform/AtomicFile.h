#pragma once

// Every file the program replaces goes through here, so that a crash, a kill, a full disk or a
// failure halfway leaves either the old file or the new one, never a torn one, and no
// temporary file. The new contents go to an unnamed file in the target's folder (O_TMPFILE,
// created like open(2) creates a file: mode 0666 less the umask), which is synced, given a
// fresh name beside the target and renamed over it; the target's mode is kept when it
// existed; the folder is synced after the rename. A killed writer leaves nothing, short of
// the moment between naming and renaming.
//
// Where the file system has no unnamed files, a named one is written instead:
// "<target>.quillmark-XXXXXX.part". Its writer holds a lock on it until the rename; every
// replacement in the same folder first removes such files that nobody holds locked, which is
// what a killed writer leaves.
//
// On failure the old file is untouched, no temporary file is left, `error` (when given) says
// why and errno holds the cause (0 when the caller's writer gave up without one).

#include <QByteArray>
#include <QString>

#include <functional>

namespace platform {

// Replaces `path` with `data`.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// How the new contents are kept until they replace the target.
enum class ETemporaryFile {
    Unnamed, // an unnamed file where the file system allows it, else a named one
    Named,   // always a named file, as on file systems without unnamed files
};

// Replaces `path` with what `write` writes to the open descriptor it is given (positioned at
// the start of an empty file). `write` returns false to give up; the old file then stays.
bool ReplaceFileAtomically(const QString& path, const std::function<bool(int fd)>& write,
                           QString* error = nullptr,
                           ETemporaryFile temporary = ETemporaryFile::Unnamed);

// Replaces `target` with a copy of `source`, across file systems too; `source` stays.
bool CopyFileAtomically(const QString& source, const QString& target, QString* error = nullptr);

} // namespace platform
