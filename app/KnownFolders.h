#pragma once

#include <QString>

// Well-known folders by number.
inline constexpr int kSpecialFolderSystem = 1;   // the program's installed data (help page)
inline constexpr int kSpecialFolderPersonal = 2; // the user's documents folder

// The folder's path without a trailing slash, or empty when it does not exist (or the
// identifier is not one of the two above). The system folder is resolved once per run.
QString GetSpecialFolder(int identifier);

// The program folder: where the executable is and the skin libraries are loaded from.
QString GetAppFolder();

// The folder the program keeps its own files in (log, session file); see
// platform::ProgramDataFolder.
QString GetAppDataFolder();
