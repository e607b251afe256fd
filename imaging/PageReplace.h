#pragma once

// Putting the editor's result in place of a page file.

#include <QString>

// Suffix of the backup kept of an edited page file.
inline constexpr const char* kEditBackupSuffix = ".bak";

// Replaces the page file with the edited picture file (the undo file) in one step, so that a
// failure at any point leaves the page file whole. With `backup`, the page file's bytes are
// first kept as page + ".bak" (an older backup is replaced the same way). A page file that
// exists but is write-protected is refused. The edited file is removed once it has replaced
// the page. False with `error` (when given) saying why; the page file is then untouched.
bool ReplacePageFile(const QString& edited, const QString& page, bool backup,
                     QString* error = nullptr);
