#pragma once

// The 24-bit pixel buffer on which all pixel work happens. Byte layout (binding): 3 bytes
// per pixel in the order blue, green, red; rows bottom-up (the first row in memory is the
// bottom row); every row paddedWidth pixels long, paddedWidth = ((width + 3) / 4) * 4.
// Pixel (x, y), y from the top, starts at byte (x + (height - 1 - y) * paddedWidth) * 3.

#include "imaging/Bitmap.h"

#include <QRgb>

#include <cstdint>

class CDibBitmap {
public:
    CDibBitmap() = default;
    virtual ~CDibBitmap();
    CDibBitmap(const CDibBitmap&) = delete;
    CDibBitmap& operator=(const CDibBitmap&) = delete;

    // Replaces any owned bitmap with a new section of width x height (contents undefined).
    // False when the size is not positive or memory is short; width, height and paddedWidth
    // then still describe the size asked for, and bitmap and bits are null.
    bool Create(int width, int height);
    // Create, then writes `colour` (0x00BBGGRR, red in the low byte) into pixels
    // 0 .. width - 1 of every row; the padding columns are left alone.
    bool CreateFilled(int width, int height, std::uint32_t colour);
    // Creates a section of the handle's size and copies its picture into it, converting any
    // pixel format. False for a null handle or when memory is short.
    bool CreateFromBitmap(const CBitmap* handle);
    // Hands the bitmap over to the caller and clears bitmap and bits. The pixels stay where
    // bits pointed, now owned by the returned handle.
    BitmapHandle Detach();

    // Byte offset of pixel (x, y) from bits. No bounds check: callers keep 0 <= x < width
    // and 0 <= y < height.
    std::size_t Offset(int x, int y) const {
        return (std::size_t(x) + std::size_t(height - 1 - y) * std::size_t(paddedWidth)) * 3;
    }
    // Colour of pixel (x, y) as a QRgb (opaque) and writing one; bounds-checked (false /
    // black outside the picture) for tests and occasional use, not for loops.
    QRgb PixelAt(int x, int y) const;
    bool SetPixel(int x, int y, QRgb colour);

    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t paddedWidth = 0;
    unsigned char* bits = nullptr; // borrowed from bitmap
    BitmapHandle bitmap;
};

// 0x00BBGGRR colour value of the program's empty picture areas.
inline constexpr std::uint32_t kWhiteColour = 0x00FFFFFF;
