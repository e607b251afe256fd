#pragma once

// The PDF job on a terminal: a progress bar for adding pages and for saving (only when the
// stream is a terminal), and a line on `err` for every picture skipped, left blank or
// refused, as it happens.

#include "commands/TerminalProgress.h"
#include "pdf/PdfJobDelegate.h"

#include <QTextStream>

class CPdfTerminalDelegate : public CPdfJobDelegate {
public:
    CPdfTerminalDelegate(CTerminalProgress& bar, QTextStream& err) : m_bar(bar), m_err(err) {}

    void OnStage(EPdfJobStage stage, int page, int pageCount) override;
    void OnPageNote(const CPdfPageNote& note) override;
    void OnObjectWritten(int written, int objectCount) override;
    void OnLibraryError(const CPdfLibraryError& error) override;

    int Notes() const { return m_notes; }

private:
    CTerminalProgress& m_bar;
    QTextStream& m_err;
    int m_notes = 0;
    bool m_hasLibraryError = false;
    CPdfLibraryError m_libraryError;
};
