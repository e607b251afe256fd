#include "tests/skin/TestPng.h"

#include <png.h>

#include <cstring>

namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

} // namespace

Bytes MakePng(const TestPngLayout& layout) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, Append, Flush);
    png_set_IHDR(png, info, png_uint_32(layout.width), png_uint_32(layout.height), layout.bitDepth,
                 layout.colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (std::size_t i = 0; i + 2 < layout.palette.size(); i += 3)
        palette.push_back({layout.palette[i], layout.palette[i + 1], layout.palette[i + 2]});
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    png_color_16 key{};
    if (!layout.transparency.empty()) {
        if (layout.colourType == PNG_COLOR_TYPE_PALETTE) {
            png_set_tRNS(png, info, layout.transparency.data(), int(layout.transparency.size()),
                         nullptr);
        } else {
            auto word = [&](std::size_t i) {
                return png_uint_16(layout.transparency[2 * i] << 8 |
                                   layout.transparency[2 * i + 1]);
            };
            if (layout.colourType == PNG_COLOR_TYPE_GRAY) {
                key.gray = word(0);
            } else {
                key.red = word(0), key.green = word(1), key.blue = word(2);
            }
            png_set_tRNS(png, info, nullptr, 0, &key);
        }
    }
    png_write_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    Bytes samples = layout.samples;
    samples.resize(rowBytes * std::size_t(layout.height));
    for (int r = 0; r < layout.height; ++r)
        png_write_row(png, samples.data() + std::size_t(r) * rowBytes);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes MakeRgbaPng(int width, int height, const Bytes& rgba) {
    TestPngLayout layout;
    layout.width = width;
    layout.height = height;
    layout.samples = rgba;
    return MakePng(layout);
}

Bytes MakeSolidPng(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                   std::uint8_t a) {
    Bytes rgba;
    for (int i = 0; i < width * height; ++i)
        rgba.insert(rgba.end(), {r, g, b, a});
    return MakeRgbaPng(width, height, rgba);
}
