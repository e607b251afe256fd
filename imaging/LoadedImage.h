#pragma once

// What a decoder hands back: the picture's size, the bitmap (owned by the record) and, when
// the bitmap is a 24-bit section, its pixels in the CDibBitmap layout (borrowed from bitmap).

#include "imaging/Bitmap.h"

#include <cstdint>

struct LoadedImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    BitmapHandle bitmap;
    unsigned char* pixels = nullptr;

    // Sizes to 0, bitmap deleted, pixels null.
    void Reset();
};
