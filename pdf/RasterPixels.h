#pragma once

// The pixels of a picture page that is not a JPEG file (BMP, PNG, TIFF, GIF, WebP, HEIF), made
// ready for the PDF away from the document: decoded, packed as top-down red-green-blue rows
// and, for a compressing document, Flate-compressed, so that nothing is lost. A picture
// stored with loss (lossy WebP, HEIF) is encoded as a JPEG of high quality instead: its
// pixels compressed without loss would make the PDF many times larger than the picture.
// Preparing touches no library state, so pages can be prepared on several threads while
// one thread builds the document.

#include <QByteArray>
#include <QString>

struct CRasterPixels {
    bool decoded = false;     // false: the file is no picture the decoder accepts
    bool outOfMemory = false; // decoded, but there was no room for the packed pixels
    int width = 0;
    int height = 0;
    QByteArray data; // width * height * 3 bytes, or their Flate compression, or a JPEG
    bool compressed = false;
    bool jpeg = false; // data is a JPEG file's bytes
};

// The JPEG quality of pictures stored with loss and re-encoded for the PDF.
inline constexpr int kReencodedJpegQuality = 95;

// With turnCcw the pixels are those of the picture turned a quarter counter-clockwise (an
// auto-portrait page): width and height are the turned picture's.
CRasterPixels PrepareRaster(const QString& path, bool compress, bool turnCcw = false);

// `raw` compressed with zlib's default level, as the PDF library compresses streams; empty
// when memory is short.
QByteArray DeflatePixels(const QByteArray& raw);
