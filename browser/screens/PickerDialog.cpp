#include "browser/screens/PickerDialog.h"

#include "app/KnownFolders.h"
#include "browser/screens/FileList.h"
#include "browser/screens/FolderTree.h"
#include "browser/screens/PathBox.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace {

// The folder itself when it exists, else its nearest existing parent, else the root.
QString ExistingFolder(const QString& path) {
    QString folder = QDir::cleanPath(path);
    while (!folder.isEmpty() && folder != QLatin1String("/") && !QFileInfo(folder).isDir())
        folder = QFileInfo(folder).path();
    return folder.startsWith(u'/') ? folder : QStringLiteral("/");
}

} // namespace

CPickerDialog::CPickerDialog(int mode, CScreen* owner)
    : CDialog(ids::IDD_FILE_PICKER, owner), m_mode(mode == kPickFile ? kPickFile : kPickFolder) {
    using namespace ids;
    m_initial = GetSpecialFolder(kSpecialFolderPersonal);
    m_tree = new CFolderTree(m_icons, this);
    m_list = new CFileList(m_icons, this);
    m_path = new CPathBox(m_icons, this);
    for (auto [id, control] : {std::pair<int, QWidget*>{IDC_BROWSER_TREE, m_tree},
                               {IDC_BROWSER_LIST, m_list},
                               {IDC_BROWSER_PATH, m_path}}) {
        // The place holder goes at once: a deferred delete would wait for the outermost
        // event loop while this screen runs in a nested one.
        QWidget* holder = Control(id);
        AttachControl(id, control);
        delete holder;
    }
    for (QWidget* w : {static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_list)})
        ApplyFont(GetFontCode(kFontDialog), w);
    ApplyFont(GetFontCode(kFontDialog), m_path);

    m_tree->SetSelectionListener([this](const QString& path) { OnFolderSelected(path); });
    m_list->SetSelectionListener([this](const QString& path) { OnFileSelected(path); });
    m_list->SetActivationListener([this](const QString& path) {
        OnFileSelected(path);
        if (!m_file.isEmpty())
            EndDialog(IDOK);
    });
    m_path->SetChangedListener([this](const QString& path) { m_tree->SelectPath(path); });

    OnCommandId(IDC_OK, [this] { Confirm(); });
    OnCommandId(ID_OK, [this] { Confirm(); });
    OnCommandId(IDC_CANCEL, [this] { EndDialog(IDCANCEL); });
    OnCommandId(ID_PLATFORM_CANCEL, [this] { EndDialog(IDCANCEL); });
}

CPickerDialog::~CPickerDialog() {
    if (m_picture)
        SkinReleaseImage(std::exchange(m_picture, 0));
}

void CPickerDialog::SetTitles(const QString& caption, const QString& heading) {
    m_caption = caption;
    m_heading = heading;
}

void CPickerDialog::SetFilter(const QString& pattern) {
    m_filters = QStringList{pattern};
}

void CPickerDialog::AddFilter(const QString& pattern) {
    m_filters.append(pattern);
}

void CPickerDialog::SetInitialFolder(const QString& path) {
    m_initial = path;
}

void CPickerDialog::Prepare() {
    using namespace ids;
    m_prepared = true;
    // The device emulates platform version 5 and later.
    SetMenuBarId(IDR_MENU_OK_CANCEL_5);
    SetupStandardButton(Button(IDC_OK), kButtonOk);
    SetupStandardButton(Button(IDC_CANCEL), kButtonCancel);
    Button(IDC_OK)->SetDefaultButton(true);
    if (!m_picture)
        m_picture = SkinAddImage(IDB_HEADER_SEND);
    m_list->Init();
    m_tree->Init();
    m_tree->SelectPath(ExistingFolder(m_initial));
    m_tree->setFocus();
    Layout();
    UpdateOk();
}

int CPickerDialog::Show() {
    if (!m_prepared)
        Prepare();
    return DoModal();
}

void CPickerDialog::OnFolderSelected(const QString& path) {
    m_folder = path;
    m_file.clear();
    m_path->SetPath(path);
    m_list->ShowFolder(path, m_filters);
    UpdateOk();
}

void CPickerDialog::OnFileSelected(const QString& path) {
    // The list reports losing its selection too (when it is refilled); that changes nothing.
    if (path.isEmpty())
        return;
    m_file = path;
    m_folder.clear();
    UpdateOk();
}

bool CPickerDialog::IsOkEnabled() const {
    return m_mode == kPickFile ? !m_file.isEmpty() : !m_folder.isEmpty();
}

void CPickerDialog::UpdateOk() {
    const bool enable = IsOkEnabled();
    EnableCommand(ids::IDC_OK, enable);
    EnableCommand(ids::ID_OK, enable);
}

void CPickerDialog::Confirm() {
    if (IsOkEnabled())
        EndDialog(IDOK);
}

void CPickerDialog::Layout() {
    using namespace ids;
    const int w = width();
    const int h = height();
    const int margin = ScalePixels(4);
    const int top = FrameHeaderBottom() + margin;
    const int footerTop = FrameFooterTop(h);
    const int pathHeight = std::max(m_path->sizeHint().height(), ScalePixels(16));
    m_path->setGeometry(margin, top, w - 2 * margin, pathHeight);
    const int bodyTop = top + pathHeight + margin;
    const int body = std::max(0, footerTop - margin - bodyTop);
    const int treeHeight = (body - margin) * 11 / 20;
    m_tree->setGeometry(margin, bodyTop, w - 2 * margin, treeHeight);
    m_list->setGeometry(margin, bodyTop + treeHeight + margin, w - 2 * margin,
                        body - treeHeight - margin);

    CSkinButton* cancel = Button(IDC_CANCEL);
    CSkinButton* ok = Button(IDC_OK);
    for (CSkinButton* b : {cancel, ok}) {
        const QSize bs = b->sizeHint();
        const int y = footerTop + (h - footerTop - bs.height() + ScalePixels(1)) / 2;
        b->setGeometry(b == cancel ? margin : w - margin - bs.width(), y, bs.width(), bs.height());
    }
    if (m_path->IsDroppedDown())
        m_path->DropDown();
}

void CPickerDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, m_caption, m_heading, m_picture, kFooterBand);
}

void CPickerDialog::OnClose() {
    m_path->CloseUp();
}

void CPickerDialog::OnInitDialog() {
    // The place holders were hidden along with the screen before it went on the stack.
    for (QWidget* w : {static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_list),
                       static_cast<QWidget*>(m_path)})
        w->show();
}
