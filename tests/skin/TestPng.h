#pragma once

// PNG files made in code for the skin tests, written with libpng so that colour type, bit
// depth and transparency are exactly what a test asks for.

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct TestPngLayout {
    int width = 1;
    int height = 1;
    int colourType = 6; // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    Bytes samples;      // packed rows exactly as libpng expects them (big-endian 16 bit)
    Bytes palette;      // R, G, B triples for colour type 3
    Bytes transparency; // tRNS: alpha per palette entry, or one grey/RGB key (16-bit)
};

Bytes MakePng(const TestPngLayout& layout);
// An 8-bit RGBA picture from R, G, B, A bytes.
Bytes MakeRgbaPng(int width, int height, const Bytes& rgba);
// One colour, every pixel the same.
Bytes MakeSolidPng(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                   std::uint8_t a);
