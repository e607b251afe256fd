#include "screens/EditCommand.h"

#include "app/AppSettings.h"
#include "resources/ResourceIds.h"
#include "screens/ImageEditDlg.h"
#include "session/PageFactory.h"
#include "session/Session.h"
#include "text/Strings.h"
#include "ui/toolkit/QuestionBox.h"

bool EditPage(CScreen* owner, CSession& session, int index) {
    CPage* page = session.Pages().At(index);
    if (!page || page->IsBlank())
        return false;
    // An auto-portrait page shows the user's landscape picture turned; the editor works on
    // an upright copy of its own, so the user's picture is never changed.
    const bool wasTurned = page->turnCcw;
    if (!MakePageFileOwn(*page)) {
        CQuestionBox box(owner);
        box.SetKind(CQuestionBox::kClose);
        box.SetTitles(LoadFormatted(ids::IDS_ERROR_1114),
                      LoadFormatted(ids::IDS_ERROR_SAVING_IMAGE));
        box.SetBody(LoadFormatted(ids::IDS_SAVE_MODIFIED_IMAGE_FILE));
        box.SetPictures(ids::IDB_MSG_ERROR);
        box.Show();
        return false;
    }
    // A backup of such a copy would outlive the page beside the user's pictures, and the
    // picture itself already is the state before the edit.
    const bool backup = AppSettings().backupEditFile != 0 && !page->isTemporaryCopy;
    CImageEditDlg editor(owner, backup);
    editor.LoadPicture(page->path);
    const bool accepted = editor.DoModal() == IDOK;
    // The page now draws its copy upright instead of its picture turned.
    if (wasTurned && !accepted)
        page->RebuildThumb(nullptr);
    return accepted;
}
