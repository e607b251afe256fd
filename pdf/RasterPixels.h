#pragma once

// The pixels of a BMP or PNG page, made ready for the PDF away from the document: decoded,
// packed as top-down red-green-blue rows and, for a compressing document, Flate-compressed.
// Preparing touches no library state, so pages can be prepared on several threads while
// one thread builds the document.

#include <QByteArray>
#include <QString>

struct CRasterPixels {
    bool decoded = false;     // false: the file is no picture the decoder accepts
    bool outOfMemory = false; // decoded, but there was no room for the packed pixels
    int width = 0;
    int height = 0;
    QByteArray data; // width * height * 3 bytes, or their Flate compression
    bool compressed = false;
};

// With turnCcw the pixels are those of the picture turned a quarter counter-clockwise (an
// auto-portrait page): width and height are the turned picture's.
CRasterPixels PrepareRaster(const QString& path, bool compress, bool turnCcw = false);

// `raw` compressed with zlib's default level, as the PDF library compresses streams; empty
// when memory is short.
QByteArray DeflatePixels(const QByteArray& raw);
