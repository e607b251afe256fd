#pragma once

// The one receiver of a PDF creation job's progress: the Create-PDF progress screen, or the
// terminal for "quillmark pdf". Every call comes on the job's thread, in this order: the
// Preparing stage at step 1, the ImportingImages stage, then per page its step and the
// AddingPage stage (and any note about it), then the Saving stage with its step and one
// OnObjectWritten (and one step) per PDF object written. The pictures go into the file while
// their pages are added: the save starts with a step over them, and its first written counts
// them. Steps count 1 .. 6 x N + 4 for N
// input pages (7 x N + 4 with recognition, whose stage and step per picture come before the
// save) and never exceed that.

#include "pdf/PdfJobResult.h"

enum class EPdfJobStage {
    Preparing,       // "Preparing the PDF document..."
    ImportingImages, // "Importing images..."
    AddingPage,      // "Adding page %d of %d..." with page (from 1) and pageCount
    // "Recognising text on page %d of %d...", after the pages are added, when the job
    // recognises text; page and pageCount count the pages with pictures
    RecognisingText,
    Saving, // "Saving the PDF document..."
};

class CPdfJobDelegate {
public:
    virtual ~CPdfJobDelegate() = default;

    virtual void OnStep(int /*step*/, int /*totalSteps*/) {}
    virtual void OnStage(EPdfJobStage /*stage*/, int /*page*/, int /*pageCount*/) {}
    // A page was skipped, left blank, or refused by the library; also in the result.
    virtual void OnPageNote(const CPdfPageNote& /*note*/) {}
    // During the save, right after each object: `written` of `objectCount` objects.
    virtual void OnObjectWritten(int /*written*/, int /*objectCount*/) {}
    // The first library error, from inside the library call that failed (a screen shows its
    // question box here); also in the result.
    virtual void OnLibraryError(const CPdfLibraryError& /*error*/) {}
    // Asked before every page and before the save; true stops the job with no file written.
    virtual bool IsCancelled() { return false; }
};
