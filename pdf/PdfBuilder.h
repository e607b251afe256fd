#pragma once

// Builds one PDF from the session's pictures over libharu: one page per picture on the paper
// size of the PageSize setting, each picture centred (JPEG files embedded byte for byte and
// always fitted; BMP, PNG, TIFF, GIF and lossless WebP pictures as Flate-compressed RGB
// pixels; lossy WebP and HEIF as a JPEG of high quality), saved with one
// progress notification per object written. The document starts "%PDF-1.3" and carries no
// text, fonts or metadata of its own.

#include "app/AppSettings.h"
#include "imaging/ImageType.h"
#include "pdf/PdfErrorSink.h"
#include "pdf/PdfPageOptions.h"
#include "pdf/PdfSaveProgress.h"
#include "pdf/RasterPixels.h"

#include <hpdf.h>

#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

class CPdfStreamingSave;
class CPdfTextLayer;
struct CReducedPicture;
struct COcrPage;

class CPdfBuilder {
public:
    // Creates the document with compression of contents, images and metadata. Without a
    // sink, errors are only kept (LastError). When the library cannot create a document the
    // error is reported at once and every later operation fails. The options hold for every
    // page of the document.
    CPdfBuilder(CPdfErrorSink* sink, const CPdfPageOptions& options);
    // The same with the PageSize and FitToPage values of `settings`, copied now.
    CPdfBuilder(CPdfErrorSink* sink, const CAppSettings& settings);
    ~CPdfBuilder();
    CPdfBuilder(const CPdfBuilder&) = delete;
    CPdfBuilder& operator=(const CPdfBuilder&) = delete;

    // Adds a page of the document's paper size, starting with an invisible white stroke so
    // that no page has an empty content stream. Null on failure.
    HPDF_Page AddPdfPage();
    // Draws the JPEG file fitted and centred on the current page, its bytes unchanged; a JPEG
    // with an EXIF orientation other than 1 is drawn upright through the drawing matrix, and
    // with turnCcw (an auto-portrait page) the upright picture is drawn turned a quarter
    // counter-clockwise, placed by its turned size. Sets failed when the library cannot load
    // it. Only the file's head is read here: the file is copied into the PDF by Save (or
    // WritePlacedPictures) and must stay unchanged until then.
    // `orientation` is the file's EXIF orientation when the caller has read it already (1 to
    // 8), 0 to have it read here.
    void PlaceJpeg(const QString& path, bool turnCcw = false, int orientation = 0);
    // Decodes a picture of a pixel type (IsPixelType) and draws its pixels centred (natural size at
    // one pixel per point when FitToPage is off and it fits, else fitted); with turnCcw the pixels
    // are turned a quarter counter-clockwise first. False when the picture cannot be decoded (the
    // page stays blank, failed stays clear) or the library refuses it (failed).
    bool PlaceRaster(const QString& path, bool turnCcw = false);
    // The same with pixels prepared beforehand (PrepareRaster with compression, possibly on
    // another thread).
    bool PlaceRaster(CRasterPixels pixels);
    // The page's picture by its type code: JPEG PlaceJpeg, the pixel types PlaceRaster, anything
    // else and an empty path nothing (a blank page); turnCcw as the page says. False when nothing
    // could be drawn for a picture page. `orientation` goes to PlaceJpeg.
    bool PlacePicture(ImageType typeCode, const QString& path, bool turnCcw = false,
                      int orientation = 0);
    // A picture made smaller beforehand (pdf/PictureQuality.h): its JPEG bytes or its one bit
    // per pixel (compressed with CCITT Group 4) drawn centred at its placed size. False when
    // there is nothing to draw; failed when the library refuses it.
    bool PlaceReduced(const CReducedPicture& picture);
    // The words recognised on the picture placed last on the current page, as invisible text
    // over it (pdf/PdfTextLayer.h); the font joins the document with the first word. True when
    // there was nothing to add or the words were added.
    bool AddTextLayer(const COcrPage& words);
    // The same over an earlier page whose picture lay at `pictureRect` (PictureRect then).
    bool AddTextLayer(HPDF_Page page, const QRectF& pictureRect, const COcrPage& words);
    // Where the last picture was drawn, in points; empty before the first.
    const QRectF& PictureRect() const { return m_pictureRect; }
    // Writes the whole document to `path`, replacing an existing file; `progress` (may be
    // null) hears of every object written. True when the library reports success.
    bool Save(CPdfSaveProgress* progress, const QString& path);
    // The same into the open file `fd` (from its current position; not closed here), for a
    // caller that replaces the target itself (platform::ReplaceFileAtomically). After
    // StreamTo(fd), it writes what is not out yet.
    bool Save(CPdfSaveProgress* progress, int fd);
    // Starts the save into `fd` (a file of its own, from its current position) while pages
    // are still being added: WritePlacedPictures then writes the pictures placed since its
    // last call, so that the disk starts on them while later pages are made, and Save(fd)
    // the rest. The same objects as a save at the end, in another order. A JPEG placed is
    // copied from its file when WritePlacedPictures runs.
    void StreamTo(int fd);
    // False (and failed) when the writing failed; the library error says why.
    bool WritePlacedPictures();
    // Objects written by WritePlacedPictures so far.
    int ObjectsWritten() const;
    // Frees the document; later operations fail. The destructor does it too.
    void ReleaseDocument();

    bool Failed() const { return m_failed; }
    // The first library error, for callers without screens.
    const CPdfLibraryError& LastError() const { return m_error; }
    bool HasLibraryError() const { return m_errorReported; }

    HPDF_Doc Document() const { return m_document; }
    HPDF_Page CurrentPage() const { return m_page; }
    const CPdfPageOptions& Options() const { return m_options; }
    float PageWidth() const { return m_pageWidth; }
    float PageHeight() const { return m_pageHeight; }

    // The paper size of a PageSize value; out-of-range values give A4.
    static QSize PaperSize(std::uint32_t pageSize);

private:
    static void HPDF_STDCALL OnLibraryError(HPDF_STATUS errorNumber, HPDF_STATUS detailNumber,
                                            void* builder);
    void ReportLibraryError(unsigned long errorNumber, unsigned long detailNumber);
    // Centre offsets and drawing of an image of w x h points.
    void Draw(HPDF_Image image, int orientation, int w, int h);

    CPdfErrorSink* m_sink;
    const CPdfPageOptions m_options;
    bool m_failed = false;
    bool m_errorReported = false;
    CPdfLibraryError m_error;
    HPDF_Doc m_document = nullptr;
    HPDF_Page m_page = nullptr;
    float m_pageWidth = 0;
    float m_pageHeight = 0;
    QRectF m_pictureRect;
    std::unique_ptr<CPdfTextLayer> m_textLayer;
    std::unique_ptr<CPdfStreamingSave> m_streaming;
    int m_streamingFd = -1;
};
