#include "session/Session.h"

#include "app/AppSettings.h"
#include "app/KnownFolders.h"
#include "session/PageFactory.h"
#include "session/PageOperations.h"
#include "session/SessionFile.h"
#include "text/Strings.h"

QString WorkingFolderPath() {
    return FormatText(u"%s/leafpdf", {GetSpecialFolder(kSpecialFolderPersonal)});
}

CSession::CSession() : workingFolder(WorkingFolderPath()) {
    ClearSession();
}

CSession::~CSession() {
    ClearSession();
}

void CSession::SetListener(CSessionListener* listener) {
    m_listener = listener ? listener : &m_ownSelection;
}

void CSession::ShowCurrentInPreview() {
    const int index = CurrentIndex();
    CPage* page = m_pages.At(index);
    m_listener->PreviewShow(page, page ? index + 1 : 0);
}

void CSession::AddPage(std::unique_ptr<CPage> page) {
    if (!page)
        return;
    CPage* raw = page.get();
    m_pages.Append(std::move(page));
    m_listener->StripAdd(raw);
    if (m_pages.Size() == 1)
        m_listener->OnFirstPage(raw);
    ShowCurrentInPreview();
}

CPage* CSession::CurrentPage() const {
    return m_pages.At(CurrentIndex());
}

void CSession::RemoveCurrentPage() {
    const int index = CurrentIndex();
    if (!m_pages.IsValidIndex(index))
        return;
    // The strip lets go of the record before it is destroyed.
    m_pages.SetDeleteFileSetting(AppSettings().deleteFile != 0);
    std::unique_ptr<CPage> page = m_pages.TakeAt(index);
    m_listener->StripRemoveSelected();
    page.reset();
    ShowCurrentInPreview();
}

bool CSession::SwapPages(int i, int j) {
    if (!m_pages.IsValidIndex(i) || !m_pages.IsValidIndex(j))
        return false;
    m_pages.Swap(i, j);
    m_listener->StripSwap(i, j);
    return true;
}

bool CSession::MovePage(int from, int to) {
    if (!m_pages.IsValidIndex(from) || !m_pages.IsValidIndex(to))
        return false;
    if (from == to)
        return true;
    std::unique_ptr<CPage> page = m_pages.TakeAt(from);
    m_pages.InsertAt(MovedIndex(from, to), std::move(page));
    m_listener->StripMove(from, to);
    m_listener->StripSelect(to);
    m_listener->Redraw();
    return true;
}

void CSession::ClearSession() {
    m_listener->OnSessionClearing();
    // The strip forgets the records before they are destroyed.
    m_listener->StripClear();
    m_listener->PreviewShow(nullptr, 0);
    m_pages.SetDeleteFileSetting(AppSettings().deleteFile != 0);
    m_pages.Clear();
    scanCounter = 1;
    importedCount = 0;
    foundCount = 0;
    m_listener->OnSessionCleared();
}

QString CSession::MakeScanFileName() {
    lastScanName = FormatText(scanFileFormat, {scanCounter});
    return lastScanName;
}

CFileError CSession::SaveSession() const {
    return ::SaveSession(m_pages, CurrentIndex());
}

std::unique_ptr<CPage> CSession::MakePageFromFile(const QString& path) {
    m_listener->PreviewShow(nullptr, 0);
    std::unique_ptr<CPage> page =
        ::MakePageFromFile(path, AppSettings().autoPortrait != 0, m_thumbBox.width(),
                           m_thumbBox.height(), nullptr, ScanCopyOptionsOf(AppSettings()));
    if (page) {
        const int index = CurrentIndex();
        m_listener->PreviewShow(page.get(), m_pages.IsValidIndex(index) ? index + 1 : 0);
    }
    return page;
}
