#pragma once

#include <QString>

// Opens "quillmark.htm" from the system folder with the desktop's viewer, at `anchor` when
// given. Nothing happens when the file is not there. True when a viewer was started.
bool OpenHelp(const QString& anchor = {});

// Where the help page is looked for.
QString HelpFilePath();
