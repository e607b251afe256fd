#include "commands/PdfTerminalDelegate.h"

#include "imaging/PictureFile.h"
#include "text/Catalogue.h"

#include <cstring>

namespace {

QString Why(EPdfPageIssue issue) {
    switch (issue) {
    case EPdfPageIssue::NoSuchFile: return TranslateText("PdfCommand", "skipped: no such file");
    case EPdfPageIssue::NotAFile: return TranslateText("PdfCommand", "skipped: not a file");
    case EPdfPageIssue::NotAPicture:
        return TranslateText("PdfCommand", "skipped: not a picture that can be read");
    case EPdfPageIssue::Unreadable:
        return TranslateText("PdfCommand", "skipped: cannot be opened: ");
    case EPdfPageIssue::TooLarge:
        return TranslateText("PdfCommand",
                             "skipped: more than %1 million pixels, larger than any camera's "
                             "picture")
            .arg(kMaxPicturePixels / 1000000);
    case EPdfPageIssue::TypeNotDrawn:
        return TranslateText(
            "PdfCommand", "only JPEG, PNG, BMP, TIFF, GIF, WebP and HEIF pictures are drawn; its "
                          "page is blank");
    case EPdfPageIssue::NotDecoded:
        return TranslateText("PdfCommand", "could not be decoded; its page is blank");
    case EPdfPageIssue::LibraryRefused:
        return TranslateText("PdfCommand", "the PDF library could not take it: ");
    case EPdfPageIssue::NoTextLayer: return TranslateText("PdfCommand", "no text layer: ");
    case EPdfPageIssue::PageNotDecoded:
        return TranslateText("PdfCommand", "page %1 was left out: it could not be decoded");
    case EPdfPageIssue::PageNotWritten:
        return TranslateText("PdfCommand",
                             "page %1 was left out: its copy cannot be written beside the "
                             "picture (is the folder read-only or full?)");
    }
    return {};
}

QString WhyNoText(EOcrFailure failure) {
    switch (failure) {
    case EOcrFailure::NotInstalled:
        return TranslateText("PdfCommand", "text recognition is not installed");
    case EOcrFailure::NoLanguage:
        return TranslateText("PdfCommand", "the language's data is not installed");
    case EOcrFailure::NotDecoded:
        return TranslateText("PdfCommand", "the picture could not be decoded");
    case EOcrFailure::EngineFailed:
    case EOcrFailure::None: break;
    }
    return TranslateText("PdfCommand", "recognition failed");
}

} // namespace

void CPdfTerminalDelegate::OnStage(EPdfJobStage stage, int page, int pageCount) {
    if (stage == EPdfJobStage::AddingPage) {
        m_bar.Show(TranslateText("PdfCommand", "Adding pages"), page - 1, pageCount);
    } else if (stage == EPdfJobStage::RecognisingText) {
        m_bar.Show(TranslateText("PdfCommand", "Recognising text"), page - 1, pageCount);
    } else if (stage == EPdfJobStage::Saving) {
        m_bar.Show(TranslateText("PdfCommand", "Adding pages"), pageCount, pageCount);
        m_bar.Finish();
    }
}

void CPdfTerminalDelegate::OnPageNote(const CPdfPageNote& note) {
    m_bar.Finish();
    QString why = Why(note.issue);
    if (note.issue == EPdfPageIssue::PageNotDecoded || note.issue == EPdfPageIssue::PageNotWritten)
        why = why.arg(note.page);
    if (note.issue == EPdfPageIssue::LibraryRefused)
        why += m_hasLibraryError ? PdfLibraryErrorText(m_libraryError)
                                 : TranslateText("PdfCommand", "out of memory");
    if (note.issue == EPdfPageIssue::NoTextLayer)
        why += WhyNoText(note.textFailure);
    if (note.issue == EPdfPageIssue::Unreadable)
        why += QString::fromLocal8Bit(std::strerror(note.systemError));
    m_err << "quillmark pdf: " << note.path << ": " << why << Qt::endl;
    ++m_notes;
}

void CPdfTerminalDelegate::OnObjectWritten(int written, int objectCount) {
    m_bar.Show(TranslateText("PdfCommand", "Saving"), written, objectCount);
}

void CPdfTerminalDelegate::OnLibraryError(const CPdfLibraryError& error) {
    m_hasLibraryError = true;
    m_libraryError = error;
}
