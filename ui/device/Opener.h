#pragma once

// Opens a file with the program the desktop registers for it (the help page, a PDF).
// $QUILLMARK_OPENER, when set, names the command used instead (it receives the path as its
// only argument); tests use it to see what was opened.

#include <QString>

// A web address (with "://" or starting with "www.") goes to the browser as a URL.
// `anchor` is appended as a URL fragment ("#anchor") when not empty. False when nothing could
// be started.
bool OpenWithPlatform(const QString& path, const QString& anchor = {});
