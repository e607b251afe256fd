#pragma once

// Thumbnail-sized decoding of JPEG files: libjpeg scales the picture by 1/2, 1/4 or 1/8 while
// it decodes (DCT scaling), so a thumbnail never needs the full-size picture.

#include <QImage>
#include <QSize>
#include <QString>

// Decodes the stored (not yet upright) pixels of the JPEG in `data` at the smallest of 1/8,
// 1/4, 1/2 and 1/1 of the stored size that still covers `storedTarget`, as a 32-bit image.
// Null image when the data cannot be decoded, or its colour space needs another decoder
// (CMYK).
QImage DecodeJpegReduced(const uchar* data, qint64 size, QSize storedTarget);
// The same for a file (only a regular file is read).
QImage DecodeJpegReduced(const QString& path, QSize storedTarget);

// The stored picture turned upright for an EXIF orientation (1..8).
QImage OrientUpright(const QImage& stored, int orientation);

// The orientation that shows the stored pixels upright and then turned a quarter
// counter-clockwise (an auto-portrait page of a landscape picture): 1 -> 8, 6 -> 1, ...
int OrientationTurnedCcw(int orientation);
