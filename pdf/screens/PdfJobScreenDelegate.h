#pragma once

// The PDF creation job as the progress screen shows it: the step label and bar for every
// step, the status line for every stage, the library error in a question box from inside the
// failed call, and Cancel of the screen as the job's cancel.

#include "pdf/PdfJobDelegate.h"

#include <functional>

class CProgressDialog;
class CScreen;

class CPdfJobScreenDelegate : public CPdfJobDelegate {
public:
    // Called after each stage was shown (tests and the tour look at the screen there).
    using CStageObserver = std::function<void(CProgressDialog&, EPdfJobStage, int page)>;

    // The progress screen may be null (then only the library error is shown, over `owner`).
    CPdfJobScreenDelegate(CProgressDialog* progress, CScreen* owner);

    void SetStageObserver(CStageObserver observer) { m_observer = std::move(observer); }

    void OnStep(int step, int totalSteps) override;
    void OnStage(EPdfJobStage stage, int page, int pageCount) override;
    void OnObjectWritten(int written, int objectCount) override;
    void OnLibraryError(const CPdfLibraryError& error) override;
    bool IsCancelled() override;

    bool LibraryErrorShown() const { return m_errorShown; }
    int ObjectsWritten() const { return m_objects; }
    int LastStep() const { return m_lastStep; }
    int HighestStep() const { return m_highestStep; }

private:
    CProgressDialog* m_progress;
    CScreen* m_owner;
    CStageObserver m_observer;
    bool m_errorShown = false;
    int m_objects = 0;
    int m_lastStep = 0;
    int m_highestStep = 0;
};

// The library-error message: "Critical error" with the reason in a few words.
void ShowPdfLibraryError(CScreen* owner, const QString& reason);
