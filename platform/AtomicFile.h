#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Replaces `path` with `data` so that a crash leaves either the old file or the new one:
// the data goes to a temporary file beside it, is synced, and is renamed over the old file.
// On failure the old file is untouched, no temporary file is left, and `error` (when given)
// says why.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

}  // namespace platform
