#pragma once

// The pixel mappings of the edit operations on 24-bit sections. Source and destination are
// distinct sections; sizes are checked by the callers (see each function).

#include "imaging/DibBitmap.h"

// 180: source (x, y) -> (w - 1 - x, h - 1 - y); destination is w x h.
// 90 (counter-clockwise): (x, y) -> (y, w - 1 - x); destination is h x w.
// 270 (clockwise): (x, y) -> (h - 1 - y, x); destination is h x w.
// False for another angle or a destination of the wrong size.
bool RotatePixels(const CDibBitmap& source, CDibBitmap& destination, int angle);

// destination (x, y) = source (x + left, y + top) for the destination's whole size; false
// when that rectangle does not lie inside the source.
bool CropPixels(const CDibBitmap& source, CDibBitmap& destination, int left, int top);

// Converts between an upright image of any format and section bytes of the same size
// (rows of PaddedWidth(width) pixels, bottom-up, blue-green-red). The image is drawn over
// white first when it has an alpha channel.
void ImageToSectionBits(const QImage& image, unsigned char* bits);
// The section bytes as an upright image in the screen's format; null image when memory is
// short.
QImage SectionBitsToImage(const unsigned char* bits, int width, int height);
