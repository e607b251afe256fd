#include "screens/EditCommand.h"

#include "app/AppSettings.h"
#include "screens/ImageEditDlg.h"
#include "session/Session.h"

bool EditPage(CScreen* owner, CSession& session, int index) {
    CPage* page = session.Pages().At(index);
    if (!page || page->IsBlank())
        return false;
    // An auto-portrait page refers to its own turned copy, so the edit lands in the copy and
    // the user's picture stays as it was. A backup of that copy would outlive the page
    // beside the user's pictures, and the picture itself already is the older state.
    const bool backup = AppSettings().backupEditFile != 0 && !page->isTemporaryCopy;
    CImageEditDlg editor(owner, backup);
    editor.LoadPicture(page->path);
    return editor.DoModal() == IDOK;
}
