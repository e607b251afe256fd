#pragma once

// The drawing matrix that puts an image, stored as its file holds it, upright into the
// rectangle (x, y, w, h) of a PDF page. `orientation` is the EXIF value (1..8) the picture
// carries; 1 (or any invalid value) is the plain image matrix [w 0 0 h x y].

#include <array>

using CImageMatrix = std::array<float, 6>; // a b c d e f, as the "cm" operator takes them

CImageMatrix OrientedImageMatrix(int orientation, float x, float y, float w, float h);

// Orientations 5 to 8 store the picture turned a quarter: its upright width is the stored
// height.
constexpr bool SwapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}
