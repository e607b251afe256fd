#pragma once

// Picture import as a job: one file, or every picture of a folder in the chosen sort order,
// appended to the session page by page. The screens supply a delegate for the busy state, the
// sort-order prompt and the pause after each page; the command line expands its arguments
// with the same search and order.

#include "session/PictureSearch.h"

#include <QString>
#include <QStringList>

#include <cstdint>

struct CAppSettings;
class CSession;

class CFolderImportDelegate {
public:
    virtual ~CFolderImportDelegate() = default;
    // True before the folder search starts, false after it ended.
    virtual void SearchBusy(bool /*busy*/) {}
    // After each file the search found (count so far).
    virtual void FileFound(int /*count*/) {}
    // The sort-order prompt, asked when two or more files were found and the order is "Ask
    // me". Returns false when the user cancelled; otherwise `order` holds the chosen one.
    virtual bool AskOrder(std::uint32_t& /*order*/) { return true; }
    // After each found file was tried (its page, if any, is already in the session).
    virtual void PictureDone(int /*index*/, int /*total*/) {}
};

struct CFolderImportResult {
    int found = 0;
    int imported = 0;
    bool cancelled = false; // the sort-order prompt was cancelled
    // Multi-page pictures of which some pages could not be made (their other pages are in).
    QStringList incomplete;
    // Those of `incomplete` with a page whose copy could not be written beside the picture.
    QStringList notWritten;
};

// How much of a picture file an import took.
enum class EFileImport {
    Whole,           // every page of the file is in the session
    NotAPicture,     // the picture could not be used: nothing was added
    PagesNotDecoded, // a page after the first could not be decoded; the others are in
    PagesNotWritten, // the copy of a page after the first could not be written beside the
                     // picture (a read-only folder, a full disk); the others are in
};

// The folder part of a file path: the text before its last "/", or "/" for a file in the root.
QString FolderOfFile(const QString& path);

// Makes a page of `path` (auto-portrait, straightening and look from the settings) and
// appends it, followed by the further pages of a multi-page TIFF made the same way; the
// folder of the file becomes the last import folder. Anything but Whole is for the caller to
// report; the pages that could be made are in the session.
EFileImport ImportPictureFile(CSession& session, CAppSettings& settings, const QString& path);

// Searches `folder` for pictures (the picture masks, subfolders when `recursive` is set), sorts
// them by `pictureImportOrder` (asking the delegate for "Ask me" when two or more were found,
// and storing the answer in the record), and appends a page for each picture that can be
// decoded (each page of a multi-page TIFF, made as the first one is); others are skipped
// without a word, and a TIFF with a page that could not be made is named in `incomplete` (and
// in `notWritten` when a page's copy could not be written). The
// folder becomes the last import folder in every case, also after a cancelled prompt.
CFolderImportResult ImportPictureFolder(CSession& session, CAppSettings& settings,
                                        const QString& folder, CFolderImportDelegate& delegate);

// The pictures named by a command line: a file stands for itself, a folder for its pictures
// found and sorted as a folder import does it ("Ask me" keeps the found order). Folders that
// could not be listed go to `unreadable` (when given).
QStringList ExpandPictureArguments(const QStringList& filesAndFolders, bool recursive,
                                   std::uint32_t order,
                                   std::vector<CUnreadableFolder>* unreadable = nullptr);
