#pragma once

// Every file the program replaces goes through here, so that a crash, a full disk or a
// failure halfway leaves either the old file or the new one, never a torn one. The new
// contents go to a temporary file beside the target (created like open(2) creates a file:
// mode 0666 less the umask), which is synced and renamed over the target; the target's mode
// is kept when it existed; the folder is synced after the rename. On failure the old file is
// untouched, no temporary file is left, `error` (when given) says why and errno holds the
// cause (0 when the caller's writer gave up without one).

#include <QByteArray>
#include <QString>

#include <functional>

namespace platform {

// Replaces `path` with `data`.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// Replaces `path` with what `write` writes to the open descriptor it is given (positioned at
// the start of an empty file). `write` returns false to give up; the old file then stays.
bool ReplaceFileAtomically(const QString& path, const std::function<bool(int fd)>& write,
                           QString* error = nullptr);

// Replaces `target` with a copy of `source`, across file systems too; `source` stays.
bool CopyFileAtomically(const QString& source, const QString& target, QString* error = nullptr);

} // namespace platform
