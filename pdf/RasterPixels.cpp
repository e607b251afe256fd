#include "pdf/RasterPixels.h"

#include "imaging/Bitmap.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageReading.h"
#include "imaging/LoadedImage.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <new>

#include <zlib.h>

namespace {

// Top-down rows of exactly width pixels, red-green-blue, from the bottom-up blue-green-red
// section with padded rows; with turnCcw the picture turned a quarter counter-clockwise
// (height x width pixels: the source's right column becomes the top row). Empty when memory
// is short.
QByteArray PackRgb(const LoadedImage& picture, bool turnCcw) {
    const std::size_t w = std::size_t(picture.width);
    const std::size_t h = std::size_t(picture.height);
    QByteArray buffer;
    try {
        buffer = QByteArray(qsizetype(w * h * 3), Qt::Uninitialized);
    } catch (const std::bad_alloc&) {
        return {};
    }
    auto* out = reinterpret_cast<unsigned char*>(buffer.data());
    const std::size_t stride = std::size_t(PaddedWidth(picture.width)) * 3;
    if (turnCcw) {
        // Output row r is source column w - 1 - r, read from the source's top row down.
        for (std::size_t r = 0; r < w; ++r) {
            const unsigned char* src = picture.pixels + (h - 1) * stride + (w - 1 - r) * 3;
            unsigned char* dst = out + r * h * 3;
            for (std::size_t c = 0; c < h; ++c, src -= stride, dst += 3) {
                dst[0] = src[2];
                dst[1] = src[1];
                dst[2] = src[0];
            }
        }
        return buffer;
    }
    for (std::size_t y = 0; y < h; ++y) {
        const unsigned char* src = picture.pixels + (h - 1 - y) * stride;
        unsigned char* dst = out + y * w * 3;
        for (std::size_t x = 0; x < w; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    return buffer;
}

// The packed pixels as a JPEG file's bytes; empty when the encoder fails.
QByteArray EncodeJpeg(const QByteArray& rgb, int width, int height) {
    const QImage image(reinterpret_cast<const uchar*>(rgb.constData()), width, height,
                       qsizetype(width) * 3, QImage::Format_RGB888);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kReencodedJpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image))
        return {};
    return jpeg;
}

} // namespace

QByteArray DeflatePixels(const QByteArray& raw) {
    QByteArray packed;
    try {
        uLongf size = compressBound(uLong(raw.size()));
        packed.resize(qsizetype(size));
        if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                      reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()),
                      Z_DEFAULT_COMPRESSION) != Z_OK)
            return {};
        packed.resize(qsizetype(size));
        packed.squeeze();
    } catch (const std::bad_alloc&) {
        return {};
    }
    return packed;
}

CRasterPixels PrepareRaster(const QString& path, bool compress, bool turnCcw) {
    CRasterPixels pixels;
    CPictureHeader header;
    if (!ReadPictureHeader(path, &header))
        return pixels;
    LoadedImage picture;
    if (!LoadImageFile(path, &picture) || !picture.bitmap || !picture.pixels)
        return pixels;
    pixels.decoded = true;
    pixels.width = turnCcw ? picture.height : picture.width;
    pixels.height = turnCcw ? picture.width : picture.height;
    QByteArray rgb = PackRgb(picture, turnCcw);
    // Only one decoded picture at a time: it goes before the pixels are compressed.
    picture.Reset();
    if (rgb.isEmpty()) {
        pixels.outOfMemory = true;
        return pixels;
    }
    if (header.lossy) {
        pixels.data = EncodeJpeg(rgb, pixels.width, pixels.height);
        pixels.jpeg = true;
        pixels.outOfMemory = pixels.data.isEmpty();
    } else if (compress) {
        pixels.data = DeflatePixels(rgb);
        pixels.compressed = true;
        pixels.outOfMemory = pixels.data.isEmpty();
    } else {
        pixels.data = std::move(rgb);
    }
    return pixels;
}
