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
    kImageTypeWebp = 20,
    kImageTypeHeif = 21,
};

// The last code a page may carry.
inline constexpr ImageType kImageTypeLast = kImageTypeHeif;

// The code of an extension given with its dot (".JPEG" -> 4, ".jpe" -> 0), any case.
ImageType ImageTypeFromExtension(const QString& extension);
// Types the PDF draws from decoded pixels (losslessly, or as a JPEG when the picture was
// stored with loss); JPEG files go in as they are, and other types are not drawn.
bool IsPixelType(ImageType code);
// Types the PDF draws: JPEG and the pixel types.
bool IsDrawnType(ImageType code);

// The code of a file name by its last extension ("a/b.c.png" -> 3; no extension -> 0).
ImageType ImageTypeFromPath(const QString& path);
