#include "screens/PdfLibraryDlg.h"

#include "app/KnownFolders.h"
#include "browser/screens/BrowserPane.h"
#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "pdf/screens/PdfFileActions.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"
#include "ui/toolkit/TouchInput.h"

#include <QHeaderView>
#include <QScrollBar>

using namespace ids;

namespace {

// The tree's part of the height below the path box, in twentieths.
constexpr int kTreeShare = 9;

} // namespace

CPdfLibraryDialog::CPdfLibraryDialog(CScreen* owner)
    : CDialog(IDD_PDF_LIBRARY, owner), m_pane(new CBrowserPane(this, kTreeShare)) {
    m_initial = GetSpecialFolder(kSpecialFolderPersonal);
    m_pane->SetFilters({QStringLiteral("*.pdf")});
    m_pane->SetFolderListener([this](const QString& path) { OnFolderSelected(path); });
    m_pane->SetFileListener([this](const QString& path) { OnFileSelected(path); });
    m_pane->SetActivationListener([this](const QString& path) {
        OnFileSelected(path);
        Open();
    });

    SetupStandardButton(Button(IDC_CANCEL), kButtonClose);
    SetupStandardButton(Button(IDC_OPEN), kButtonPlain);
    SetupStandardButton(Button(IDC_LIBRARY_SHARE), kButtonPlain);
    Button(IDC_OPEN)->setText(LoadFormatted(IDS_PDF_OPEN));
    Button(IDC_LIBRARY_SHARE)->setText(LoadFormatted(IDS_SHARE));
    setAccessibleName(LoadFormatted(IDS_PDF_LIBRARY));
    setAccessibleDescription(LoadFormatted(IDS_AVAILABLE_PDF_FILES_DEVICE));
    SetMenuBarId(IDR_MENU_ACTIONS);

    // A long press (or right click) on a file offers what the Tools key offers for it.
    OpenOnLongPress(List(), [this](const QPoint& global) {
        if (AreActionsEnabled())
            ShowMenuBranch(this, ID_OPEN, global);
    });

    for (int id : {IDC_OPEN, ID_OPEN})
        OnCommandId(id, [this] { Open(); });
    for (int id : {IDC_LIBRARY_SHARE, ID_SHARE})
        OnCommandId(id, [this] { Share(); });
    for (int id : {IDC_CANCEL, ID_CLOSE, ID_PLATFORM_CANCEL})
        OnCommandId(id, [this] { EndDialog(IDCANCEL); });
    UpdateActions();
}

CPdfLibraryDialog::~CPdfLibraryDialog() {
    if (m_picture)
        SkinReleaseImage(m_picture);
}

CFolderTree* CPdfLibraryDialog::Tree() const {
    return m_pane->Tree();
}

CFileList* CPdfLibraryDialog::List() const {
    return m_pane->List();
}

CPathBox* CPdfLibraryDialog::PathBox() const {
    return m_pane->PathBox();
}

void CPdfLibraryDialog::OnInitDialog() {
    m_picture = SkinAddImage(IDB_HEADER_DOCUMENT);
    m_pane->Init();
    // Name, size, date, attributes, type.
    const int widths[] = {120, 40, 50, 30, 80};
    for (int c = 0; c < 5; ++c)
        List()->setColumnWidth(c, ScalePixels(widths[c]));
    m_pane->Open(m_initial);
    Layout();
    // The tree is short on a small screen: keep the chosen folder in sight.
    if (QTreeWidgetItem* current = Tree()->currentItem()) {
        Tree()->scrollToItem(current, QAbstractItemView::PositionAtCenter);
        // Centring may also scroll sideways in a narrow tree; the names start at the left.
        Tree()->horizontalScrollBar()->setValue(0);
    }
    UpdateActions();
}

void CPdfLibraryDialog::OnFolderSelected(const QString& path) {
    m_folder = path;
    m_file.clear();
    UpdateActions();
}

void CPdfLibraryDialog::OnFileSelected(const QString& path) {
    m_file = path;
    UpdateActions();
}

bool CPdfLibraryDialog::AreActionsEnabled() const {
    return !m_file.isEmpty();
}

void CPdfLibraryDialog::UpdateActions() {
    const bool enable = AreActionsEnabled();
    for (int id : {IDC_OPEN, ID_OPEN, IDC_LIBRARY_SHARE, ID_SHARE})
        EnableCommand(id, enable);
}

void CPdfLibraryDialog::Open() {
    OpenPdfFile(this, m_file);
}

void CPdfLibraryDialog::Share() {
    SharePdfFile(this, m_file);
}

void CPdfLibraryDialog::Layout() {
    const int w = width();
    const int h = height();
    const int margin = ScalePixels(4);
    const int top = FrameHeaderBottom() + margin;
    const int footerTop = FrameFooterTop(h);
    m_pane->setGeometry(margin, top, w - 2 * margin, std::max(0, footerTop - margin - top));
    m_pane->LayOut();
    const int ids[] = {IDC_CANCEL, IDC_LIBRARY_SHARE, IDC_OPEN};
    const int slot = (w - 2 * margin) / 3;
    for (int i = 0; i < 3; ++i) {
        CSkinButton* b = Button(ids[i]);
        const QSize bs = b->sizeHint();
        const int bw = std::min(bs.width(), slot - ScalePixels(2));
        const int by = footerTop + (h - footerTop - bs.height() + ScalePixels(1)) / 2;
        const int x = i == 0 ? margin : i == 2 ? w - margin - bw : (w - bw) / 2;
        PlaceControlPixels(ids[i], QRect(x, by, bw, bs.height()));
    }
}

void CPdfLibraryDialog::OnClose() {
    m_pane->CloseUp();
}

void CPdfLibraryDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, LoadFormatted(IDS_PDF_LIBRARY),
                    LoadFormatted(IDS_AVAILABLE_PDF_FILES_DEVICE), m_picture, kFooterBand);
}
