#pragma once

// HEIC/HEIF pictures (the photo format of many phones) through libheif, loaded on first use
// (imaging/HeifLibrary.h), the one place where its errors become our results. The primary
// image is read; libheif applies the file's rotation, mirroring and cropping, so sizes and
// pixels are upright.

#include <QImage>
#include <QSize>

// Whether the bytes start as a HEIF file of HEVC pictures (an "ftyp" box with a HEIF brand).
bool IsHeifData(const uchar* data, qint64 size);

// The upright size of the primary image, read from the file's boxes without decoding; false
// for a file libheif refuses, and when libheif cannot be loaded.
bool ReadHeifSize(const uchar* data, qint64 size, QSize* upright);

// The primary image decoded upright; null for a damaged or truncated file, a missing decoder
// (or no libheif) or a picture of another size than `expected` (the file changed since its
// size was read).
QImage DecodeHeif(const uchar* data, qint64 size, QSize expected);
