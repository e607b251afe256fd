#pragma once

// Loads a JPEG file into a libharu document as an image whose stream is the file's bytes,
// unchanged. The library's own loader copies the file into its memory stream one byte at a
// time; this one reads the file once and hands the bytes over as they are.

#include <hpdf.h>

#include <QString>

// The image, or null with the library's error raised (as HPDF_LoadJpegImageFromFile does);
// a file that cannot be read goes through the library's loader, which then says why.
HPDF_Image LoadJpegImage(HPDF_Doc document, const QString& path);
