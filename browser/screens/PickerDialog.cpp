#include "browser/screens/PickerDialog.h"

#include "app/KnownFolders.h"
#include "browser/screens/BrowserPane.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "ui/toolkit/ScreenFrame.h"
#include "ui/toolkit/SkinButton.h"

#include <QPainter>

namespace {

// The tree's part of the height below the path box, in twentieths.
constexpr int kTreeShare = 11;

} // namespace

CPickerDialog::CPickerDialog(int mode, CScreen* owner)
    : CDialog(ids::IDD_FILE_PICKER, owner), m_mode(mode == kPickFile ? kPickFile : kPickFolder),
      m_pane(new CBrowserPane(this, kTreeShare)) {
    using namespace ids;
    m_initial = GetSpecialFolder(kSpecialFolderPersonal);
    m_pane->SetFolderListener([this](const QString& path) { OnFolderSelected(path); });
    m_pane->SetFileListener([this](const QString& path) { OnFileSelected(path); });
    m_pane->SetActivationListener([this](const QString& path) {
        OnFileSelected(path);
        if (!m_file.isEmpty())
            EndDialog(IDOK);
    });

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
    // Assistive tools announce the picker by its header, as the eye reads it.
    setAccessibleName(caption.isEmpty() ? heading : caption);
    setAccessibleDescription(caption.isEmpty() ? QString() : heading);
}

void CPickerDialog::SetFilter(const QString& pattern) {
    m_pane->SetFilters({pattern});
}

void CPickerDialog::AddFilter(const QString& pattern) {
    m_pane->SetFilters(m_pane->Filters() + QStringList{pattern});
}

QStringList CPickerDialog::Filters() const {
    return m_pane->Filters();
}

CFolderTree* CPickerDialog::Tree() const {
    return m_pane->Tree();
}

CFileList* CPickerDialog::List() const {
    return m_pane->List();
}

CPathBox* CPickerDialog::PathBox() const {
    return m_pane->PathBox();
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
        m_picture = SkinAddImage(IDB_HEADER_DOCUMENT);
    m_pane->Init();
    m_pane->Open(m_initial);
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
    m_pane->setGeometry(margin, top, w - 2 * margin, std::max(0, footerTop - margin - top));
    m_pane->LayOut();

    CSkinButton* cancel = Button(IDC_CANCEL);
    CSkinButton* ok = Button(IDC_OK);
    for (CSkinButton* b : {cancel, ok}) {
        const QSize bs = b->sizeHint();
        const int y = footerTop + (h - footerTop - bs.height() + ScalePixels(1)) / 2;
        b->setGeometry(b == cancel ? margin : w - margin - bs.width(), y, bs.width(), bs.height());
    }
}

void CPickerDialog::OnPaint(QPainter& painter) {
    CDialog::OnPaint(painter);
    DrawScreenFrame(this, painter, m_caption, m_heading, m_picture, kFooterBand);
}

void CPickerDialog::OnClose() {
    m_pane->CloseUp();
}
