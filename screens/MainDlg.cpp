#include "screens/MainDlg.h"

#include "platform/Registry.h"
#include "resources/ResourceIds.h"
#include "ui/binding/SkinBinding.h"
#include "ui/text/ProductInfo.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ResourceTables.h"
#include "ui/toolkit/SkinButton.h"

#include <QPainter>
#include <QPainterPath>

namespace {

int S(int n) { return ScalePixels(n); }

// Commands whose screens arrive later: present in the menu, doing nothing yet.
constexpr int kPendingCommands[] = {
    ids::ID_SCAN, ids::IDC_BUTTON_SCAN, ids::ID_ADD_FROM_FILE, ids::ID_ADD_FROM_FOLDER,
    ids::ID_ADD_BLANK_PAGE, ids::ID_IMAGE_EDIT, ids::IDC_PREVIEW, ids::ID_IMAGE_DELETE,
    ids::IDC_BUTTON_DELETE, ids::ID_IMAGE_SWAP, ids::ID_IMAGE_MOVE_BEFORE, ids::ID_IMAGE_MOVE_AFTER,
    ids::ID_IMAGE_MOVE_UP, ids::ID_IMAGE_MOVE_DOWN, ids::ID_SETTINGS_CAMERA, ids::ID_SETTINGS_IMPORT,
    ids::ID_SETTINGS_EMBEDDING, ids::ID_SETTINGS_MISC, ids::ID_SETTINGS_PDF, ids::ID_FILE_CREATE_PDF,
    ids::IDC_BUTTON_MAKE_PDF, ids::ID_FILE_NEW_SESSION, ids::ID_FILE_LIBRARY,
};

}  // namespace

bool CameraPresent() {
    using namespace platform;
    HKEY key = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("System\\State\\Hardware"), KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    std::uint32_t value = 0, type = 0, size = sizeof value;
    const bool ok = RegQueryValueEx(key, QStringLiteral("Camera"), &type, &value, &size) == ERROR_SUCCESS &&
                    type == REG_DWORD;
    RegCloseKey(key);
    return ok && value == 1;
}

CMainDlg::CMainDlg(CScreen* owner) : CDialog(ids::IDD_MAIN, owner), m_camera(CameraPresent()) {
    using namespace ids;
    OnCommandId(ID_FILE_EXIT, [this] { Exit(); });
    OnCommandId(IDOK_COMMAND, [this] { Exit(); });
    OnCommandId(ID_HELP_ABOUT, [this] { AskOwner(kFrameCommandAbout); });
    OnCommandId(ID_HELP_HELP, [this] { AskOwner(kFrameCommandHelp); });
    for (int command : kPendingCommands)
        OnCommandId(command, [] {});
}

CMainDlg::~CMainDlg() {
    if (m_logo)
        SkinReleaseImage(m_logo);
}

void CMainDlg::OnInitDialog() { SetMenuBarId(ids::IDR_MENU_MAIN); }

void CMainDlg::OnFirstPaint() {
    using namespace ids;
    struct { int id; std::uint32_t normal, disabled, pressed; } faces[] = {
        {IDC_BUTTON_SCAN, IDB_BIG_SCAN, IDB_BIG_SCAN_DISABLED, IDB_BIG_SCAN_PRESSED},
        {IDC_BUTTON_MAKE_PDF, IDB_BIG_PDF, IDB_BIG_PDF_DISABLED, IDB_BIG_PDF_PRESSED},
        {IDC_BUTTON_DELETE, IDB_BIG_DELETE, IDB_BIG_DELETE_DISABLED, IDB_BIG_DELETE_PRESSED},
    };
    for (const auto& f : faces) {
        CSkinButton* button = Button(f.id);
        button->SetFaces(f.normal, f.normal, f.disabled, f.pressed, true, true);
        button->setText({});
        ApplyFont(GetFontCode(11), button);
        button->show();
    }
    m_logo = SkinAddImage(IDB_LOGO);
    Layout();
    m_layoutReady = true;
    RefreshControls();
    update();
}

void CMainDlg::RefreshControls() {
    using namespace ids;
    EnableCommand(IDC_BUTTON_SCAN, m_camera);
    EnableCommand(ID_SCAN, m_camera);
    EnableCommand(IDC_BUTTON_MAKE_PDF, PageCount() > 0);
    EnableCommand(IDC_BUTTON_DELETE, PageCount() > 0);
}

void CMainDlg::Layout() {
    using namespace ids;
    const int w = width();
    const int h = height();
    const int size = S(64), gap = S(16);
    const int buttonTop = h - S(70);
    int x = (w - 3 * size - 2 * gap) / 2;
    for (int id : {IDC_BUTTON_SCAN, IDC_BUTTON_MAKE_PDF, IDC_BUTTON_DELETE}) {
        PlaceControlPixels(id, QRect(x, buttonTop, size, size));
        x += size + gap;
    }
    const int stripHeight = S(50) + 2 * S(6);
    m_strip = QRect(S(4), buttonTop - S(8) - stripHeight, w - 2 * S(4), stripHeight);
    PlaceControlPixels(IDC_STRIP, m_strip);

    const int panel = S(90);
    const int m = S(4);
    const int previewWidth = w - 2 * m - panel;
    const int b = std::min(m_strip.top() - m, m_strip.top() - m);
    m_preview = QRect(m, m, previewWidth - m, b - m);
    PlaceControlPixels(IDC_PREVIEW, m_preview);
    m_panel = QRect(previewWidth + m, m, w - m - (previewWidth + m), m_strip.top() - 2 * m);
}

void CMainDlg::OnPaint(QPainter& p) {
    CDialog::OnPaint(p);
    if (!m_layoutReady)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    // Preview: an empty page waiting for the first scan.
    p.fillRect(m_preview, QColor(0xF4, 0xF5, 0xF7));
    p.setPen(QPen(QColor(0xD5, 0xD9, 0xDF), S(1)));
    p.drawRect(m_preview.adjusted(0, 0, -1, -1));
    const int pageH = m_preview.height() * 3 / 5;
    const int pageW = pageH * 210 / 297;
    const QRect page(m_preview.center().x() - pageW / 2, m_preview.center().y() - pageH / 2, pageW, pageH);
    QPainterPath sheet;
    const int fold = pageW / 4;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    p.fillPath(sheet, Qt::white);
    p.setPen(QPen(QColor(0xB8, 0xBF, 0xC9), S(1), Qt::DashLine));
    p.drawPath(sheet);
    // Strip: the band the thumbnails sit in.
    p.fillRect(m_strip, QColor(0xEE, 0xF0, 0xF3));
    p.setPen(QPen(QColor(0xD5, 0xD9, 0xDF), S(1)));
    p.drawRect(m_strip.adjusted(0, 0, -1, -1));

    // Right panel: logo, product name, short version.
    int y = m_panel.top() + S(4);
    const QSize logo = SkinImageSize(m_logo);
    if (m_logo) {
        SkinDrawImage(p, m_logo, m_panel.left() + (m_panel.width() - logo.width()) / 2, y);
        y += logo.height();
    }
    p.setPen(QColor(0x20, 0x20, 0x20));
    if (const QFont* f = GetFont(GetFontCode(3)))
        p.setFont(*f);
    QRect line(m_panel.left(), y + S(1), m_panel.width(), S(12));
    p.drawText(line, Qt::AlignCenter | Qt::TextSingleLine, ProductName());
    if (const QFont* f = GetFont(GetFontCode(16)))
        p.setFont(*f);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawText(line.translated(0, S(12) + S(1)), Qt::AlignCenter | Qt::TextSingleLine,
               QStringLiteral("v") + VersionShort());
}

void CMainDlg::Exit() {
    // The session file is written here once the page list lives on this screen.
    EndDialog(IDOK);
}

void CMainDlg::AskOwner(int frameCommand) {
    if (Owner())
        Owner()->PostMessage(ids::WM_FRAME_COMMAND, frameCommand);
}
