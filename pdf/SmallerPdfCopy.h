#pragma once

// A smaller copy of a PDF for sending by mail: every JPEG picture the PDF holds is scaled to
// about 150 pixels per inch of the place it takes on its page and stored again as an
// optimised JPEG, as the "Smaller, for e-mail" picture quality makes it. Everything else
// (pages, their geometry, text layers, the document's information) is copied byte for byte.
// The copy is made from the PDF itself, so it serves a PDF just made and one from the library
// alike; only the plain structure the program's builder writes is read (one cross-reference
// table, no object streams, no encryption, no incremental updates), other PDFs are refused.
// Headless: no screen and no messages, the result says what happened.

#include <QString>

enum class ESmallerCopyFailure {
    None,
    Cancelled,       // the delegate asked to stop; no copy was written
    Unreadable,      // the PDF could not be read (detail says why)
    NotOurPdf,       // a structure the builder does not write
    NothingToReduce, // no picture could be made smaller
    WriteFailed,     // the copy could not be written (detail says why)
};

struct CSmallerCopyResult {
    ESmallerCopyFailure failure = ESmallerCopyFailure::None;
    QString detail;         // the system's reason for Unreadable and WriteFailed
    qint64 sourceBytes = 0; // the PDF's size
    qint64 copyBytes = 0;   // the copy's size, when written
    int pictures = 0;       // JPEG pictures found
    int reduced = 0;        // pictures stored smaller
    bool Done() const { return failure == ESmallerCopyFailure::None; }
};

class CSmallerCopyDelegate {
public:
    virtual ~CSmallerCopyDelegate() = default;
    // Before picture `index` (from 1) of `count` is made smaller.
    virtual void OnPicture(int /*index*/, int /*count*/) {}
    // Asked before every picture and before the copy is written; true stops with no copy.
    virtual bool IsCancelled() { return false; }
};

// Writes the smaller copy of `source` to `target` (replaced only by a whole file; `source` is
// only read). No file is written unless the result is Done.
CSmallerCopyResult MakeSmallerPdfCopy(const QString& source, const QString& target,
                                      CSmallerCopyDelegate& delegate);
