#include "pdf/PdfJobResult.h"

#include "pdf/ImageEmbedding.h"
#include "resources/ids/StringIds.h"
#include "text/Strings.h"

#include <hpdf.h>

#include <cstring>

QString PdfLibraryErrorText(const CPdfLibraryError& error) {
    switch (error.errorNumber) {
    case HPDF_FILE_OPEN_ERROR: return LoadFormatted(ids::IDS_PDF_WHY_CANNOT_OPEN);
    case HPDF_FILE_IO_ERROR:
        return LoadFormatted(error.detailNumber == kPictureChangedDetail
                                 ? ids::IDS_PDF_WHY_PICTURE_CHANGED
                                 : ids::IDS_PDF_WHY_WRITE_FAILED);
    case HPDF_UNSUPPORTED_JPEG_FORMAT: return LoadFormatted(ids::IDS_PDF_WHY_UNSUPPORTED_JPEG);
    case HPDF_INVALID_JPEG_DATA: return LoadFormatted(ids::IDS_PDF_WHY_NOT_JPEG);
    case HPDF_FAILD_TO_ALLOC_MEM: return LoadFormatted(ids::IDS_PDF_WHY_OUT_OF_MEMORY);
    default:
        return LoadFormatted(ids::IDS_PDF_WHY_LIBRARY_ERROR,
                             QStringLiteral("%1").arg(error.errorNumber, 4, 16, QChar('0')));
    }
}

QString CPdfJobResult::ErrorText() const {
    if (outcome != EPdfJobOutcome::Failed || failure == EPdfJobFailure::NoPages)
        return {};
    if (hasLibraryError)
        return PdfLibraryErrorText(libraryError);
    if (failure == EPdfJobFailure::LibraryError)
        return LoadFormatted(ids::IDS_PDF_WHY_OUT_OF_MEMORY);
    return systemError ? QString::fromLocal8Bit(std::strerror(systemError)) : fileError;
}
