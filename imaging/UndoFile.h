#pragma once

// The editor's undo file and moving it over a page file.

#include <QString>

// $QUILLMARK_HOME/tmpimage.jpg when QUILLMARK_HOME is set, else
// $XDG_CACHE_HOME/quillmark/tmpimage.jpg. The folder is not created here.
QString UndoFilePath();

// Moves `from` over `to`, also across file systems: a rename when possible, else a copy into
// a temporary file beside `to` that is flushed to disk and renamed over it, then `from` is
// removed. On failure `to` is untouched and `error` (when given) says why.
bool MoveFileReplacing(const QString& from, const QString& to, QString* error = nullptr);
