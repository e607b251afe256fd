#include "screens/ImageEditDlg.h"

#include "imaging/PageReplace.h"
#include "resources/ResourceIds.h"
#include "screens/ImageView.h"
#include "screens/StraightenDlg.h"
#include "text/Strings.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/QuestionBox.h"

#include <QCoreApplication>

CImageEditDlg::CImageEditDlg(CScreen* owner, bool backupEditFile)
    : CDialog(ids::IDD_EDITOR, owner), m_view(new CImageView), m_backup(backupEditFile) {
    using namespace ids;
    setWindowTitle(LoadRawString(IDS_EDITOR_TITLE));
    AttachControl(IDC_IMAGE_VIEW, m_view);
    m_view->show();
    // Keys reach the view whenever the screen gets the focus (also back from a question).
    setFocusProxy(m_view);
    OnCommandId(ID_ZOOM_200, [this] { Zoom(200); });
    OnCommandId(ID_ZOOM_100, [this] { Zoom(100); });
    OnCommandId(ID_ZOOM_50, [this] { Zoom(50); });
    OnCommandId(ID_ZOOM_FIT, [this] {
        if (!m_busy)
            m_view->SetFit();
    });
    OnCommandId(ID_CROP_IMAGE, [this] { Crop(); });
    OnCommandId(ID_STRAIGHTEN, [this] { Straighten(); });
    OnCommandId(ID_LOOK_ORIGINAL, [this] { ApplyLook(ELook::Original); });
    OnCommandId(ID_LOOK_GREY, [this] { ApplyLook(ELook::Grey); });
    OnCommandId(ID_LOOK_BLACK_WHITE, [this] { ApplyLook(ELook::BlackAndWhite); });
    OnCommandId(ID_LOOK_COLOUR, [this] { ApplyLook(ELook::ColourDocument); });
    OnCommandId(ID_ROTATE_180, [this] { Turn(180); });
    OnCommandId(ID_ROTATE_90_CW, [this] { Turn(270); });
    OnCommandId(ID_ROTATE_90_CCW, [this] { Turn(90); });
    OnCommandId(ID_FLIP_VERTICAL, [this] { Mirror(false, true); });
    OnCommandId(ID_FLIP_HORIZONTAL, [this] { Mirror(true, false); });
    OnCommandId(ID_ACTION_OK, [this] { Accept(); });
    OnCommandId(ID_ACTION_CANCEL, [this] { OnCancel(); });
    OnCommandId(ID_ACTION_UNDO, [this] { Undo(); });
    SetMenuBarId(IDR_MENU_EDITOR_5);
    UpdateUndoItem();
}

CImageEditDlg::~CImageEditDlg() = default;

bool CImageEditDlg::LoadPicture(const QString& pagePath) {
    const bool loaded = m_view->LoadPicture(pagePath);
    UpdateUndoItem();
    return loaded;
}

void CImageEditDlg::OnInitDialog() {
    UpdateUndoItem();
    m_view->setFocus(Qt::OtherFocusReason);
}

void CImageEditDlg::Layout() {
    // The view covers the whole screen whatever the template says.
    m_view->setGeometry(rect());
}

void CImageEditDlg::UpdateUndoItem() {
    EnableMenuItem(ids::ID_ACTION_UNDO, m_view->UndoAvailable());
    UpdateLookItems();
}

void CImageEditDlg::UpdateLookItems() {
    const ELook look = m_view->CurrentLook();
    CheckMenuItem(ids::ID_LOOK_ORIGINAL, look == ELook::Original);
    CheckMenuItem(ids::ID_LOOK_GREY, look == ELook::Grey);
    CheckMenuItem(ids::ID_LOOK_BLACK_WHITE, look == ELook::BlackAndWhite);
    CheckMenuItem(ids::ID_LOOK_COLOUR, look == ELook::ColourDocument);
}

int CImageEditDlg::ShowBox(CQuestionBox::EKind kind, std::uint16_t caption, std::uint16_t heading,
                           const QString& body, std::uint32_t picture) {
    CQuestionBox box(this);
    box.SetKind(kind);
    box.SetTitles(LoadFormatted(caption), LoadFormatted(heading));
    box.SetBody(body);
    box.SetPictures(picture);
    return box.Show();
}

bool CImageEditDlg::RunBusy(const std::function<bool()>& operation) {
    m_busy = true;
    BeginWait();
    EnableSoftKey(true, false);
    EnableSoftKey(false, false);
    repaint();
    // Paints only: a tap or key press waits until the operation is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const bool result = operation();
    EndWait();
    EnableSoftKey(true, true);
    EnableSoftKey(false, true);
    m_busy = false;
    UpdateUndoItem();
    return result;
}

void CImageEditDlg::Zoom(int percent) {
    if (m_busy)
        return;
    m_view->SetZoom(percent);
    m_view->viewport()->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CImageEditDlg::Turn(int angle) {
    if (m_busy || !m_view->HasPicture())
        return;
    const bool thin = m_view->PictureWidth() == 1 || m_view->PictureHeight() == 1;
    if (RunBusy([&] { return m_view->Rotate(angle); })) {
        ++m_modificationCount;
        return;
    }
    // A picture one pixel wide has nothing to turn; anything else failed for lack of memory.
    if (!thin)
        ShowBox(CQuestionBox::kClose, ids::IDS_ERROR_1093, ids::IDS_CRITICAL_ERROR,
                LoadFormatted(ids::IDS_OUT_MEMORY_COMPLETE_OPERATION), ids::IDB_MSG_ERROR);
}

void CImageEditDlg::Mirror(bool mirrorX, bool mirrorY) {
    if (m_busy || !m_view->HasPicture())
        return;
    if (RunBusy([&] { return m_view->Flip(mirrorX, mirrorY); })) {
        ++m_modificationCount;
        return;
    }
    ShowBox(CQuestionBox::kClose, ids::IDS_ERROR_1093, ids::IDS_CRITICAL_ERROR,
            LoadFormatted(ids::IDS_OUT_MEMORY_COMPLETE_OPERATION), ids::IDB_MSG_ERROR);
}

void CImageEditDlg::Crop() {
    if (m_busy)
        return;
    if (ShowBox(CQuestionBox::kNoYes, ids::IDS_QUESTION_1145, ids::IDS_CROP_IMAGE,
                LoadFormatted(ids::IDS_ARE_SURE_WISH_CROP), ids::IDB_MSG_ATTENTION) != kResultOk)
        return;
    // No frame, a frame too small or outside the picture: nothing happens.
    if (RunBusy([this] { return m_view->CropToSelection(); }))
        ++m_modificationCount;
}

void CImageEditDlg::Straighten() {
    if (m_busy || !m_view->HasPicture())
        return;
    CPageCorners corners;
    RunBusy([&] {
        corners = m_view->FindSheetCorners();
        return true;
    });
    CStraightenDlg handles(this);
    handles.SetPicture(m_view->DisplayImage(), corners);
    if (handles.DoModal() != IDOK)
        return;
    const CPageCorners chosen = handles.Corners();
    // Corners that cross or cover the whole picture straighten nothing.
    if (RunBusy([&] { return m_view->Straighten(chosen); }))
        ++m_modificationCount;
}

void CImageEditDlg::ApplyLook(ELook look) {
    if (m_busy || !m_view->HasPicture() || look == m_view->CurrentLook())
        return;
    const bool wasOriginal = m_view->CurrentLook() == ELook::Original;
    if (!RunBusy([&] { return m_view->Enhance(look); }))
        return;
    // A run of looks is one change; taking the look back to the original ends it.
    if (wasOriginal)
        ++m_modificationCount;
    else if (look == ELook::Original)
        --m_modificationCount;
}

void CImageEditDlg::Undo() {
    if (m_busy || !m_view->UndoAvailable())
        return;
    m_view->UndoLastChange();
    --m_modificationCount;
    UpdateUndoItem();
}

void CImageEditDlg::OnOK() {
    Accept();
}

void CImageEditDlg::Accept() {
    if (m_busy)
        return;
    if (!m_view->HasPicture()) {
        // Nothing was shown, so nothing may replace the page file (the undo file may hold
        // an older picture).
        EndDialog(IDCANCEL);
        return;
    }
    const QString page = m_view->SourcePath();
    BeginWait();
    const bool written = m_view->WriteResult();
    // The undo file now holds the result (or a broken write), not the picture before the
    // last change.
    m_view->ForgetUndo();
    QString error;
    const bool replaced = written && ReplacePageFile(m_view->UndoPath(), page, m_backup, &error);
    EndWait();
    UpdateUndoItem();
    if (!written) {
        ShowBox(CQuestionBox::kClose, ids::IDS_ERROR_1114, ids::IDS_ERROR_SAVING_IMAGE,
                LoadFormatted(ids::IDS_SAVE_MODIFIED_IMAGE_FILE), ids::IDB_MSG_ERROR);
        return;
    }
    if (!replaced) {
        ShowBox(CQuestionBox::kClose, ids::IDS_ERROR_1135, ids::IDS_FILE_SAVED,
                LoadFormatted(ids::IDS_SAVE_FILE_CHECK_FILE, page), ids::IDB_MSG_ERROR);
        return;
    }
    m_view->ResetPicture(false);
    EndDialog(IDOK);
}

void CImageEditDlg::OnCancel() {
    if (m_busy)
        return;
    if (m_modificationCount > 0 &&
        ShowBox(CQuestionBox::kNoYes, ids::IDS_QUESTION_1148, ids::IDS_DISCARD_CHANGES,
                LoadFormatted(ids::IDS_HAVE_MODIFIED_SOURCE_IMAGE),
                ids::IDB_MSG_ATTENTION) != kResultOk)
        return;
    EndDialog(IDCANCEL);
}
