#pragma once

// Picture type codes, derived from the file name extension. Code 4 (JPEG) tells the PDF
// builder that the file's bytes can be embedded unchanged; every other code means "decode
// and embed pixels".

#include <QString>

enum ImageType : int {
    kImageTypeUnknown = 0,
    kImageTypeBmp = 1,
    kImageTypeGif = 2,
    kImageTypePng = 3,
    kImageTypeJpeg = 4,
    kImageTypeTiff = 5,
    kImageTypeCut = 6,
    kImageTypeDcx = 7,
    kImageTypeDds = 8,
    kImageTypeIco = 9,
    kImageTypeMng = 10,
    kImageTypePcd = 11,
    kImageTypePcx = 12,
    kImageTypePic = 13,
    kImageTypePsd = 14,
    kImageTypePsp = 15,
    kImageTypeRaw = 16,
    kImageTypeSgi = 17,
    kImageTypeTga = 18,
    kImageTypeXpm = 19,
};

// The code of an extension given with its dot (".JPEG" -> 4, ".jpe" -> 0), any case.
ImageType ImageTypeFromExtension(const QString& extension);
// The code of a file name by its last extension ("a/b.c.png" -> 3; no extension -> 0).
ImageType ImageTypeFromPath(const QString& path);
