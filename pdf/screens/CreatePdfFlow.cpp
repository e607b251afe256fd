#include "pdf/screens/CreatePdfFlow.h"

#include "app/AppSettings.h"
#include "pdf/screens/PdfActionsDialog.h"
#include "pdf/screens/PdfSetupDialog.h"
#include "pdf/screens/ProgressDialog.h"
#include "resources/ResourceIds.h"
#include "text/Strings.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/RememberedAnswers.h"

#include <memory>

using namespace ids;

namespace {

int Message(CScreen* owner, CQuestionBox::EKind kind, std::uint32_t picture, std::uint16_t caption,
            std::uint16_t heading, const QString& body) {
    CQuestionBox box(owner);
    box.SetKind(kind);
    box.SetPictures(picture);
    box.SetTitles(LoadFormatted(caption), LoadFormatted(heading));
    box.SetBody(body);
    return box.Show();
}

} // namespace

CPdfJobResult MakePdfWithProgress(CScreen* owner, const std::vector<CPdfJobPage>& pages,
                                  const CPdfJobOptions& options,
                                  CPdfJobScreenDelegate::CStageObserver observer) {
    auto progress = std::make_unique<CProgressDialog>(owner);
    progress->EnableCancel(true);
    progress->SetSecondBarShown(false);
    progress->SetStatusEnabled(true);
    progress->SetHeader(LoadFormatted(IDS_CREATING_PDF_DOCUMENT),
                        LoadFormatted(IDS_WAIT_WHILE_PDF_BEING), IDB_HEADER_DOCUMENT);
    progress->ShowModeless();
    progress->SetRange(100, QString());

    CPdfJobScreenDelegate delegate(progress.get(), owner);
    delegate.SetStageObserver(std::move(observer));
    CPdfJobResult result = CPdfJob(options, delegate).Run(pages);
    progress->DestroyScreen();
    progress.reset();
    // The library error was shown from inside the job; a file error the library did not see
    // (the rename over the old file, say) is shown here.
    if (result.failure == EPdfJobFailure::FileError && !delegate.LibraryErrorShown())
        ShowPdfLibraryError(owner, result.ErrorText());
    return result;
}

CCreatePdfOutcome RunCreatePdf(CScreen* owner, const std::vector<CPdfJobPage>& pages,
                               CAppSettings& settings,
                               CPdfJobScreenDelegate::CStageObserver observer) {
    CCreatePdfOutcome outcome;
    if (pages.empty())
        return outcome;
    QString output;
    {
        CPdfSetupDialog setup(settings, owner);
        if (setup.DoModal() != IDOK)
            return outcome;
        output = setup.GetOutputPath();
    }

    CPdfJobOptions options;
    options.outputPath = output;
    options.layout = CPdfPageOptions::FromSettings(settings);
    options.ocrLanguage = CPdfJobOptions::OcrLanguageOf(settings);
    options.quality = PictureQualityOf(settings);
    const CPdfJobResult result = MakePdfWithProgress(owner, pages, options, std::move(observer));

    if (!result.Done()) {
        // A failed save has shown its error; everything else ends as an abort.
        if (result.failure != EPdfJobFailure::FileError)
            Message(owner, CQuestionBox::kClose, IDB_MSG_SUCCESS, IDS_MESSAGE_1196, IDS_USER_ABORT,
                    LoadFormatted(IDS_PDF_CREATION_ABORTED));
        return outcome;
    }
    outcome.written = true;
    outcome.path = output;
    Message(owner, CQuestionBox::kClose, IDB_MSG_SUCCESS, IDS_SUCCESS,
            IDS_PDF_DOCUMENT_CREATED_SUCCESSFULLY,
            LoadFormatted(IDS_SUCCESSULLY_COMPILED_FILE_FROM, output));
    if (ReadRememberedAnswer(kPdfActionsBox) != 1) {
        CPdfActionsDialog actions(owner);
        actions.SetFile(output);
        actions.DoModal();
        if (actions.IsDontShowChecked())
            StoreRememberedAnswer(kPdfActionsBox, 1);
    }
    outcome.newSession =
        Message(owner, CQuestionBox::kNoYes, IDB_MSG_QUESTION, IDS_QUESTION_1138,
                IDS_START_NEW_SESSION_1139, LoadFormatted(IDS_WOULD_LIKE_START_NEW)) == kResultOk;
    return outcome;
}
