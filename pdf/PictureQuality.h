#pragma once

// How page pictures go into the PDF (the PictureQuality setting):
//  Original:      the pictures as they are (JPEG files byte for byte);
//  Email:         each picture scaled to about 150 pixels per inch of its place on the page
//                 and stored as a JPEG with Huffman tables optimised for it, for a file small
//                 enough to send;
//  BlackAndWhite: each page one bit per pixel (the enhance look's black and white, at up to
//                 300 pixels per inch), compressed with CCITT Group 4: text pages at a
//                 fraction of the size.
// The page's geometry does not change: the smaller picture fills exactly the place the
// original would have taken. Reducing touches no document, so pages can be reduced on
// worker threads.

#include "app/AppSettings.h"
#include "imaging/ImageType.h"
#include "pdf/PdfPageOptions.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

enum class EPictureQuality : std::uint32_t { Original = 0, Email = 1, BlackAndWhite = 2 };
inline constexpr std::uint32_t kPictureQualityCount = 3;

// The names of the settings command and the pdf command's --quality: "original", "email",
// "bw".
QString PictureQualityName(EPictureQuality quality);
// Also accepts "e-mail", "black-and-white" and any case; empty for an unknown name.
std::optional<EPictureQuality> PictureQualityFromName(const QString& name);
// The PictureQuality value of a settings record; out-of-range values give Original.
EPictureQuality PictureQualityOf(const CAppSettings& settings);

inline constexpr int kEmailPixelsPerInch = 150;
inline constexpr int kEmailJpegQuality = 75;
inline constexpr int kBlackAndWhitePixelsPerInch = 300;

// A page picture made smaller for the PDF.
struct CReducedPicture {
    enum class EKind { None, Jpeg, OneBit };
    EKind kind = EKind::None; // None: the file could not be decoded (or memory was short)
    int width = 0;            // pixels of what is embedded
    int height = 0;
    QSize placed;    // points the picture takes on the page, as the original would
    QByteArray data; // JPEG bytes, or rows of (width + 7) / 8 bytes, top first, 1 for black
};

// Decodes the picture (upright, turned a quarter counter-clockwise with turnCcw) and reduces
// it for `quality` (not Original) on a page of `layout`: JPEG pictures are always fitted to
// the page, others keep their natural size when it fits and FitToPage is off, as the builder
// places them. Never scales up.
CReducedPicture ReducePicture(const QString& path, ImageType typeCode, bool turnCcw,
                              EPictureQuality quality, const CPdfPageOptions& layout);

// Where a picture of `width` x `height` pixels (upright, as drawn) lies on a page of
// `layout`, in points: the builder's own rule.
QSize PlacedSize(int width, int height, ImageType typeCode, const CPdfPageOptions& layout);
