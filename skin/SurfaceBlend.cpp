#include "skin/SurfaceBlend.h"

#include <algorithm>

namespace {

inline std::uint32_t Mix(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
    return std::min<std::uint32_t>(255, (s * a + d * (255 - a)) >> 8);
}

} // namespace

void BlendOntoSurface(TesSurface& dc, const BlendSource& source, std::int32_t x, std::int32_t y,
                      const std::uint8_t* alphaMap, const TesColour* background) {
    if (!dc.pixels || source.width <= 0 || source.height <= 0)
        return;
    // The visible part in surface pixels (64-bit so far-away coordinates cannot overflow).
    const std::int64_t left = std::int64_t(x) + dc.originX;
    const std::int64_t top = std::int64_t(y) + dc.originY;
    const std::int64_t clipLeft = std::max<std::int64_t>({0, dc.clip.left, left});
    const std::int64_t clipTop = std::max<std::int64_t>({0, dc.clip.top, top});
    const std::int64_t clipRight =
        std::min<std::int64_t>({dc.width, dc.clip.right, left + source.width});
    const std::int64_t clipBottom =
        std::min<std::int64_t>({dc.height, dc.clip.bottom, top + source.height});
    if (clipLeft >= clipRight || clipTop >= clipBottom)
        return;

    const std::uint32_t br = background ? (*background & 0xFF) : 0;
    const std::uint32_t bg = background ? ((*background >> 8) & 0xFF) : 0;
    const std::uint32_t bb = background ? ((*background >> 16) & 0xFF) : 0;
    for (std::int64_t py = clipTop; py < clipBottom; ++py) {
        auto* out = reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(dc.pixels) +
                                                     py * dc.bytesPerLine);
        const std::uint8_t* in = source.pixels +
                                 std::int64_t(source.top + (py - top)) * source.stride +
                                 std::int64_t(source.left + (clipLeft - left)) * 4;
        for (std::int64_t px = clipLeft; px < clipRight; ++px, in += 4) {
            const std::uint32_t a = alphaMap ? alphaMap[in[3]] : in[3];
            std::uint32_t dr, dg, db;
            if (background) {
                dr = br, dg = bg, db = bb;
            } else {
                if (a == 0)
                    continue;
                const std::uint32_t d = out[px];
                dr = (d >> 16) & 0xFF, dg = (d >> 8) & 0xFF, db = d & 0xFF;
            }
            std::uint32_t r, g, b;
            if (a == 0) {
                r = dr, g = dg, b = db;
            } else if (a == 255) {
                r = in[0], g = in[1], b = in[2];
            } else {
                r = Mix(in[0], dr, a), g = Mix(in[1], dg, a), b = Mix(in[2], db, a);
            }
            out[px] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
}
