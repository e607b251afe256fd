#include "pdf/PdfBuilder.h"

#include "imaging/FitSize.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageType.h"
#include "imaging/JpegReducedDecoder.h"
#include "pdf/ImageEmbedding.h"
#include "pdf/ImageMatrix.h"
#include "pdf/PaperSizes.h"
#include "pdf/PdfObjectWriter.h"
#include "pdf/PdfTextLayer.h"
#include "pdf/PictureQuality.h"
#include "pdf/RasterPixels.h"
#include "resources/ids/StringIds.h"
#include "text/Strings.h"

#include <utility>

CPdfBuilder::CPdfBuilder(CPdfErrorSink* sink, const CAppSettings& settings)
    : CPdfBuilder(sink, CPdfPageOptions::FromSettings(settings)) {}

CPdfBuilder::CPdfBuilder(CPdfErrorSink* sink, const CPdfPageOptions& options)
    : m_sink(sink), m_options(options) {
    m_document = HPDF_New(&CPdfBuilder::OnLibraryError, this);
    if (!m_document) {
        ReportLibraryError(HPDF_FAILD_TO_ALLOC_MEM, 0);
        return;
    }
    HPDF_SetCompressionMode(m_document, HPDF_COMP_ALL);
}

CPdfBuilder::~CPdfBuilder() {
    ReleaseDocument();
}

void CPdfBuilder::ReleaseDocument() {
    // The save's stream belongs to the document.
    m_streaming.reset();
    if (m_document)
        HPDF_Free(m_document);
    m_document = nullptr;
    m_page = nullptr;
    m_textLayer.reset();
}

void HPDF_STDCALL CPdfBuilder::OnLibraryError(HPDF_STATUS errorNumber, HPDF_STATUS detailNumber,
                                              void* builder) {
    static_cast<CPdfBuilder*>(builder)->ReportLibraryError(errorNumber, detailNumber);
}

void CPdfBuilder::ReportLibraryError(unsigned long errorNumber, unsigned long detailNumber) {
    if (m_failed)
        return;
    m_error.body = LoadFormatted(ids::IDS_OUT_MEMORY_COMPLETE_OPERATION);
    m_error.caption = LoadFormatted(ids::IDS_ERROR_1093);
    m_error.heading = LoadFormatted(ids::IDS_CRITICAL_ERROR);
    m_error.errorNumber = errorNumber;
    m_error.detailNumber = detailNumber;
    m_errorReported = true;
    if (m_sink)
        m_sink->ShowLibraryError(m_error);
    m_failed = true;
}

QSize CPdfBuilder::PaperSize(std::uint32_t pageSize) {
    // The settings layer keeps PageSize in range; a stray value must still not read outside
    // the table.
    const CPaperSize& size =
        kPaperSizes[pageSize < kPaperSizes.size() ? pageSize : kDefaultPaperSize];
    return {size.width, size.height};
}

HPDF_Page CPdfBuilder::AddPdfPage() {
    m_page = m_document ? HPDF_AddPage(m_document) : nullptr;
    m_pictureRect = QRectF();
    const QSize paper = PaperSize(m_options.pageSize);
    m_pageWidth = float(paper.width());
    if (m_page)
        HPDF_Page_SetWidth(m_page, m_pageWidth);
    m_pageHeight = float(paper.height());
    if (m_page) {
        HPDF_Page_SetHeight(m_page, m_pageHeight);
        HPDF_Page_SetRGBStroke(m_page, 1, 1, 1);
        HPDF_Page_SetLineWidth(m_page, 0.5f);
        HPDF_Page_MoveTo(m_page, 10, 10);
        HPDF_Page_LineTo(m_page, 11, 10);
        HPDF_Page_Stroke(m_page);
    }
    return m_page;
}

void CPdfBuilder::Draw(HPDF_Image image, int orientation, int w, int h) {
    HPDF_Page page = m_document ? HPDF_GetCurrentPage(m_document) : nullptr;
    const float x = float(int((m_pageWidth - float(w)) * 0.5f));
    const float y = float(int((m_pageHeight - float(h)) * 0.5f));
    m_pictureRect = QRectF(x, y, float(w), float(h));
    if (orientation <= 1 || orientation > 8) {
        HPDF_Page_DrawImage(page, image, x, y, float(w), float(h));
        return;
    }
    const CImageMatrix m = OrientedImageMatrix(orientation, x, y, float(w), float(h));
    HPDF_Page_GSave(page);
    HPDF_Page_Concat(page, m[0], m[1], m[2], m[3], m[4], m[5]);
    HPDF_Page_ExecuteXObject(page, image);
    HPDF_Page_GRestore(page);
}

void CPdfBuilder::PlaceJpeg(const QString& path, bool turnCcw, int orientation) {
    if (!m_document) {
        m_failed = true;
        return;
    }
    HPDF_GetCurrentPage(m_document);
    HPDF_Image image = LoadJpegImage(m_document, path);
    if (!image) {
        // The library refuses some files (no JPEG start marker) without raising an error;
        // the user must still hear why the document stopped.
        ReportLibraryError(HPDF_INVALID_JPEG_DATA, 0);
        return;
    }
    int imgW = int(HPDF_Image_GetWidth(image));
    int imgH = int(HPDF_Image_GetHeight(image));
    // Placed by its upright (and turned) size; the bytes stay as the camera stored them.
    const int stored = orientation >= 1 && orientation <= 8 ? orientation : JpegOrientation(path);
    const int drawn = turnCcw ? OrientationTurnedCcw(stored) : stored;
    if (SwapsSides(drawn))
        std::swap(imgW, imgH);
    const QSize fit = FitSize(imgW, imgH, int(m_pageWidth), int(m_pageHeight));
    Draw(image, drawn, fit.width(), fit.height());
}

bool CPdfBuilder::PlaceRaster(const QString& path, bool turnCcw) {
    if (!m_document) {
        m_failed = true;
        return false;
    }
    return PlaceRaster(PrepareRaster(path, true, turnCcw));
}

bool CPdfBuilder::PlaceRaster(CRasterPixels pixels) {
    if (!m_document) {
        m_failed = true;
        return false;
    }
    HPDF_GetCurrentPage(m_document);
    if (!pixels.decoded)
        return false;
    HPDF_Image image = nullptr;
    if (!pixels.outOfMemory && pixels.jpeg)
        image = LoadJpegBytes(m_document, std::move(pixels.data));
    else if (!pixels.outOfMemory)
        image = LoadRgbImage(m_document, std::move(pixels.data), pixels.width, pixels.height,
                             pixels.compressed);
    if (!image) {
        // Also when the packed pixels could not be allocated: the document stops, and says so.
        ReportLibraryError(HPDF_FAILD_TO_ALLOC_MEM, 0);
        return false;
    }
    const int imgW = int(HPDF_Image_GetWidth(image));
    const int imgH = int(HPDF_Image_GetHeight(image));
    QSize size(imgW, imgH);
    if (m_options.fitToPage || float(imgW) > m_pageWidth || float(imgH) > m_pageHeight)
        size = FitSize(imgW, imgH, int(m_pageWidth), int(m_pageHeight));
    Draw(image, 1, size.width(), size.height());
    return true;
}

bool CPdfBuilder::PlaceReduced(const CReducedPicture& picture) {
    if (!m_document) {
        m_failed = true;
        return false;
    }
    HPDF_GetCurrentPage(m_document);
    if (picture.kind == CReducedPicture::EKind::None || picture.placed.isEmpty())
        return false;
    const auto* bytes = reinterpret_cast<const HPDF_BYTE*>(picture.data.constData());
    HPDF_Image image = nullptr;
    if (picture.kind == CReducedPicture::EKind::Jpeg)
        image = HPDF_LoadJpegImageFromMem(m_document, bytes, HPDF_UINT(picture.data.size()));
    else
        // Encoded with Group 4 now; 0 bits are the white runs, so the decoder's default
        // (BlackIs1 false) gives black as 0, which DeviceGray shows black.
        image = HPDF_Image_LoadRaw1BitImageFromMem(
            m_document, bytes, HPDF_UINT(picture.width), HPDF_UINT(picture.height),
            HPDF_UINT((picture.width + 7) / 8), HPDF_FALSE, HPDF_TRUE);
    if (!image) {
        ReportLibraryError(HPDF_INVALID_IMAGE, 0);
        return false;
    }
    Draw(image, 1, picture.placed.width(), picture.placed.height());
    return true;
}

bool CPdfBuilder::PlacePicture(ImageType typeCode, const QString& path, bool turnCcw,
                               int orientation) {
    if (path.isEmpty())
        return true; // a blank page
    if (typeCode == kImageTypeJpeg) {
        PlaceJpeg(path, turnCcw, orientation);
        return !m_failed;
    }
    if (IsPixelType(typeCode))
        return PlaceRaster(path, turnCcw);
    return true;
}

bool CPdfBuilder::AddTextLayer(const COcrPage& words) {
    return AddTextLayer(m_page, m_pictureRect, words);
}

bool CPdfBuilder::AddTextLayer(HPDF_Page page, const QRectF& pictureRect, const COcrPage& words) {
    if (!m_document || !page || m_failed)
        return false;
    if (!m_textLayer)
        m_textLayer = std::make_unique<CPdfTextLayer>(m_document);
    return m_textLayer->AddWords(page, pictureRect, words) && !m_failed;
}

bool CPdfBuilder::Save(CPdfSaveProgress* progress, const QString& path) {
    if (!m_document) {
        m_failed = true;
        return false;
    }
    return SaveDocumentWithProgress(m_document, path, progress) == HPDF_OK;
}

bool CPdfBuilder::Save(CPdfSaveProgress* progress, int fd) {
    if (!m_document) {
        m_failed = true;
        return false;
    }
    if (m_streaming && fd == m_streamingFd)
        return m_streaming->Finish(progress) == HPDF_OK;
    return SaveDocumentWithProgress(m_document, fd, progress) == HPDF_OK;
}

void CPdfBuilder::StreamTo(int fd) {
    if (!m_document)
        return;
    m_streaming = std::make_unique<CPdfStreamingSave>(m_document, fd);
    m_streamingFd = fd;
}

int CPdfBuilder::ObjectsWritten() const {
    return m_streaming ? m_streaming->ObjectsWritten() : 0;
}

bool CPdfBuilder::WritePlacedPictures() {
    if (!m_document || !m_streaming) {
        m_failed = true;
        return false;
    }
    if (m_streaming->WritePictures() == HPDF_OK)
        return true;
    m_failed = true;
    return false;
}
