#pragma once

// Blends R, G, B, A picture pixels onto a 32-bit surface:
//   a = 0: the destination stays; a = 255: the source pixel;
//   otherwise each channel min(255, (source x a + destination x (255 - a)) >> 8).
// Pixels outside the surface or its clip rectangle are not touched.

#include "skin/api/TesManager.h"

#include <cstdint>

struct BlendSource {
    const std::uint8_t* pixels; // R, G, B, A rows
    std::int32_t stride;        // bytes per row
    std::int32_t left, top;     // first picture pixel of the area
    std::int32_t width, height; // size of the area
};

// `alphaMap` maps a pixel's alpha to the blend weight (null: the alpha itself).
// `background` replaces the destination pixels when given (drawing onto a colour).
void BlendOntoSurface(TesSurface& dc, const BlendSource& source, std::int32_t x, std::int32_t y,
                      const std::uint8_t* alphaMap, const TesColour* background);
