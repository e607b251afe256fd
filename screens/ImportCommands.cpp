#include "screens/ImportCommands.h"

#include "app/AppSettings.h"
#include "browser/screens/PickerDialog.h"
#include "resources/ResourceIds.h"
#include "screens/SettingsPageDlg.h"
#include "session/PictureImport.h"
#include "session/Session.h"
#include "text/Strings.h"
#include "ui/device/MessagePump.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/QuestionBox.h"

#include <QDir>
#include <QFileInfo>

namespace {

using namespace ids;

// Lets the screen breathe every so many files while a large folder is searched.
constexpr int kFilesBetweenPumps = 64;

// An import started from the menu while another one still adds pages would interleave both.
bool g_importRunning = false;

class CImportGuard {
public:
    CImportGuard() : m_acquired(!g_importRunning) { g_importRunning = true; }
    ~CImportGuard() {
        if (m_acquired)
            g_importRunning = false;
    }
    bool Acquired() const { return m_acquired; }

private:
    bool m_acquired;
};

void ShowImportFailure(CScreen* owner, const QString& names) {
    CQuestionBox box(owner);
    box.SetKind(CQuestionBox::kClose);
    box.SetPictures(IDB_MSG_ERROR);
    box.SetTitles(LoadFormatted(IDS_ERROR_1192), LoadFormatted(IDS_IMPORT_IMAGE));
    box.SetBody(LoadFormatted(IDS_ERROR_IMPORTING_IMAGE_FILE, names));
    box.Show();
}

// Multi-page pictures of which some pages came in and others did not, one notice for each
// reason; the pages that came in stay.
void ShowIncompleteImport(CScreen* owner, const QStringList& notWritten,
                          const QStringList& notRead) {
    const auto show = [owner](const QStringList& names, bool whyNotWritten) {
        if (names.isEmpty())
            return;
        CQuestionBox box(owner);
        PrepareIncompleteImportNotice(box, names, whyNotWritten);
        box.Show();
    };
    show(notWritten, true);
    show(notRead, false);
}

// Sorts the outcome of one file's import into the lists the user is told about.
bool NoteImport(EFileImport outcome, const QString& name, QStringList& failed,
                QStringList& notWritten, QStringList& notRead) {
    switch (outcome) {
    case EFileImport::Whole: return true;
    case EFileImport::NotAPicture: failed << name; return false;
    case EFileImport::PagesNotWritten: notWritten << name; return true;
    case EFileImport::PagesNotDecoded: notRead << name; return true;
    }
    return false;
}

void SetPickerTitles(CPickerDialog& picker) {
    picker.SetTitles(LoadFormatted(IDS_IMPORT_FILE), LoadFormatted(IDS_SELECT_FILE_IMPORT));
    picker.SetInitialFolder(AppSettings().lastImportFolder);
}

class CScreenImportDelegate : public CFolderImportDelegate {
public:
    CScreenImportDelegate(CScreen* owner, const CImportBusy& busy) : m_owner(owner), m_busy(busy) {}

    void SearchBusy(bool busy) override {
        if (busy) {
            if (m_busy)
                m_busy(true);
            BeginWait();
        } else {
            EndWait();
            if (m_busy)
                m_busy(false);
        }
    }
    void FileFound(int count) override {
        if (count % kFilesBetweenPumps == 0)
            PumpMessages(1);
    }
    bool AskOrder(std::uint32_t& order) override {
        CSettingsPageDlg prompt(ID_SETTINGS_IMPORT, AppSettings(), m_owner);
        if (prompt.Show() != IDOK)
            return false;
        order = AppSettings().pictureImportOrder;
        return true;
    }
    void PictureDone(int, int) override {
        // Each page shows up in the strip while the import runs.
        if (m_owner)
            m_owner->repaint();
        PumpMessages(1);
    }

private:
    CScreen* m_owner;
    const CImportBusy& m_busy;
};

} // namespace

void PrepareIncompleteImportNotice(CQuestionBox& box, const QStringList& names, bool notWritten) {
    box.SetKind(CQuestionBox::kClose);
    box.SetPictures(IDB_MSG_ATTENTION);
    box.SetTitles(LoadFormatted(IDS_IMPORT_FILE), LoadFormatted(IDS_RESTORE_PAGES_MISSING));
    box.SetBody(LoadFormatted(notWritten ? IDS_IMPORT_PAGES_NOT_WRITTEN : IDS_IMPORT_PAGES_NOT_READ,
                              names.join(QStringLiteral("\r\n"))));
}

bool ImportFromFile(CScreen* owner, CSession& session) {
    CImportGuard guard;
    if (!guard.Acquired())
        return false;
    CPickerDialog picker(CPickerDialog::kPickFile, owner);
    SetPickerTitles(picker);
    // The file picker offers no "*.jpeg": the first mask of the folder import is left out.
    picker.SetFilter(QString::fromLatin1(kPictureMasks[1]));
    for (std::size_t i = 2; i < kPictureMasks.size(); ++i)
        picker.AddFilter(QString::fromLatin1(kPictureMasks[i]));
    if (picker.Show() != IDOK)
        return false;
    const QString file = picker.GetSelectedFile();
    QStringList failed, notWritten, notRead;
    const bool added = NoteImport(ImportPictureFile(session, AppSettings(), file),
                                  QFileInfo(file).fileName(), failed, notWritten, notRead);
    // The user picked this one file; saying nothing would look as if it had worked.
    if (!failed.isEmpty())
        ShowImportFailure(owner, failed.first());
    ShowIncompleteImport(owner, notWritten, notRead);
    return added;
}

int ImportPictureFiles(CScreen* owner, CSession& session, const QStringList& files) {
    CImportGuard guard;
    if (!guard.Acquired())
        return 0;
    // A multi-page picture adds several pages.
    const int before = session.PageCount();
    QStringList failed, notWritten, notRead;
    for (const QString& file : files)
        NoteImport(ImportPictureFile(session, AppSettings(), file), QFileInfo(file).fileName(),
                   failed, notWritten, notRead);
    if (!failed.isEmpty())
        ShowImportFailure(owner, failed.join(QStringLiteral(", ")));
    ShowIncompleteImport(owner, notWritten, notRead);
    return session.PageCount() - before;
}

bool ImportFromFolder(CScreen* owner, CSession& session, const CImportBusy& busy) {
    CImportGuard guard;
    if (!guard.Acquired())
        return false;
    CPickerDialog picker(CPickerDialog::kPickFolder, owner);
    SetPickerTitles(picker);
    if (picker.Show() != IDOK)
        return false;
    const QString folder = picker.GetSelectedFolder();
    CScreenImportDelegate delegate(owner, busy);
    const CFolderImportResult result =
        ImportPictureFolder(session, AppSettings(), folder, delegate);
    // Named from the chosen folder: files of the same name may lie in different subfolders.
    const QDir chosen(folder);
    QStringList notWritten, notRead;
    for (const QString& path : result.incomplete)
        (result.notWritten.contains(path) ? notWritten : notRead) << chosen.relativeFilePath(path);
    ShowIncompleteImport(owner, notWritten, notRead);
    return result.imported > 0;
}
