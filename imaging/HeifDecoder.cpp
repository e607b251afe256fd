#include "imaging/HeifDecoder.h"

#include "imaging/HeifLibrary.h"

#include <cstring>
#include <memory>

namespace {

// The deleters run only for objects the loaded library made.
struct CContextFree {
    void operator()(heif_context* c) const { HeifLibrary()->heif_context_free(c); }
};
struct CHandleFree {
    void operator()(heif_image_handle* h) const { HeifLibrary()->heif_image_handle_release(h); }
};
struct CImageFree {
    void operator()(heif_image* i) const { HeifLibrary()->heif_image_release(i); }
};
using CContext = std::unique_ptr<heif_context, CContextFree>;
using CHandle = std::unique_ptr<heif_image_handle, CHandleFree>;
using CHeifImage = std::unique_ptr<heif_image, CImageFree>;

bool Ok(const heif_error& error) {
    return error.code == heif_error_Ok;
}

// The primary image of the bytes, which must outlive the handle (they are not copied). Null
// as well when libheif cannot be loaded: the picture cannot be read, as a damaged one.
CHandle PrimaryImage(const uchar* data, qint64 size, CContext& context) {
    if (!IsHeifData(data, size))
        return nullptr;
    const CHeifLibrary* heif = HeifLibrary();
    if (!heif)
        return nullptr;
    context.reset(heif->heif_context_alloc());
    if (!context || !Ok(heif->heif_context_read_from_memory_without_copy(
                        context.get(), data, std::size_t(size), nullptr)))
        return nullptr;
    heif_image_handle* handle = nullptr;
    if (!Ok(heif->heif_context_get_primary_image_handle(context.get(), &handle)))
        return nullptr;
    return CHandle(handle);
}

} // namespace

bool IsHeifData(const uchar* data, qint64 size) {
    if (!data || size < 12 || std::memcmp(data + 4, "ftyp", 4) != 0)
        return false;
    const qint64 boxSize = qint64(data[0]) << 24 | data[1] << 16 | data[2] << 8 | data[3];
    if (boxSize < 16 || boxSize > size)
        return false;
    static const char* const kBrands[] = {"heic", "heix", "heim", "heis", "hevc",
                                          "hevx", "mif1", "msf1", "hevm", "hevs"};
    // The major brand, then the compatible brands after the minor version.
    for (qint64 at = 8; at + 4 <= boxSize; at += at == 8 ? 8 : 4) {
        for (const char* brand : kBrands) {
            if (std::memcmp(data + at, brand, 4) == 0)
                return true;
        }
    }
    return false;
}

bool ReadHeifSize(const uchar* data, qint64 size, QSize* upright) {
    CContext context;
    const CHandle handle = PrimaryImage(data, size, context);
    if (!handle)
        return false;
    const CHeifLibrary* heif = HeifLibrary();
    const int width = heif->heif_image_handle_get_width(handle.get());
    const int height = heif->heif_image_handle_get_height(handle.get());
    if (width <= 0 || height <= 0)
        return false;
    *upright = QSize(width, height);
    return true;
}

QImage DecodeHeif(const uchar* data, qint64 size, QSize expected) {
    CContext context;
    const CHandle handle = PrimaryImage(data, size, context);
    if (!handle)
        return QImage();
    const CHeifLibrary* heif = HeifLibrary();
    const bool alpha = heif->heif_image_handle_has_alpha_channel(handle.get()) != 0;
    heif_image* decoded = nullptr;
    if (!Ok(heif->heif_decode_image(
            handle.get(), &decoded, heif_colorspace_RGB,
            alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr)))
        return QImage();
    const CHeifImage image(decoded);
    const int width = heif->heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif->heif_image_get_height(image.get(), heif_channel_interleaved);
    int stride = 0;
    const uint8_t* pixels =
        heif->heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!pixels || QSize(width, height) != expected ||
        heif->heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved) != 8)
        return QImage();
    QImage picture(width, height, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (picture.isNull())
        return QImage();
    const std::size_t rowBytes = std::size_t(width) * (alpha ? 4 : 3);
    for (int y = 0; y < height; ++y)
        std::memcpy(picture.scanLine(y), pixels + std::size_t(y) * std::size_t(stride), rowBytes);
    return picture;
}
