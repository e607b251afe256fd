#include "skin/PngDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {

// Larger pictures are refused rather than allocated: no skin picture comes near this.
constexpr std::uint32_t kMaxDimension = 16384;
constexpr std::size_t kSignatureSize = 8;

struct MemorySource {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t offset;
};

// Buffers that must be freed when libpng jumps out of a decode.
struct DecodeBuffers {
    std::uint8_t* pixels = nullptr;
    png_bytep* rows = nullptr;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (length > source->size - source->offset)
        png_error(png, "read past the end of the picture");
    std::memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

// Errors end the decode through the jump without printing; warnings are dropped.
void OnPngError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void OnPngWarning(png_structp, png_const_charp) {}

// Header, conversions to 8-bit RGBA, and the pixels. Runs under the caller's error jump;
// everything it allocates is kept in `buffers` so the caller can free it after a jump.
void ReadPicture(png_structp png, png_infop info, DecodeBuffers* buffers, std::int32_t* width,
                 std::int32_t* height) {
    png_read_info(png, info);
    png_uint_32 w = 0, h = 0;
    int bitDepth = 0, colourType = 0;
    png_get_IHDR(png, info, &w, &h, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    if (w == 0 || h == 0 || w > kMaxDimension || h > kMaxDimension)
        png_error(png, "picture size out of range");

    if (colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    else
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    if (bitDepth == 16)
        png_set_strip_16(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const std::size_t rowBytes = std::size_t(w) * 4;
    if (png_get_rowbytes(png, info) != rowBytes)
        png_error(png, "unexpected pixel layout");

    buffers->pixels = static_cast<std::uint8_t*>(std::malloc(rowBytes * h));
    buffers->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * h));
    if (!buffers->pixels || !buffers->rows)
        png_error(png, "out of memory");
    for (png_uint_32 r = 0; r < h; ++r)
        buffers->rows[r] = buffers->pixels + std::size_t(r) * rowBytes;
    png_read_image(png, buffers->rows);
    png_read_end(png, nullptr);
    *width = std::int32_t(w);
    *height = std::int32_t(h);
}

void TakeResult(DecodeBuffers& buffers, std::int32_t width, std::int32_t height,
                DecodedPicture& out) {
    std::free(buffers.rows);
    buffers.rows = nullptr;
    out.width = width;
    out.height = height;
    out.pixels.reset(buffers.pixels);
    buffers.pixels = nullptr;
}

void FreeBuffers(DecodeBuffers& buffers) {
    std::free(buffers.pixels);
    std::free(buffers.rows);
    buffers = {};
}

} // namespace

int DecodePngMemory(const std::uint8_t* data, std::size_t size, DecodedPicture& out) {
    if (!data)
        return kPngNotFound;
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_read_struct(png ? &png : nullptr, nullptr, nullptr);
        return kPngNoInfoStruct;
    }
    MemorySource source{data, size, 0};
    DecodeBuffers buffers;
    std::int32_t width = 0, height = 0;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        FreeBuffers(buffers);
        return kPngDecodeError;
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    ReadPicture(png, info, &buffers, &width, &height);
    png_destroy_read_struct(&png, &info, nullptr);
    TakeResult(buffers, width, height, out);
    return kPngDecoded;
}

int DecodePngFile(const char* path, DecodedPicture& out) {
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file)
        return kPngNotFound;
    png_byte signature[kSignatureSize] = {};
    if (std::fread(signature, 1, kSignatureSize, file) != kSignatureSize ||
        png_sig_cmp(signature, 0, kSignatureSize) != 0) {
        std::fclose(file);
        return kPngBadSignature;
    }
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    if (!png) {
        std::fclose(file);
        return kPngNoReadStruct;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        std::fclose(file);
        return kPngNoInfoStruct;
    }
    png_infop endInfo = png_create_info_struct(png);
    if (!endInfo) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(file);
        return kPngNoEndInfoStruct;
    }
    DecodeBuffers buffers;
    std::int32_t width = 0, height = 0;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, &endInfo);
        FreeBuffers(buffers);
        std::fclose(file);
        return kPngDecodeError;
    }
    png_init_io(png, file);
    png_set_sig_bytes(png, int(kSignatureSize));
    ReadPicture(png, info, &buffers, &width, &height);
    png_destroy_read_struct(&png, &info, &endInfo);
    std::fclose(file);
    TakeResult(buffers, width, height, out);
    return kPngDecoded;
}
