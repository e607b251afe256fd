#pragma once

// The Create-PDF flow over a screen: the "PDF setup" screen, the job with the progress
// screen, the result messages, the actions prompt (unless silenced as box number 2) and the
// new-session question.

#include "pdf/PdfJob.h"
#include "pdf/screens/PdfJobScreenDelegate.h"

#include <vector>

struct CAppSettings;
class CScreen;

// The "don't show again" number of the actions prompt.
inline constexpr int kPdfActionsBox = 2;

struct CCreatePdfOutcome {
    bool written = false;    // a PDF was written whole
    bool newSession = false; // the user asked for a new session afterwards
    QString path;
};

// Makes the PDF of `pages` to options.outputPath with the progress screen over `owner`, then
// removes the screen. A library error has been shown when the result says so.
CPdfJobResult MakePdfWithProgress(CScreen* owner, const std::vector<CPdfJobPage>& pages,
                                  const CPdfJobOptions& options,
                                  CPdfJobScreenDelegate::CStageObserver observer = {});

// The whole flow; nothing happens without pages. The session is not touched here: the
// caller starts the new session when the outcome asks for it.
CCreatePdfOutcome RunCreatePdf(CScreen* owner, const std::vector<CPdfJobPage>& pages,
                               CAppSettings& settings,
                               CPdfJobScreenDelegate::CStageObserver observer = {});
