#include "tests/support/TiffWriter.h"

#include <QFile>

#include <tiffio.h>

bool WriteTiff(const QString& path, const QList<QImage>& pages, int orientation,
               ETiffCompression compression) {
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "w");
    if (!tif)
        return false;
    const int scheme = compression == ETiffCompression::None      ? COMPRESSION_NONE
                       : compression == ETiffCompression::Deflate ? COMPRESSION_ADOBE_DEFLATE
                                                                  : COMPRESSION_LZW;
    bool ok = true;
    for (int i = 0; ok && i < pages.size(); ++i) {
        const QImage page = pages[i].convertToFormat(QImage::Format_RGB888);
        TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, page.width());
        TIFFSetField(tif, TIFFTAG_IMAGELENGTH, page.height());
        TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3);
        TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(tif, TIFFTAG_COMPRESSION, scheme);
        TIFFSetField(tif, TIFFTAG_ORIENTATION, orientation);
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, page.height());
        if (pages.size() > 1) {
            TIFFSetField(tif, TIFFTAG_SUBFILETYPE, FILETYPE_PAGE);
            TIFFSetField(tif, TIFFTAG_PAGENUMBER, i, int(pages.size()));
        }
        for (int y = 0; ok && y < page.height(); ++y)
            ok = TIFFWriteScanline(tif, const_cast<uchar*>(page.constScanLine(y)), uint32_t(y),
                                   0) == 1;
        ok = ok && TIFFWriteDirectory(tif) == 1;
    }
    TIFFClose(tif);
    return ok;
}
