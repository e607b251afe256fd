#include "pdf/PdfJob.h"

#include "imaging/ImageType.h"
#include "ocr/OcrQueue.h"
#include "pdf/PageMaker.h"
#include "pdf/PdfBuilder.h"
#include "pdf/PictureQuality.h"
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "session/PageList.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <thread>

// One input page, ready for the builder.
struct CPdfJobInputPage {
    bool usable = true; // false: skipped with `skipped` as the reason
    EPdfPageIssue skipped = EPdfPageIssue::NotAPicture;
    int systemError = 0; // why an Unreadable file could not be opened
    QString input;       // as the caller named it, for the notes
    QString path;        // what the builder reads (an auto-portrait copy, say)
    ImageType typeCode = kImageTypeJpeg;
    bool turnCcw = false;
    int orientation = 0;          // a JPEG's EXIF orientation when read already, else 0
    std::unique_ptr<CPage> owner; // a page made from a file: its copy lives until the save ends
    CRasterPixels pixels;         // pixels prepared ahead, when `prepared`
    bool prepared = false;
    std::vector<CPdfJobInputPage> further; // the further pages of a multi-page TIFF
    CLostPages lost;                       // and those of them that could not be made
};

// Where the job takes its pages from, in order, each index once.
struct CPdfJobSource {
    virtual ~CPdfJobSource() = default;
    virtual int Count() const = 0;
    virtual CPdfJobInputPage Take(int index) = 0;
};

namespace {

class CListedPages : public CPdfJobSource {
public:
    explicit CListedPages(const std::vector<CPdfJobPage>& pages) : m_pages(pages) {}
    int Count() const override { return int(m_pages.size()); }
    CPdfJobInputPage Take(int index) override {
        CPdfJobInputPage page;
        page.path = page.input = m_pages[std::size_t(index)].path;
        page.typeCode = m_pages[std::size_t(index)].typeCode;
        page.turnCcw = m_pages[std::size_t(index)].turnCcw;
        return page;
    }

private:
    const std::vector<CPdfJobPage>& m_pages;
};

EPdfPageIssue IssueOf(EPictureProblem problem) {
    switch (problem) {
    case EPictureProblem::NoSuchFile: return EPdfPageIssue::NoSuchFile;
    case EPictureProblem::NotAFile: return EPdfPageIssue::NotAFile;
    case EPictureProblem::Unreadable: return EPdfPageIssue::Unreadable;
    case EPictureProblem::TooLarge: return EPdfPageIssue::TooLarge;
    case EPictureProblem::None:
    case EPictureProblem::NotAPicture: break;
    }
    return EPdfPageIssue::NotAPicture;
}

class CPictureFiles : public CPdfJobSource {
public:
    CPictureFiles(const QStringList& pictures, bool autoPortrait, int threads,
                  const CScanCopyOptions& scan)
        : m_pictures(pictures), m_maker(pictures, autoPortrait, threads, scan) {}
    int Count() const override { return int(m_pictures.size()); }
    CPdfJobInputPage Take(int index) override {
        CPdfJobInputPage page;
        page.input = m_pictures[index];
        CPageMaker::CMadePage made = m_maker.Take(index);
        if (!made.page) {
            page.usable = false;
            page.skipped = IssueOf(made.problem);
            if (page.skipped == EPdfPageIssue::Unreadable)
                page.systemError = platform::OpenRegularFile(page.input).error;
            return page;
        }
        Fill(page, made);
        for (CPageMaker::CMadePage& more : made.further) {
            CPdfJobInputPage next;
            next.input = page.input;
            Fill(next, more);
            page.further.push_back(std::move(next));
        }
        page.lost = std::move(made.lost);
        return page;
    }

private:
    static void Fill(CPdfJobInputPage& page, CPageMaker::CMadePage& made) {
        page.path = made.page->path;
        page.typeCode = made.page->typeCode;
        page.turnCcw = made.page->turnCcw;
        page.orientation = made.orientation;
        page.owner = std::move(made.page);
        page.pixels = std::move(made.pixels);
        page.prepared = IsPixelType(page.typeCode);
    }

    const QStringList& m_pictures;
    CPageMaker m_maker;
};

// Hands the builder's library error to the delegate, from inside the failed call.
class CErrorForwarder : public CPdfErrorSink {
public:
    explicit CErrorForwarder(CPdfJobDelegate& delegate) : m_delegate(delegate) {}
    void ShowLibraryError(const CPdfLibraryError& error) override {
        m_delegate.OnLibraryError(error);
    }

private:
    CPdfJobDelegate& m_delegate;
};

// Counts the objects of the save as steps, never beyond the last one. The pictures written
// while their pages were added count as written when the save starts.
class CSaveSteps : public CPdfSaveProgress {
public:
    CSaveSteps(CPdfJobDelegate& delegate, int& step, int total, int writtenBefore)
        : m_delegate(delegate), m_step(step), m_total(total), m_written(writtenBefore) {
        if (writtenBefore > 0) {
            m_step = std::min(m_step + writtenBefore, m_total);
            m_delegate.OnStep(m_step, m_total);
        }
    }
    void OnObjectWritten(unsigned entryCount, unsigned) override {
        m_step = std::min(m_step + 1, m_total);
        m_delegate.OnStep(m_step, m_total);
        m_delegate.OnObjectWritten(++m_written, int(entryCount) - 1);
    }

private:
    CPdfJobDelegate& m_delegate;
    int& m_step;
    const int m_total;
    int m_written;
};

} // namespace

CPdfJob::CPdfJob(CPdfJobOptions options, CPdfJobDelegate& delegate)
    : m_options(std::move(options)), m_delegate(delegate) {}

std::vector<CPdfJobPage> CPdfJob::PagesOf(const CPageList& pages) {
    std::vector<CPdfJobPage> result;
    result.reserve(std::size_t(pages.Size()));
    for (int i = 0; i < pages.Size(); ++i)
        result.push_back({pages.At(i)->path, pages.At(i)->typeCode, pages.At(i)->turnCcw});
    return result;
}

CPdfJobResult CPdfJob::Run(const std::vector<CPdfJobPage>& pages) {
    CListedPages source(pages);
    return Build(source);
}

CPdfJobResult CPdfJob::Run(const CPageList& pages) {
    return Run(PagesOf(pages));
}

CPdfJobResult CPdfJob::RunOnPictures(const QStringList& pictures) {
    const int threads = m_options.threads > 0
                            ? m_options.threads
                            : int(std::clamp(std::thread::hardware_concurrency(), 2u, 8u));
    CPictureFiles source(pictures, m_options.autoPortrait, threads, m_options.scan);
    return Build(source);
}

CPdfJobResult CPdfJob::Build(CPdfJobSource& source) {
    CPdfJobResult result;
    const int count = source.Count();
    const bool recognises = !m_options.ocrLanguage.isEmpty();
    const int total = TotalSteps(count, recognises);
    int step = 1;
    m_delegate.OnStep(step, total);
    m_delegate.OnStage(EPdfJobStage::Preparing, 0, count);

    CErrorForwarder sink(m_delegate);
    CPdfBuilder builder(&sink, m_options.layout);
    m_delegate.OnStage(EPdfJobStage::ImportingImages, 0, count);

    auto note = [&](int index, const QString& path, EPdfPageIssue issue,
                    EOcrFailure textFailure = EOcrFailure::None, int systemError = 0,
                    int picturePage = 0) {
        result.notes.push_back({index, path, issue, textFailure, systemError, picturePage});
        m_delegate.OnPageNote(result.notes.back());
    };
    // The job ends inside the file's replacement (which then leaves no file) or after it.
    bool ended = false;
    auto stop = [&](EPdfJobOutcome outcome, EPdfJobFailure failure) {
        result.outcome = outcome;
        result.failure = failure;
        result.hasLibraryError = builder.HasLibraryError();
        if (result.hasLibraryError)
            result.libraryError = builder.LastError();
        ended = true;
        return false;
    };

    // Pictures are recognised on workers while later pages are added; their words are laid
    // over their pages in page order once every page is in.
    struct CRecognisedPage {
        int index;
        QString input;
        HPDF_Page page;
        QRectF pictureRect;
        int ticket;
    };
    std::optional<COcrQueue> recognition;
    if (recognises)
        recognition.emplace(m_options.ocrLanguage, m_options.ocrDataPath,
                            m_options.ocrThreads > 0 ? m_options.ocrThreads : 2);
    std::vector<CRecognisedPage> recognised;

    // Pages made from files (and their copies) stay until the save has read them.
    std::vector<std::unique_ptr<CPage>> owners;
    int pages = 0;
    // The PDF is written while it is made: each page's picture goes into the file as soon as
    // it is placed, so that the disk is busy while later pages are still being read and
    // checked; the rest follows once every page is in. Nothing is left when the job stops.
    const auto make = [&](int fd) {
        builder.StreamTo(fd);
        for (int i = 0; i < count; ++i) {
            if (m_delegate.IsCancelled())
                return stop(EPdfJobOutcome::Cancelled, EPdfJobFailure::None);
            m_delegate.OnStep(++step, total);
            m_delegate.OnStage(EPdfJobStage::AddingPage, i + 1, count);
            CPdfJobInputPage page = source.Take(i);
            if (!page.usable) {
                note(i, page.input, page.skipped, EOcrFailure::None, page.systemError);
                continue;
            }
            std::vector<CPdfJobInputPage> further = std::move(page.further);
            // A multi-page picture's pages follow its first, under the same input index.
            for (std::size_t k = 0; k <= further.size(); ++k) {
                CPdfJobInputPage& at = k == 0 ? page : further[k - 1];
                if (!builder.AddPdfPage())
                    return stop(EPdfJobOutcome::Failed, EPdfJobFailure::LibraryError);
                ++pages;
                if (!at.path.isEmpty()) {
                    bool drawn = true;
                    if (!IsDrawnType(at.typeCode))
                        note(i, at.input, EPdfPageIssue::TypeNotDrawn);
                    else if (m_options.quality != EPictureQuality::Original &&
                             builder.PlaceReduced(ReducePicture(at.path, at.typeCode, at.turnCcw,
                                                                m_options.quality,
                                                                m_options.layout)))
                        drawn = true;
                    else if (builder.Failed())
                        drawn = false;
                    else if (at.prepared)
                        drawn = builder.PlaceRaster(std::move(at.pixels));
                    else
                        drawn =
                            builder.PlacePicture(at.typeCode, at.path, at.turnCcw, at.orientation);
                    if (builder.Failed()) {
                        note(i, at.input, EPdfPageIssue::LibraryRefused);
                        return stop(EPdfJobOutcome::Failed, EPdfJobFailure::LibraryError);
                    }
                    if (drawn && !builder.WritePlacedPictures())
                        return false; // a file error: the replacement says which
                    if (!drawn)
                        note(i, at.input, EPdfPageIssue::NotDecoded);
                    else if (recognition && IsDrawnType(at.typeCode))
                        recognised.push_back({i, at.input, builder.CurrentPage(),
                                              builder.PictureRect(),
                                              recognition->Add(at.path, at.turnCcw)});
                }
                if (at.owner)
                    owners.push_back(std::move(at.owner));
            }
            // Pages left out of a multi-page picture are named, never dropped without a word.
            for (int lost : page.lost.notDecoded)
                note(i, page.input, EPdfPageIssue::PageNotDecoded, EOcrFailure::None, 0, lost);
            for (int lost : page.lost.notWritten)
                note(i, page.input, EPdfPageIssue::PageNotWritten, EOcrFailure::None, 0, lost);
        }
        if (pages == 0)
            return stop(EPdfJobOutcome::Failed, EPdfJobFailure::NoPages);
        for (std::size_t k = 0; k < recognised.size(); ++k) {
            if (m_delegate.IsCancelled())
                return stop(EPdfJobOutcome::Cancelled, EPdfJobFailure::None);
            const CRecognisedPage& at = recognised[k];
            m_delegate.OnStep(++step, total);
            m_delegate.OnStage(EPdfJobStage::RecognisingText, int(k) + 1, int(recognised.size()));
            const COcrPage words = recognition->Take(at.ticket);
            if (!words.Recognised())
                note(at.index, at.input, EPdfPageIssue::NoTextLayer, words.failure);
            else if (!builder.AddTextLayer(at.page, at.pictureRect, words)) {
                if (builder.Failed())
                    return stop(EPdfJobOutcome::Failed, EPdfJobFailure::LibraryError);
                note(at.index, at.input, EPdfPageIssue::NoTextLayer, EOcrFailure::EngineFailed);
            }
        }
        recognition.reset();
        if (m_delegate.IsCancelled())
            return stop(EPdfJobOutcome::Cancelled, EPdfJobFailure::None);

        m_delegate.OnStep(++step, total);
        m_delegate.OnStage(EPdfJobStage::Saving, 0, count);
        CSaveSteps progress(m_delegate, step, total, builder.ObjectsWritten());
        return builder.Save(&progress, fd);
    };
    QString error;
    errno = 0;
    const bool saved = platform::ReplaceFileAtomically(m_options.outputPath, make, &error);
    const int code = errno;
    builder.ReleaseDocument();
    owners.clear();
    if (ended)
        return result;
    if (!saved) {
        result.systemError = code;
        result.fileError = error;
        stop(EPdfJobOutcome::Failed, EPdfJobFailure::FileError);
        return result;
    }
    result.pagesWritten = pages;
    result.bytesWritten = QFileInfo(m_options.outputPath).size();
    stop(EPdfJobOutcome::Done, EPdfJobFailure::None);
    return result;
}
