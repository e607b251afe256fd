#include "imaging/JpegWriter.h"

#include "imaging/PixelOps.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include <unistd.h>

extern "C" {
#include <jpeglib.h>
}

namespace {

// libjpeg's last message, per thread (pages may be made on worker threads). Nothing shows it
// to the user; tests and the log may read it.
thread_local char g_lastMessage[JMSG_LENGTH_MAX] = {};

struct CJpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void OutputMessage(j_common_ptr cinfo) {
    (*cinfo->err->format_message)(cinfo, g_lastMessage);
}

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    (*cinfo->err->output_message)(cinfo);
    std::longjmp(reinterpret_cast<CJpegErrorManager*>(cinfo->err)->jump, 1);
}

void ResetErrorManager(j_common_ptr cinfo) {
    cinfo->err->num_warnings = 0;
    cinfo->err->msg_code = 0;
    g_lastMessage[0] = '\0';
}

// Kept free of C++ objects with destructors: a fatal libjpeg error leaves it by longjmp.
bool Compress(std::FILE* file, int width, int height, int quality, const unsigned char* rgb) {
    jpeg_compress_struct cinfo;
    CJpegErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ErrorExit;
    errors.pub.output_message = OutputMessage;
    errors.pub.reset_error_mgr = ResetErrorManager;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::fclose(file);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t rowBytes = std::size_t(width) * 3;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + cinfo.next_scanline * rowBytes);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    // The data is only safe once the close succeeded (a full disk shows here at the latest).
    if (std::fclose(file) != 0) {
        std::snprintf(g_lastMessage, sizeof g_lastMessage, "%s", std::strerror(errno));
        return false;
    }
    return true;
}

// The same into memory, Huffman tables optimised for this picture; `rowBytes` apart. The
// buffer comes from libjpeg (malloc) and is the caller's to free, also after a failure.
bool CompressToMemory(unsigned char** out, unsigned long* outSize, int width, int height,
                      int quality, const unsigned char* rgb, std::size_t rowBytes) {
    jpeg_compress_struct cinfo;
    CJpegErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ErrorExit;
    errors.pub.output_message = OutputMessage;
    errors.pub.reset_error_mgr = ResetErrorManager;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + cinfo.next_scanline * rowBytes);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

struct CFreeBuffer {
    void operator()(unsigned char* p) const { delete[] p; }
};
using RgbBuffer = std::unique_ptr<unsigned char[], CFreeBuffer>;

RgbBuffer AllocateRgb(int width, int height) {
    return RgbBuffer(
        new (std::nothrow) unsigned char[std::size_t(width) * std::size_t(height) * 3]);
}

} // namespace

bool WriteJpegRgb(const QString& path, int width, int height, int quality,
                  const unsigned char* rgbBuffer) {
    g_lastMessage[0] = '\0';
    if (!rgbBuffer || width <= 0 || height <= 0 || width > JPEG_MAX_DIMENSION ||
        height > JPEG_MAX_DIMENSION)
        return false;
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file) {
        std::snprintf(g_lastMessage, sizeof g_lastMessage, "%s", std::strerror(errno));
        return false;
    }
    return Compress(file, width, height, quality, rgbBuffer);
}

bool WriteJpegRgbToDescriptor(int fd, int width, int height, int quality,
                              const unsigned char* rgbBuffer) {
    g_lastMessage[0] = '\0';
    if (!rgbBuffer || width <= 0 || height <= 0 || width > JPEG_MAX_DIMENSION ||
        height > JPEG_MAX_DIMENSION)
        return false;
    // A duplicate, so that closing the stream leaves the caller's descriptor open.
    const int own = ::dup(fd);
    std::FILE* file = own < 0 ? nullptr : ::fdopen(own, "wb");
    if (!file) {
        std::snprintf(g_lastMessage, sizeof g_lastMessage, "%s", std::strerror(errno));
        if (own >= 0)
            ::close(own);
        return false;
    }
    return Compress(file, width, height, quality, rgbBuffer);
}

bool SaveBitmapAsJpeg(const QString& path, int quality, const CBitmap* bitmap) {
    if (!bitmap || bitmap->Width() <= 0 || bitmap->Height() <= 0)
        return false;
    const int width = bitmap->Width();
    const int height = bitmap->Height();
    RgbBuffer rgb = AllocateRgb(width, height);
    if (!rgb)
        return false;
    if (bitmap->IsSection()) {
        SectionBitsToRgb(bitmap->Bits(), width, height, rgb.get());
    } else {
        // Device bitmaps go straight to rows; the result equals the section route.
        const QImage& image = bitmap->DeviceImage();
        for (int y = 0; y < height; ++y) {
            const QRgb* s = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            unsigned char* d = rgb.get() + std::size_t(y) * std::size_t(width) * 3;
            for (int x = 0; x < width; ++x, d += 3) {
                d[0] = static_cast<unsigned char>(qRed(s[x]));
                d[1] = static_cast<unsigned char>(qGreen(s[x]));
                d[2] = static_cast<unsigned char>(qBlue(s[x]));
            }
        }
    }
    return WriteJpegRgb(path, width, height, quality, rgb.get());
}

bool WriteJpegRotatedCcw(const QString& path, int quality, const CDibBitmap& bitmap) {
    if (!bitmap.bits || bitmap.width <= 0 || bitmap.height <= 0)
        return false;
    RgbBuffer rgb = AllocateRgb(bitmap.width, bitmap.height);
    if (!rgb)
        return false;
    SectionBitsToRgbRotatedCcw(bitmap.bits, bitmap.width, bitmap.height, rgb.get());
    return WriteJpegRgb(path, bitmap.height, bitmap.width, quality, rgb.get());
}

QByteArray EncodeJpegRgb(int width, int height, int quality, const unsigned char* rgbBuffer,
                         std::size_t rowBytes) {
    g_lastMessage[0] = '\0';
    if (!rgbBuffer || width <= 0 || height <= 0 || width > JPEG_MAX_DIMENSION ||
        height > JPEG_MAX_DIMENSION || rowBytes < std::size_t(width) * 3)
        return {};
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    QByteArray result;
    if (CompressToMemory(&bytes, &size, width, height, quality, rgbBuffer, rowBytes)) {
        try {
            result = QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size));
        } catch (const std::bad_alloc&) {
            result = QByteArray();
        }
    }
    std::free(bytes);
    return result;
}

QString LastJpegMessage() {
    return QString::fromLocal8Bit(g_lastMessage);
}
