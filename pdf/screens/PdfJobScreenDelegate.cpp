#include "pdf/screens/PdfJobScreenDelegate.h"

#include "pdf/PdfJobResult.h"
#include "pdf/PdfJobTexts.h"
#include "pdf/screens/ProgressDialog.h"
#include "resources/ResourceIds.h"
#include "text/Strings.h"
#include "ui/toolkit/QuestionBox.h"

#include <algorithm>

CPdfJobScreenDelegate::CPdfJobScreenDelegate(CProgressDialog* progress, CScreen* owner)
    : m_progress(progress), m_owner(owner) {}

void CPdfJobScreenDelegate::OnStep(int step, int totalSteps) {
    m_lastStep = step;
    m_highestStep = std::max(m_highestStep, step);
    if (!m_progress)
        return;
    m_progress->SetStepText(PdfJobStepText(step, totalSteps));
    m_progress->SetPosition(step, totalSteps);
}

void CPdfJobScreenDelegate::OnStage(EPdfJobStage stage, int page, int pageCount) {
    if (!m_progress)
        return;
    m_progress->SetStatusText(PdfJobStageText(stage, page, pageCount));
    if (m_observer)
        m_observer(*m_progress, stage, page);
}

void CPdfJobScreenDelegate::OnObjectWritten(int, int) {
    ++m_objects;
}

void CPdfJobScreenDelegate::OnLibraryError(const CPdfLibraryError& error) {
    // One message per job: later errors follow from the first.
    if (m_errorShown)
        return;
    m_errorShown = true;
    ShowPdfLibraryError(m_progress ? static_cast<CScreen*>(m_progress) : m_owner,
                        PdfLibraryErrorText(error));
}

bool CPdfJobScreenDelegate::IsCancelled() {
    return m_progress && m_progress->IsCancelled();
}

void ShowPdfLibraryError(CScreen* owner, const QString& reason) {
    using namespace ids;
    CQuestionBox box(owner);
    box.SetKind(CQuestionBox::kClose);
    box.SetPictures(IDB_MSG_ERROR);
    box.SetTitles(LoadFormatted(IDS_ERROR_1093), LoadFormatted(IDS_CRITICAL_ERROR));
    box.SetBody(LoadFormatted(IDS_PDF_LIBRARY_ERROR, reason));
    box.Show();
}
