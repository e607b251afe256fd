#pragma once

#include <QString>
#include <QStringList>

class CScreen;

enum class EHelpOpen {
    Opened,  // a viewer took the page
    Missing, // there is no help page: nothing happened
    Failed,  // the page is there but no viewer could open it
};

// Opens "quillmark.htm" from the system folder with the desktop's viewer, at `anchor` when
// given, in the user's language when the page has a copy in it. Nothing happens when the file
// is not there.
EHelpOpen OpenHelp(const QString& anchor = {});

// Opens the help page and, when no viewer could show it, tells the user so over `owner`.
void OpenHelpOrReport(CScreen* owner, const QString& anchor = {});

// Where the help page is looked for: the copy in the first of `languages` that has one
// ("quillmark.de.htm"), else the English page. The first form takes the active languages.
QString HelpFilePath();
QString HelpFilePath(const QStringList& languages);
