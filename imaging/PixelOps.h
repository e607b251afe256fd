#pragma once

// The pixel mappings of the edit operations and the conversions between the screen's format
// and 24-bit sections. All work on section bytes in the CDibBitmap layout (blue-green-red,
// bottom-up rows of PaddedWidth(width) pixels). Loops run over rows or tiles so that the
// memory is walked in order; the mapping of every pixel is exactly the one stated.

#include <QImage>

#include <cstddef>

// Read access to the pixels of a section or of a 32-bit image (whose bytes in memory start
// with blue, green, red as well): where pixel (0, 0) starts, how far one row down is in
// bytes (negative for bottom-up sections) and the bytes per pixel.
struct CPixelSource {
    const unsigned char* topLeft = nullptr;
    std::ptrdiff_t rowDown = 0;
    int bytesPerPixel = 3;
    int width = 0;
    int height = 0;
};
CPixelSource SectionSource(const unsigned char* bits, int width, int height);
// For QImage::Format_RGB32 / ARGB32 images only; an empty source for other formats.
CPixelSource ImageSource(const QImage& image);

// Turns the w x h source into the section `destination`, which must hold the turned picture:
// 180: source (x, y) -> (w - 1 - x, h - 1 - y), destination w x h;
// 90 (counter-clockwise): (x, y) -> (y, w - 1 - x), destination h x w;
// 270 (clockwise): (x, y) -> (h - 1 - y, x), destination h x w.
// False for another angle or an empty source.
bool RotatePixels(const CPixelSource& source, unsigned char* destination, int angle);

// destination (x, y) = source (x + left, y + top) for x < cropWidth, y < cropHeight; the
// caller keeps the rectangle inside the source.
void CropPixels(const CPixelSource& source, unsigned char* destination, int left, int top,
                int cropWidth, int cropHeight);

// Copies an upright image of any format into section bytes of the image's size. Pictures
// with transparency are drawn over white.
void ImageToSectionBits(const QImage& image, unsigned char* bits);
// The section bytes as an upright image in the screen's format; null image when memory is
// short.
QImage SectionBitsToImage(const unsigned char* bits, int width, int height);
// Section bytes as top-down red-green-blue rows of exactly width * 3 bytes (the JPEG writer's
// input).
void SectionBitsToRgb(const unsigned char* bits, int width, int height, unsigned char* rgb);
// The section turned 90 degrees counter-clockwise as red-green-blue rows: the output is
// h pixels wide and w high; source (x, y) lands at column y, row w - 1 - x.
void SectionBitsToRgbRotatedCcw(const unsigned char* bits, int width, int height,
                                unsigned char* rgb);
