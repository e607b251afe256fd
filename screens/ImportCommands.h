#pragma once

// The import commands of the main screen: "Add > From file..." and "Add > From folder...".

#include <QStringList>

#include <functional>

class CQuestionBox;
class CScreen;
class CSession;

// Called with true before a long search starts and with false after it, so the caller can
// disable its buttons and soft keys meanwhile.
using CImportBusy = std::function<void(bool busy)>;

// Picks one picture file and appends it as a page. True when a page was added.
bool ImportFromFile(CScreen* owner, CSession& session);
// Appends the pictures as pages in the order given, through the same path as "From file...";
// the names of those that cannot be used are shown in one message, and those of which only some
// pages came in in another. Returns the pages added.
int ImportPictureFiles(CScreen* owner, CSession& session, const QStringList& files);
// Picks a folder and appends its pictures as pages, one by one as they are made. True when
// at least one page was added.
bool ImportFromFolder(CScreen* owner, CSession& session, const CImportBusy& busy);

// The notice naming the pictures of which only some pages came in: their further pages'
// copies could not be written beside them (`notWritten`), or could not be read.
void PrepareIncompleteImportNotice(CQuestionBox& box, const QStringList& names, bool notWritten);
