#include "screens/PdfCommands.h"

#include "app/AppSettings.h"
#include "pdf/screens/CreatePdfFlow.h"
#include "screens/PdfLibraryDlg.h"
#include "session/Session.h"

bool CreatePdf(CScreen* owner, CSession& session) {
    const CCreatePdfOutcome outcome =
        RunCreatePdf(owner, CPdfJob::PagesOf(session.Pages()), AppSettings());
    // The answer to the last question of the flow: no confirmation of its own here.
    if (outcome.newSession)
        session.ClearSession();
    return outcome.written;
}

void ShowPdfLibrary(CScreen* owner) {
    CPdfLibraryDialog library(owner);
    library.SetInitialFolder(AppSettings().lastSaveFolder);
    library.DoModal();
}
