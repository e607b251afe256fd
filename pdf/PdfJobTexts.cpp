#include "pdf/PdfJobTexts.h"

#include "resources/ids/StringIds.h"
#include "text/Strings.h"

QString PdfJobStepText(int step, int totalSteps) {
    return LoadFormatted(ids::IDS_STEP, step, totalSteps);
}

QString PdfJobStageText(EPdfJobStage stage, int page, int pageCount) {
    switch (stage) {
    case EPdfJobStage::Preparing: return LoadFormatted(ids::IDS_PREPARING_PDF_DOCUMENT);
    case EPdfJobStage::ImportingImages: return LoadFormatted(ids::IDS_IMPORTING_IMAGES);
    case EPdfJobStage::AddingPage: return LoadFormatted(ids::IDS_ADDING_PAGE, page, pageCount);
    case EPdfJobStage::RecognisingText:
        return LoadFormatted(ids::IDS_RECOGNISING_TEXT, page, pageCount);
    case EPdfJobStage::Saving: return LoadFormatted(ids::IDS_SAVING_PDF_DOCUMENT);
    }
    return {};
}
