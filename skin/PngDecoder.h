#pragma once

// Decodes a PNG picture into 8-bit R, G, B, A pixels, rows top to bottom. libpng's error
// jump is contained here and turned into the result codes below.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
using PixelBuffer = std::unique_ptr<std::uint8_t[], FreeDeleter>;

struct DecodedPicture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    PixelBuffer pixels; // width x height x 4 bytes
};

enum PngDecodeResult : int {
    kPngDecoded = 0,
    kPngNotFound = -1,     // no such picture or file cannot be opened
    kPngBadSignature = -2, // the file does not start with the PNG signature
    kPngNoReadStruct = -3,
    kPngNoInfoStruct = -4,
    kPngNoEndInfoStruct = -5,
    kPngDecodeError = -6, // libpng failed (damaged or truncated data, no memory)
};

// A picture held in memory. Reading past the end of `data` fails the decode.
int DecodePngMemory(const std::uint8_t* data, std::size_t size, DecodedPicture& out);
// A picture file (UTF-8 path).
int DecodePngFile(const char* path, DecodedPicture& out);
