#include "screens/MainDlg.h"

#include "app/AppSettings.h"
#include "camera/CameraState.h"
#include "imaging/PageThumb.h"
#include "resources/ResourceIds.h"
#include "scanner/ScanOptions.h"
#include "screens/EditCommand.h"
#include "screens/ImportCommands.h"
#include "screens/OpenedPictures.h"
#include "screens/PageCommands.h"
#include "screens/PdfCommands.h"
#include "screens/ScanCommand.h"
#include "screens/SettingsCommands.h"
#include "screens/StaticThumb.h"
#include "session/SessionRecorder.h"
#include "session/SessionRestore.h"
#include "skin/binding/SkinBinding.h"
#include "text/ProductInfo.h"
#include "text/Strings.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/MessageBox.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/RememberedAnswers.h"
#include "ui/toolkit/SkinButton.h"
#include "ui/toolkit/TouchInput.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

// The "No camera detected" notice remembers its "don't show again" answer as box number 1.
constexpr int kCameraNoticeBox = 1;

constexpr int kBigButtons[] = {ids::IDC_BUTTON_SCAN, ids::IDC_BUTTON_MAKE_PDF,
                               ids::IDC_BUTTON_DELETE};

} // namespace

CMainDlg::CMainDlg(CScreen* owner) : CDialog(ids::IDD_MAIN, owner) {
    // The camera state is read once, when the screen is made.
    ReadCameraState();
    m_camera = ::HasCamera();
    using namespace ids;
    m_strip = new CFrameList(this);
    AttachControl(IDC_STRIP, m_strip);
    m_strip->SetListener(this);
    // A long press (or right click) on the strip opens the page commands of the Tools menu.
    OpenOnLongPress(m_strip, [this](const QPoint& global) {
        if (m_strip->Count() > 0)
            ShowMenuBranch(this, ID_IMAGE_EDIT, global);
    });
    m_previewControl = new CStaticThumb(this);
    AttachControl(IDC_PREVIEW, m_previewControl);
    m_previewControl->SetOnActivate([this] { SendCommand(IDC_PREVIEW); });
    // Attached while the screen is still hidden: shown explicitly, or they stay hidden with it.
    m_strip->show();
    m_previewControl->show();
    m_session.SetListener(this);

    Button(IDC_BUTTON_SCAN)->setAccessibleName(LoadFormatted(IDS_SCAN));
    Button(IDC_BUTTON_MAKE_PDF)->setAccessibleName(LoadFormatted(IDS_MAIN_MAKE_PDF));
    Button(IDC_BUTTON_DELETE)->setAccessibleName(LoadFormatted(IDS_DELETE));
    // Arrow keys step through the pages whichever control has the focus.
    for (const auto& [id, control] : Controls())
        control->installEventFilter(this);
    RegisterCommands();
}

CMainDlg::~CMainDlg() {
    SetOpenedPicturesHandler({});
    // Ended without Exit or Cancel: the record stays for the next start, and so do the copies
    // it names.
    if (m_recorder && m_recorder->IsRecording()) {
        m_recorder->Stop();
        LeaveFilesToRecord(m_session.Pages());
    }
    m_recorder.reset();
    // The pages go with the screen (temporary copies are deleted); the strip lets go first.
    m_session.ClearSession();
    m_session.SetListener(nullptr);
    m_strip->SetListener(nullptr);
    if (m_logo)
        SkinReleaseImage(m_logo);
}

void CMainDlg::RegisterCommands() {
    using namespace ids;
    OnCommandId(ID_FILE_EXIT, [this] { Exit(); });
    OnCommandId(IDOK_COMMAND, [this] { Exit(); });
    OnCommandId(ID_HELP_ABOUT, [this] { AskOwner(kFrameCommandAbout); });
    OnCommandId(ID_HELP_HELP, [this] { AskOwner(kFrameCommandHelp); });
    for (int command : {ID_SCAN, IDC_BUTTON_SCAN})
        OnCommandId(command, [this] { Scan(); });
    for (int command : {ID_IMAGE_EDIT, IDC_PREVIEW})
        OnCommandId(command, [this] { Edit(); });

    // Every page command ends with the controls brought up to date.
    auto page = [this](int command, const std::function<void()>& work) {
        OnCommandId(command, [this, work] {
            work();
            RefreshControls();
        });
    };
    page(ID_ADD_FROM_FILE, [this] { ImportFromFile(this, m_session); });
    page(ID_ADD_FROM_FOLDER,
         [this] { ImportFromFolder(this, m_session, [this](bool busy) { SetBusy(busy); }); });
    page(ID_ADD_BLANK_PAGE, [this] { AddBlankPage(m_session); });
    page(ID_IMAGE_DELETE, [this] { DeletePage(this, m_session); });
    page(IDC_BUTTON_DELETE, [this] { DeletePage(this, m_session); });
    page(ID_IMAGE_SWAP, [this] { SwapPage(this, m_session); });
    page(ID_IMAGE_MOVE_BEFORE, [this] { MovePageBefore(this, m_session); });
    page(ID_IMAGE_MOVE_AFTER, [this] { MovePageAfter(this, m_session); });
    page(ID_IMAGE_MOVE_UP, [this] { MovePageUp(m_session); });
    page(ID_IMAGE_MOVE_DOWN, [this] { MovePageDown(m_session); });
    page(ID_FILE_NEW_SESSION, [this] { NewSession(this, m_session); });
    for (int command : {ID_SETTINGS_CAMERA, ID_SETTINGS_IMPORT, ID_SETTINGS_EMBEDDING,
                        ID_SETTINGS_MISC, ID_SETTINGS_PDF})
        OnCommandId(command, [this, command] {
            RunSettingsPage(this, command);
            // The camera page may have chosen a scanner for Scan.
            RefreshControls();
        });
    page(ID_FILE_CREATE_PDF, [this] { CreatePdf(this, m_session); });
    page(IDC_BUTTON_MAKE_PDF, [this] { CreatePdf(this, m_session); });
    OnCommandId(ID_FILE_LIBRARY, [this] { ShowPdfLibrary(this); });
}

void CMainDlg::OnInitDialog() {
    SetMenuBarId(ids::IDR_MENU_MAIN);
}

void CMainDlg::OnFirstPaint() {
    using namespace ids;
    struct {
        int id;
        std::uint32_t normal, disabled, pressed;
    } faces[] = {
        {IDC_BUTTON_SCAN, IDB_BIG_SCAN, IDB_BIG_SCAN_DISABLED, IDB_BIG_SCAN_PRESSED},
        {IDC_BUTTON_MAKE_PDF, IDB_BIG_PDF, IDB_BIG_PDF_DISABLED, IDB_BIG_PDF_PRESSED},
        {IDC_BUTTON_DELETE, IDB_BIG_DELETE, IDB_BIG_DELETE_DISABLED, IDB_BIG_DELETE_PRESSED},
    };
    for (const auto& f : faces) {
        CSkinButton* button = Button(f.id);
        button->SetFaces(f.normal, f.normal, f.disabled, f.pressed, true, true);
        button->setText({});
        ApplyFont(GetFontCode(kFontBigButton), button);
        button->show();
        button->setEnabled(IsCommandEnabled(f.id));
    }
    m_logo = SkinAddImage(IDB_LOGO);
    Layout();
    m_layoutReady = true;
    RefreshControls();
    update();
    StartRecording();
    if (m_noticeAtStart)
        ShowCameraNotice();
    SetOpenedPicturesHandler([this] { AddOpenedPictures(); });
}

void CMainDlg::AddOpenedPictures() {
    // Pages are added only on this screen, never under an editor or a picker working on them:
    // they wait until the user is back here.
    const CDeviceWindow* device = CDeviceWindow::Instance();
    if (m_busy || (device && device->TopScreen() != this)) {
        QTimer::singleShot(250, this, [this] { AddOpenedPictures(); });
        return;
    }
    const QStringList files = TakeOpenedPictures();
    if (files.isEmpty())
        return;
    ImportPictureFiles(this, m_session, files);
    RefreshControls();
    if (QWidget* top = window()) {
        top->raise();
        top->activateWindow();
    }
}

void CMainDlg::KeepRecoveryRecord(const QString& path, CRecoveryState restore) {
    m_recorder = std::make_unique<CSessionRecorder>(m_session, path);
    m_restore = std::move(restore);
}

void CMainDlg::PrepareMissingPagesNotice(CQuestionBox& box, const QStringList& missing) {
    using namespace ids;
    box.SetKind(CQuestionBox::kClose);
    box.SetTitles(LoadFormatted(IDS_RESTORE_SESSION), LoadFormatted(IDS_RESTORE_PAGES_MISSING));
    box.SetBody(LoadFormatted(IDS_RESTORE_MISSING_LIST, missing.join(QStringLiteral("\r\n"))));
    box.SetPictures(IDB_MSG_ATTENTION);
}

void CMainDlg::StartRecording() {
    if (!m_recorder || m_recorder->IsRecording())
        return;
    CRestoreResult restored;
    if (!m_restore.pages.empty()) {
        BeginWait();
        restored = RestoreSession(m_session, std::exchange(m_restore, {}));
        EndWait();
        RefreshControls();
        Redraw();
    }
    // From here on the record is this run's: the restored pages are in it before anything else
    // can happen to them.
    m_recorder->Start();
    if (!restored.missing.isEmpty()) {
        CQuestionBox box(this);
        PrepareMissingPagesNotice(box, restored.missing);
        box.Show();
    }
}

void CMainDlg::RecordChange() {
    if (m_recorder)
        m_recorder->Changed();
}

void CMainDlg::RefreshControls() {
    using namespace ids;
    const bool idle = !m_busy;
    EnableCommand(IDC_BUTTON_SCAN, idle && CanScan());
    EnableCommand(ID_SCAN, idle && CanScan());
    EnableCommand(IDC_BUTTON_MAKE_PDF, idle && PageCount() > 0);
    EnableCommand(IDC_BUTTON_DELETE, idle && PageCount() > 0);
}

void CMainDlg::SetBusy(bool busy) {
    m_busy = busy;
    // While a folder is searched neither the buttons nor the soft keys start anything else.
    EnableSoftKey(true, !busy);
    EnableSoftKey(false, !busy);
    RefreshControls();
}

void CMainDlg::ShowCameraNotice() {
    if (CanScan() || ReadRememberedAnswer(kCameraNoticeBox) == 1)
        return;
    RunCameraNotice();
}

void CMainDlg::PrepareCameraNotice(CQuestionBox& box) {
    using namespace ids;
    box.SetKind(CQuestionBox::kDontShowAgain);
    box.SetTitles(LoadFormatted(IDS_MESSAGE), LoadFormatted(IDS_NO_CAMERA_DETECTED));
    box.SetBody(LoadFormatted(IDS_NO_SUPPORTED_CAMERA_CAPTURE));
    box.SetOptionTexts(LoadFormatted(IDS_DON_T_SHOW_THIS_1144), QString());
    box.SetPictures(IDB_MSG_NO_CAMERA_1, IDB_MSG_NO_CAMERA_2, 500);
    box.SetChecked(false);
}

void CMainDlg::RunCameraNotice() {
    CQuestionBox box(this);
    PrepareCameraNotice(box);
    box.Show();
    if (box.IsChecked())
        StoreRememberedAnswer(kCameraNoticeBox, 1);
}

void CMainDlg::Layout() {
    using namespace ids;
    ++m_layoutCount;
    m_laidOutSize = size();
    const int w = width();
    const int h = height();
    const int size = ScalePixels(64), gap = ScalePixels(16);
    const int m = ScalePixels(4); // margin
    const int buttonTop = h - ScalePixels(70);
    int x = (w - 3 * size - 2 * gap) / 2;
    for (int id : kBigButtons) {
        PlaceControlPixels(id, QRect(x, buttonTop, size, size));
        x += size + gap;
    }
    const int stripHeight = m_strip->FixedHeight();
    m_stripRect = QRect(m, buttonTop - ScalePixels(8) - stripHeight, w - 2 * m, stripHeight);
    PlaceControlPixels(IDC_STRIP, m_stripRect);
    m_strip->SetArea(m_stripRect.width(), m_stripRect.height());

    const int panel = ScalePixels(90);
    const int previewRight = w - 2 * m - panel;
    // The preview ends a margin above the strip.
    const int previewBottom = m_stripRect.top() - m;
    m_preview = QRect(m, m, previewRight - m, previewBottom - m);
    PlaceControlPixels(IDC_PREVIEW, m_preview);
    m_panel = QRect(previewRight + m, m, w - m - (previewRight + m), m_stripRect.top() - 2 * m);
    // Thumbnails are made at the display's pixels; they are drawn fitted into logical boxes.
    m_session.SetThumbBox(CPageThumb::BoxForDisplay(m_preview.size(), devicePixelRatioF()));
    // A strip that shows pages keeps the height of its frames.
    if (PageCount() > 0)
        ApplyStripHeight(m_strip->PreferredHeight() + ScalePixels(2));
}

void CMainDlg::ApplyStripHeight(int height) {
    const int bottom = m_stripRect.top() + m_stripRect.height();
    m_stripRect = QRect(m_stripRect.left(), bottom - height, m_stripRect.width(), height);
    PlaceControlPixels(ids::IDC_STRIP, m_stripRect);
    m_strip->SetArea(m_stripRect.width(), m_stripRect.height());
    if (m_preview.top() + m_preview.height() > m_stripRect.top()) {
        m_preview.setHeight(m_stripRect.top() - ScalePixels(4) - m_preview.top());
        PlaceControlPixels(ids::IDC_PREVIEW, m_preview);
    }
}

void CMainDlg::FitStrip(CPage* firstPage) {
    const bool portrait = !firstPage->IsLandscape();
    if (portrait != m_portrait) {
        m_portrait = portrait;
        Layout();
        update();
    }
    ApplyStripHeight(m_strip->PreferredHeight() + ScalePixels(2));
}

void CMainDlg::LayoutIfSizeChanged() {
    if (!m_layoutReady || size() == m_laidOutSize)
        return;
    Layout();
    update();
}

void CMainDlg::resizeEvent(QResizeEvent* event) {
    // Not the template layout of CDialog: this screen computes its own, once per change.
    CScreen::resizeEvent(event); // NOLINT(bugprone-parent-virtual-call): skips CDialog on purpose
    LayoutIfSizeChanged();
}

void CMainDlg::OnDisplayChange() {
    LayoutIfSizeChanged();
}

void CMainDlg::OnRatioChange() {
    CDialog::OnRatioChange();
    if (!m_layoutReady)
        return;
    Layout();
    // The pages' thumbnails are made again for the display's pixels: sharp on a denser one,
    // and no larger than needed on a coarser one.
    const QSize box = m_session.ThumbBox();
    for (int i = 0; i < PageCount(); ++i) {
        CPage* page = m_session.Pages().At(i);
        if (page && !page->IsBlank() &&
            (page->boxWidth != box.width() || page->boxHeight != box.height()))
            page->BuildThumb(nullptr, box.width(), box.height());
    }
    ShowPage(m_strip->Selected());
    m_strip->update();
}

bool CMainDlg::OnKeyDown(int key) {
    if (key == Qt::Key_Left) {
        m_strip->SelectPrevious();
        return true;
    }
    if (key == Qt::Key_Right) {
        m_strip->SelectNext();
        return true;
    }
    return CDialog::OnKeyDown(key);
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right)
            return OnKeyDown(key);
    }
    return CDialog::eventFilter(watched, event);
}

void CMainDlg::OnPaint(QPainter& p) {
    CDialog::OnPaint(p);
    if (!m_layoutReady)
        return;
    // Right panel: logo, product name, short version. On a turned device the panel is short;
    // what does not fit is left out rather than drawn under the strip.
    const int bottom = m_panel.top() + m_panel.height();
    int y = m_panel.top() + ScalePixels(4);
    const QSize logo = SkinImageSize(m_logo);
    if (m_logo && y + logo.height() <= bottom) {
        const QRect logoRect(QPoint(m_panel.left() + (m_panel.width() - logo.width()) / 2, y),
                             logo);
        SkinDrawImage(p, m_logo, logoRect.x(), logoRect.y());
        SetPictureDescription(ids::IDB_LOGO, logoRect,
                              LoadFormatted(ids::IDS_LOGO_PICTURE, ProductName()));
        y += logo.height();
    } else {
        SetPictureDescription(ids::IDB_LOGO, {}, {});
    }
    p.setPen(Qt::black);
    QRect line(m_panel.left(), y + ScalePixels(1), m_panel.width(), ScalePixels(12));
    const struct {
        EFontKind fontKind;
        QString text;
    } lines[] = {{kFontMessageBody, ProductName()},
                 {kFontStatus, LoadFormatted(ids::IDS_MAIN_VERSION_SHORT, VersionShort())}};
    for (const auto& l : lines) {
        if (line.top() + line.height() > bottom)
            break;
        if (const QFont* f = GetFont(GetFontCode(l.fontKind)))
            p.setFont(*f);
        p.drawText(line, Qt::AlignCenter | Qt::TextSingleLine, l.text);
        line.translate(0, ScalePixels(12) + ScalePixels(1));
    }
}

// The session's view.

// Every change of the pages and of the current page passes through here, so the record hears
// of all of them.

int CMainDlg::StripAdd(CPage* page) {
    RecordChange();
    return m_strip->Add(page);
}

void CMainDlg::StripRemoveSelected() {
    m_strip->RemoveSelected();
    // The page is out of the list and about to be destroyed, its file with it when it owns
    // one: the record lets go of it first.
    if (m_recorder)
        m_recorder->WriteNow(true);
}

void CMainDlg::StripSwap(int a, int b) {
    RecordChange();
    m_strip->Swap(a, b);
}

void CMainDlg::StripMove(int from, int to) {
    RecordChange();
    m_strip->Move(from, to);
}

void CMainDlg::StripSelect(int index) {
    RecordChange();
    m_strip->Select(index);
    ShowPage(m_strip->Selected());
    m_strip->update();
}

void CMainDlg::StripClear() {
    m_strip->Clear(false);
}

void CMainDlg::OnSessionClearing() {
    // Every page is about to go, with the files they own: an empty session has no record.
    if (m_recorder)
        m_recorder->Forget();
}

int CMainDlg::StripSelected() const {
    return m_strip->Selected();
}

void CMainDlg::PreviewShow(CPage* page, int number) {
    m_previewControl->SetPage(page, number, m_strip->Count());
}

void CMainDlg::OnFirstPage(CPage* page) {
    FitStrip(page);
}

void CMainDlg::OnSessionCleared() {
    m_portrait = true;
}

void CMainDlg::Redraw() {
    m_strip->update();
    m_previewControl->update();
    update();
}

void CMainDlg::OnFrameSelected(int index) {
    RecordChange();
    ShowPage(index);
}

void CMainDlg::ShowPage(int index) {
    CPage* page = m_session.Pages().At(index);
    m_previewControl->SetPage(page, page ? index + 1 : 0, m_strip->Count());
}

// Commands.

bool CMainDlg::CanScan() const {
    return m_camera || ScansFromScanner(AppSettings());
}

void CMainDlg::Scan() {
    if (!CanScan())
        return;
    // The device window's screen stack brings this screen back to the front when the camera
    // screen ends.
    ScanNewPage(this, m_session);
    RefreshControls();
}

void CMainDlg::Edit() {
    const int index = m_session.CurrentIndex();
    CPage* page = m_session.CurrentPage();
    // A blank page has no picture to edit.
    if (page && !page->IsBlank()) {
        if (EditPage(this, m_session, index))
            page->RebuildThumb(nullptr);
        // Even a cancelled edit may have given the page a new thumbnail (its own upright copy).
        ShowPage(index);
        m_strip->update();
        // An accepted edit, or an upright copy the page now owns.
        RecordChange();
    }
    RefreshControls();
}

void CMainDlg::Exit() {
    // A session file that cannot be written keeps the screen open with its pages.
    if (const CFileError error = m_session.SaveSession()) {
        PlatformMessageBox(error.Message(), ProductName());
        return;
    }
    // A clean end leaves no record.
    if (m_recorder)
        m_recorder->Discard();
    EndDialog(IDOK);
}

void CMainDlg::OnCancel() {
    if (m_recorder)
        m_recorder->Discard();
    EndDialog(IDCANCEL);
}

void CMainDlg::AskOwner(int frameCommand) {
    if (Owner())
        Owner()->PostMessage(ids::WM_FRAME_COMMAND, frameCommand);
}
