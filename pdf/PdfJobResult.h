#pragma once

// What a PDF creation job reports back: how it ended, how many PDF pages it wrote, why any
// page was skipped or left blank, and the library or file error that stopped it. Callers
// turn the enums into their own texts.

#include "ocr/OcrPage.h"
#include "pdf/PdfErrorSink.h"

#include <QString>

#include <vector>

enum class EPdfJobOutcome {
    Done,      // the file is written whole
    Cancelled, // stopped between pages; no file written, an older one untouched
    Failed,    // see EPdfJobFailure; no file written, an older one untouched
};

enum class EPdfJobFailure {
    None,
    NoPages,      // nothing to make a page of (no input, or every picture skipped)
    LibraryError, // the PDF library failed while pages were added (libraryError)
    // The file could not be created, written, synced or renamed: by the library's writer
    // (libraryError, a full disk say) or the file layer (systemError).
    FileError,
};

// Why a page is named in the result.
enum class EPdfPageIssue {
    NoSuchFile,     // skipped: the picture file does not exist
    NotAFile,       // skipped: the path names a folder or a device
    NotAPicture,    // skipped: no picture the decoder accepts
    Unreadable,     // skipped: the file cannot be opened (systemError says why)
    TooLarge,       // skipped: more pixels than any camera takes (kMaxPicturePixels)
    TypeNotDrawn,   // a blank PDF page: a picture of a type the PDF does not draw
    NotDecoded,     // a blank PDF page: the BMP or PNG picture could not be decoded
    LibraryRefused, // the PDF library could not take the picture; the job stopped here
    NoTextLayer,    // the picture is drawn but has no text layer: see textFailure
    // A page after the first of a multi-page picture was left out (`page` says which): it
    // could not be decoded, or its copy could not be written beside the picture (a read-only
    // folder, a full disk).
    PageNotDecoded,
    PageNotWritten,
};

struct CPdfPageNote {
    int index = 0; // in the job's input, from 0
    QString path;
    EPdfPageIssue issue = EPdfPageIssue::NotAPicture;
    // For NoTextLayer: why recognition gave nothing (the language missing, say).
    EOcrFailure textFailure = EOcrFailure::None;
    int systemError = 0; // errno, for Unreadable
    int page = 0;        // for PageNotDecoded and PageNotWritten: the picture's page, from 2
};

struct CPdfJobResult {
    EPdfJobOutcome outcome = EPdfJobOutcome::Failed;
    EPdfJobFailure failure = EPdfJobFailure::None;
    int pagesWritten = 0; // PDF pages in the written file (0 unless Done)
    std::vector<CPdfPageNote> notes;
    bool hasLibraryError = false;
    CPdfLibraryError libraryError; // the first library error, when hasLibraryError
    int systemError = 0;           // errno of a FileError
    QString fileError;             // what the file layer said about a FileError
    qint64 bytesWritten = 0;       // size of the written file

    bool Done() const { return outcome == EPdfJobOutcome::Done; }
    // Why the job failed, in a few words ("writing failed (disk full?)", "Not a directory");
    // empty unless it failed with a library or file error.
    QString ErrorText() const;
};

// The library error in a few words: what the error and detail numbers mean for a person.
QString PdfLibraryErrorText(const CPdfLibraryError& error);
