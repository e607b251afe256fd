#include "screens/PdfLibraryDlg.h"

#include "app/KnownFolders.h"
#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "browser/screens/PathBox.h"
#include "pdf/screens/PdfFileActions.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>

using namespace ids;

namespace {

const QStringList kPdfFilter{QStringLiteral("*.pdf")};

QString ExistingFolder(const QString& path) {
    QString folder = QDir::cleanPath(path);
    while (!folder.isEmpty() && folder != QLatin1String("/") && !QFileInfo(folder).isDir())
        folder = QFileInfo(folder).path();
    return folder.startsWith(u'/') ? folder : QStringLiteral("/");
}

} // namespace

CPdfLibraryDialog::CPdfLibraryDialog(CScreen* owner) : CDialog(IDD_PDF_LIBRARY, owner) {
    m_initial = GetSpecialFolder(kSpecialFolderPersonal);
    m_tree = new CFolderTree(m_icons, this);
    m_list = new CFileList(m_icons, this);
    m_path = new CPathBox(m_icons, this);
    for (auto [id, control] : {std::pair<int, QWidget*>{IDC_BROWSER_TREE, m_tree},
                               {IDC_BROWSER_LIST, m_list},
                               {IDC_BROWSER_PATH, m_path}}) {
        // The place holder goes at once: this screen runs in a nested event loop.
        QWidget* holder = Control(id);
        AttachControl(id, control);
        delete holder;
        ApplyFont(GetFontCode(kFontDialog), control);
    }
    m_tree->SetSelectionListener([this](const QString& path) { OnFolderSelected(path); });
    m_list->SetSelectionListener([this](const QString& path) { OnFileSelected(path); });
    m_list->SetActivationListener([this](const QString& path) {
        OnFileSelected(path);
        Open();
    });
    m_path->SetChangedListener([this](const QString& path) { m_tree->SelectPath(path); });

    SetupStandardButton(Button(IDC_CANCEL), kButtonClose);
    SetupStandardButton(Button(IDC_OPEN), kButtonPlain);
    SetupStandardButton(Button(IDC_LIBRARY_SHARE), kButtonPlain);
    Button(IDC_OPEN)->setText(LoadFormatted(IDS_PDF_OPEN));
    Button(IDC_LIBRARY_SHARE)->setText(LoadFormatted(IDS_SHARE));
    setAccessibleName(LoadFormatted(IDS_PDF_LIBRARY));
    setAccessibleDescription(LoadFormatted(IDS_AVAILABLE_PDF_FILES_DEVICE));
    SetMenuBarId(IDR_MENU_ACTIONS);

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

void CPdfLibraryDialog::OnInitDialog() {
    m_picture = SkinAddImage(IDB_HEADER_SEND);
    m_list->Init();
    // Name, size, date, attributes, type.
    const int widths[] = {120, 40, 50, 30, 80};
    for (int c = 0; c < 5; ++c)
        m_list->setColumnWidth(c, ScalePixels(widths[c]));
    m_tree->Init();
    for (QWidget* w : {static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_list),
                       static_cast<QWidget*>(m_path)})
        w->show();
    m_tree->SelectPath(ExistingFolder(m_initial));
    m_tree->setFocus();
    Layout();
    // The tree is short on a small screen: keep the chosen folder in sight.
    if (QTreeWidgetItem* current = m_tree->currentItem())
        m_tree->scrollToItem(current, QAbstractItemView::PositionAtCenter);
    UpdateActions();
}

void CPdfLibraryDialog::OnFolderSelected(const QString& path) {
    m_folder = path;
    m_file.clear();
    m_path->SetPath(path);
    m_list->ShowFolder(path, kPdfFilter);
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
    const int pathHeight = std::max(m_path->sizeHint().height(), ScalePixels(16));
    m_path->setGeometry(margin, top, w - 2 * margin, pathHeight);
    const int bodyTop = top + pathHeight + margin;
    const int body = std::max(0, footerTop - margin - bodyTop);
    const int treeHeight = (body - margin) * 9 / 20;
    m_tree->setGeometry(margin, bodyTop, w - 2 * margin, treeHeight);
    m_list->setGeometry(margin, bodyTop + treeHeight + margin, w - 2 * margin,
                        body - treeHeight - margin);
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
    if (m_path->IsDroppedDown())
        m_path->DropDown();
}

void CPdfLibraryDialog::OnClose() {
    m_path->CloseUp();
}

void CPdfLibraryDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, LoadFormatted(IDS_PDF_LIBRARY),
                    LoadFormatted(IDS_AVAILABLE_PDF_FILES_DEVICE), m_picture, kFooterBand);
}
