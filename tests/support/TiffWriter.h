#pragma once

// Writing TIFF files for the tests, with libtiff: Qt's writer makes single pages only, with
// neither an orientation tag nor a choice of compression.

#include <QImage>
#include <QList>
#include <QString>

enum class ETiffCompression { None, Lzw, Deflate };

// A TIFF of one RGB page (8 bits a sample) per picture, every page with the orientation tag
// `orientation` (1 to 8, as EXIF's); a file of two or more pages marks each as a page of it.
bool WriteTiff(const QString& path, const QList<QImage>& pages, int orientation = 1,
               ETiffCompression compression = ETiffCompression::Lzw);
