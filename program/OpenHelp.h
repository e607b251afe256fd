#pragma once

#include <QString>
#include <QStringList>

// Opens "quillmark.htm" from the system folder with the desktop's viewer, at `anchor` when
// given, in the user's language when the page has a copy in it. Nothing happens when the file
// is not there. True when a viewer was started.
bool OpenHelp(const QString& anchor = {});

// Where the help page is looked for: the copy in the first of `languages` that has one
// ("quillmark.de.htm"), else the English page. The first form takes the active languages.
QString HelpFilePath();
QString HelpFilePath(const QStringList& languages);
