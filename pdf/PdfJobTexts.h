#pragma once

// The progress texts of the PDF creation job, for the screen that shows them: the step label
// and the status line of each stage.

#include "pdf/PdfJobDelegate.h"

#include <QString>

// "Step %d of %d..."
QString PdfJobStepText(int step, int totalSteps);
// "Preparing the PDF document...", "Importing images...", "Adding page %d of %d..." (page
// from 1) or "Saving the PDF document...".
QString PdfJobStageText(EPdfJobStage stage, int page, int pageCount);
