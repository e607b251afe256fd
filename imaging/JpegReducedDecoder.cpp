#include "imaging/JpegReducedDecoder.h"

#include "imaging/PictureFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
}

namespace {

struct CDecodeErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void DecodeErrorExit(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<CDecodeErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (corrupt data that libjpeg can step over) are not shown anywhere.
void DecodeOutputMessage(j_common_ptr) {}

struct CDecoded {
    unsigned char* pixels = nullptr; // malloc'ed, 4 bytes per pixel
    int width = 0;
    int height = 0;
};

// Kept free of C++ objects with destructors: a fatal libjpeg error leaves it by longjmp.
bool Decode(const unsigned char* data, unsigned long size, int targetWidth, int targetHeight,
            CDecoded* out) {
    jpeg_decompress_struct cinfo;
    CDecodeErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = DecodeErrorExit;
    errors.pub.output_message = DecodeOutputMessage;
    out->pixels = nullptr;
    if (setjmp(errors.jump)) {
        std::free(out->pixels);
        out->pixels = nullptr;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.jpeg_color_space != JCS_YCbCr && cinfo.jpeg_color_space != JCS_GRAYSCALE &&
        cinfo.jpeg_color_space != JCS_RGB) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    unsigned denominator = 8;
    while (denominator > 1 && (cinfo.image_width / denominator < unsigned(targetWidth) ||
                               cinfo.image_height / denominator < unsigned(targetHeight)))
        denominator /= 2;
    cinfo.scale_num = 1;
    cinfo.scale_denom = denominator;
    cinfo.out_color_space = JCS_EXT_BGRX; // the bytes of a 32-bit image on this machine
    jpeg_start_decompress(&cinfo);
    out->width = int(cinfo.output_width);
    out->height = int(cinfo.output_height);
    const std::size_t rowBytes = std::size_t(out->width) * 4;
    out->pixels = static_cast<unsigned char*>(std::malloc(rowBytes * std::size_t(out->height)));
    if (!out->pixels) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->pixels + std::size_t(cinfo.output_scanline) * rowBytes;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

QPoint UprightPoint(int orientation, int x, int y, int w, int h) {
    switch (orientation) {
    case 2: return {w - 1 - x, y};
    case 3: return {w - 1 - x, h - 1 - y};
    case 4: return {x, h - 1 - y};
    case 5: return {y, x};
    case 6: return {h - 1 - y, x};
    case 7: return {h - 1 - y, w - 1 - x};
    case 8: return {y, w - 1 - x};
    default: return {x, y};
    }
}

} // namespace

QImage DecodeJpegReduced(const uchar* data, qint64 size, QSize storedTarget) {
    if (!data || size <= 0)
        return QImage();
    CDecoded decoded;
    if (!Decode(data, static_cast<unsigned long>(size), storedTarget.width(), storedTarget.height(),
                &decoded))
        return QImage();
    return QImage(
        decoded.pixels, decoded.width, decoded.height, qsizetype(decoded.width) * 4,
        QImage::Format_RGB32, [](void* p) { std::free(p); }, decoded.pixels);
}

QImage DecodeJpegReduced(const QString& path, QSize storedTarget) {
    CPictureFile file(path);
    qint64 size = 0;
    const uchar* data = file.Bytes(&size);
    return DecodeJpegReduced(data, size, storedTarget);
}

QImage OrientUpright(const QImage& stored, int orientation) {
    if (orientation < 2 || orientation > 8 || stored.isNull())
        return stored;
    const QImage source = stored.convertToFormat(QImage::Format_RGB32);
    const int w = source.width();
    const int h = source.height();
    const bool turned = orientation >= 5;
    QImage out(turned ? h : w, turned ? w : h, QImage::Format_RGB32);
    if (out.isNull())
        return out;
    for (int y = 0; y < h; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QPoint p = UprightPoint(orientation, x, y, w, h);
            reinterpret_cast<QRgb*>(out.scanLine(p.y()))[p.x()] = s[x];
        }
    }
    return out;
}

int OrientationTurnedCcw(int orientation) {
    // Index: the orientation (invalid values count as 1); value: it followed by the turn.
    static const int kTurned[9] = {8, 8, 5, 6, 7, 4, 1, 2, 3};
    return kTurned[orientation >= 1 && orientation <= 8 ? orientation : 0];
}
