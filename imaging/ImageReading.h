#pragma once

// Shared by the decoder entry points: one way to open a picture file with Qt's image reader,
// so that every entry point applies the same checks and the same EXIF orientation.

#include "imaging/PictureFile.h"

#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>

struct CPictureHeader {
    QSize storedSize;  // as the file stores the pixels
    QSize uprightSize; // after the EXIF orientation
    QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone;
    QByteArray format;  // "jpeg", "png", "tiff", "webp", "gif", "heif", ...
    int frames = 1;     // pages of a multi-page TIFF; 1 for every other picture
    bool lossy = false; // pixels stored with loss: JPEG, lossy WebP, HEIF
};

// Reads the header of a picture file; false when the file is missing, not a regular file,
// empty, of a format the reader does not know, larger than kMaxPicturePixels, or visibly
// incomplete or damaged (a JPEG whose markers, frame header or scans are wrong, whose scans
// hold too little data for its frame or that ends before its end marker, a BMP shorter than
// its pixel data, a GIF whose first picture is cut, a HEIF file libheif refuses). No pixels
// are decoded. `problem` (may be null) says why.
bool ReadPictureHeader(const QString& path, CPictureHeader* header,
                       EPictureProblem* problem = nullptr);

// Decodes page `frame` (0 = the first) of a multi-page TIFF upright, as ReadPictureUpright
// decodes the first; null for a frame that is not there, damaged, or larger than
// kMaxPicturePixels.
QImage ReadPictureFrame(const QString& path, const CPictureHeader& header, int frame);

// Decodes the picture upright; null as well when the file no longer has the header's size
// (it was replaced in between). With a valid `uprightScaledSize` the picture comes back at that
// size, decoded at a reduced scale where the format allows (JPEG: 1/2, 1/4, 1/8). Null image
// on any failure.
QImage ReadPictureUpright(const QString& path, const CPictureHeader& header,
                          QSize uprightScaledSize = QSize());

// The EXIF orientation value (1..8) of a Qt transformation.
int OrientationFromTransformation(QImageIOHandler::Transformations transformation);
