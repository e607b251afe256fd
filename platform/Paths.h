#pragma once

// Where the program's files live on Linux. Everything that depends on the environment
// (QUILLMARK_HOME, the XDG folders) is resolved here and nowhere else.

#include <QString>

namespace platform {

// The running executable and its folder (the program folder).
QString ExecutablePath();
QString ExecutableFolder();

// The folder the skin libraries load from: the program folder when they lie beside the program
// (the build folder), else the installed private library folder (../lib/quillmark from bin/).
QString SkinLibraryFolder();

// The path of the program's private library `fileName` (loaded on first use): beside the
// program when it lies there (the build folder), else in the installed private library folder.
QString PrivateLibraryPath(const QString& fileName);

// The folder the program writes its own files into (log, session file): $QUILLMARK_HOME when
// set, else $XDG_DATA_HOME/quillmark. Never the program folder, writable or not: an install
// keeps no state beside the binary, and two users of one install never share a session.
QString ProgramDataFolder();

// The folder of the program's installed data (help page): $QUILLMARK_DATA_DIR when set, else
// ../share/quillmark beside the program folder. May not exist.
QString SystemDataFolder();

// The user's documents folder as the desktop names it; may not exist.
QString DocumentsFolder();

// Per-user cache and configuration folders of the program (not created here).
QString CacheFolder();
QString ConfigFolder();

// $QUILLMARK_HOME, or empty when it is not set.
QString HomeOverride();

// Creates `folder` and its parents; true when it exists afterwards.
bool EnsureFolder(const QString& folder);

} // namespace platform
