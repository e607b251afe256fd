#pragma once

// The document looks: a photographed page made to read like a scanned one.
//  Grey:           grey levels only (equal red, green and blue), lighting evened out,
//                  paper near white.
//  BlackAndWhite:  every pixel black (0) or white (255): lighting evened out, then a
//                  threshold against each pixel's neighbourhood, for text.
//  ColourDocument: lighting evened out per colour channel, so paper turns white, and the
//                  contrast raised; colours are kept.
// The lighting is estimated as the paper's brightness around each pixel (the page with its
// dark marks taken out, on a copy scaled down), and every pixel divided by it. Safe on
// worker threads.

#include "imaging/Bitmap.h"

#include <QImage>
#include <QString>

#include <optional>

enum class ELook { Original, Grey, BlackAndWhite, ColourDocument };

// A new bitmap of the same kind and size as `picture` with the look applied; Original gives
// an exact copy. Null for an empty picture or when memory is short.
BitmapHandle EnhanceBitmap(const CBitmap& picture, ELook look);
// The same for an image of any format; the result is in the screen's format.
QImage EnhanceImage(const QImage& picture, ELook look);

// The looks' names for settings and the command line: "none", "grey", "bw", "colour".
QString LookName(ELook look);
// Also accepts "original", "gray", "black-and-white", "color" and any case; empty for an
// unknown name.
std::optional<ELook> LookFromName(const QString& name);
