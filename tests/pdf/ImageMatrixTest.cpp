#include "pdf/ImageMatrix.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Where the matrix sends the unit square's corners: (u, v) -> (a u + c v + e, b u + d v + f).
std::pair<float, float> Apply(const CImageMatrix& m, float u, float v) {
    return {m[0] * u + m[2] * v + m[4], m[1] * u + m[3] * v + m[5]};
}

TEST(ImageMatrixTest, StoredTopLeftLandsWhereEachOrientationPutsIt) {
    // Rectangle x 10..110, y 20..70 (w 100, h 50). The stored top-left corner is (0, 1).
    const float x = 10, y = 20, w = 100, h = 50;
    const std::pair<float, float> topLeft{x, y + h}, topRight{x + w, y + h}, bottomLeft{x, y},
        bottomRight{x + w, y};
    const std::pair<float, float> expected[9] = {
        topLeft,     topLeft, // 0 (invalid) and 1: unchanged
        topRight,             // 2: mirrored left to right
        bottomRight,          // 3: half turn
        bottomLeft,           // 4: mirrored top to bottom
        topLeft,              // 5: transposed
        topRight,             // 6: a quarter turn clockwise to show
        bottomRight,          // 7: transverse
        bottomLeft,           // 8: a quarter turn anticlockwise to show
    };
    for (int o = 0; o <= 8; ++o)
        EXPECT_EQ(Apply(OrientedImageMatrix(o, x, y, w, h), 0, 1), expected[o]) << o;
    // Every matrix covers the same rectangle: the far corner lands opposite the first.
    for (int o = 1; o <= 8; ++o) {
        const auto a = Apply(OrientedImageMatrix(o, x, y, w, h), 0, 1);
        const auto b = Apply(OrientedImageMatrix(o, x, y, w, h), 1, 0);
        EXPECT_EQ(a.first + b.first, 2 * x + w) << o;
        EXPECT_EQ(a.second + b.second, 2 * y + h) << o;
    }
    EXPECT_TRUE(SwapsSides(6));
    EXPECT_FALSE(SwapsSides(3));
}

} // namespace
