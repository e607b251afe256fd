#pragma once

// The session: the ordered pages that become one PDF, the working folder for camera pages
// and the counters of the running import. The screens follow every change through a
// CSessionListener; without one, the session keeps the selection itself (CPageSelection).

#include "session/FileError.h"
#include "session/PageList.h"
#include "session/PageSelection.h"

#include <QSize>
#include <QString>

#include <memory>

class CSession {
public:
    // Computes the working folder once and starts empty.
    CSession();
    // Clears the session (file rules of the pages apply).
    ~CSession();
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // The screens that follow the session; null returns to the built-in selection. Set it
    // while the session is empty; the listener must outlive the session or be reset first.
    void SetListener(CSessionListener* listener);
    CSessionListener& Listener() const { return *m_listener; }

    // Appends the page to the list and the strip (which selects it); a null page is ignored.
    void AddPage(std::unique_ptr<CPage> page);
    // The page at the strip's selected index, or null.
    CPage* CurrentPage() const;
    int CurrentIndex() const { return m_listener->StripSelected(); }
    // Removes and destroys the current page; nothing without one.
    void RemoveCurrentPage();
    // False unless both are valid indices.
    bool SwapPages(int i, int j);
    // Puts the page at from in front of the page that was at to; false unless both are
    // valid indices, true at once when they are equal. The strip selects index to.
    bool MovePage(int from, int to);
    // Destroys every page and resets the counters.
    void ClearSession();
    // lastScanName = scanFileFormat with scanCounter; the counter is not changed here.
    QString MakeScanFileName();
    // Writes the session file (the pages in order and the strip's current index); a file
    // error says why it could not be written.
    CFileError SaveSession() const;

    // A page for a picture file, as the import makes it (auto-portrait copy when the setting
    // is on, type code, thumbnail for the preview box); null when the picture cannot be
    // decoded. The preview shows the new page; the page is not added.
    std::unique_ptr<CPage> MakePageFromFile(const QString& path);
    // The box thumbnails are built for (the preview's size).
    void SetThumbBox(const QSize& box) { m_thumbBox = box; }
    QSize ThumbBox() const { return m_thumbBox; }

    const CPageList& Pages() const { return m_pages; }
    CPageList& Pages() { return m_pages; }
    int PageCount() const { return m_pages.Size(); }

    QString workingFolder;
    QString scanFileFormat = QStringLiteral("scan_%d.jpg");
    QString workingFolderName = QStringLiteral("leafpdf");
    int scanCounter = 1;
    QString lastScanName;
    int importedCount = 0;
    int foundCount = 0;

private:
    void ShowCurrentInPreview();

    CPageList m_pages;
    CPageSelection m_ownSelection;
    CSessionListener* m_listener = &m_ownSelection;
    QSize m_thumbBox{200, 200};
};

// The working folder for camera pages: "leafpdf" inside the personal documents folder.
QString WorkingFolderPath();
