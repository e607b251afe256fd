#pragma once

// Opens a file with the program the desktop registers for it (the help page, a PDF).
// The opener is `xdg-open`; $QUILLMARK_OPENER, when set, names the command used instead (it
// receives the path as its only argument); tests use it to see what was opened.

#include <QString>

// How long an opener may run before it counts as the viewer itself (some openers stay until
// the document is closed): past this, the open has worked.
inline constexpr int kOpenerSettleMs = 3000;

// A web address (with "://" or starting with "www.") goes to the browser as a URL.
// `anchor` is appended as a URL fragment ("#anchor") when not empty.
// Waits for the opener's verdict with the event loop running (screens keep painting; user
// input waits and the wait cursor shows): true when it ended with status 0 or still runs after
// `settleMs`; false when it could not be started, crashed or ended with another status
// (`xdg-open` exits non-zero when no program takes the file).
bool OpenWithPlatform(const QString& path, const QString& anchor = {},
                      int settleMs = kOpenerSettleMs);
