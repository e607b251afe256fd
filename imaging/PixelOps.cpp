#include "imaging/PixelOps.h"

#include "imaging/Bitmap.h"

#include <QPainter>

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Tile side for the quarter turns: 128 x 128 pixels of source and destination stay in cache.
constexpr int kTile = 128;

inline const unsigned char* RowOf(const unsigned char* bits, int width, int height, int y) {
    return bits + std::size_t(height - 1 - y) * std::size_t(PaddedWidth(width)) * 3;
}

inline unsigned char* RowOf(unsigned char* bits, int width, int height, int y) {
    return bits + std::size_t(height - 1 - y) * std::size_t(PaddedWidth(width)) * 3;
}

inline void Copy3(unsigned char* d, const unsigned char* s) {
    d[0] = s[0];
    d[1] = s[1];
    d[2] = s[2];
}

template <int Bpp> void Rotate180(const CPixelSource& src, unsigned char* dst) {
    const int w = src.width;
    const int h = src.height;
    for (int y = 0; y < h; ++y) {
        const unsigned char* s = src.topLeft + std::ptrdiff_t(y) * src.rowDown;
        unsigned char* d = RowOf(dst, w, h, h - 1 - y) + std::size_t(w - 1) * 3;
        for (int x = 0; x < w; ++x, s += Bpp, d -= 3)
            Copy3(d, s);
    }
}

// Quarter turns walk the destination row by row inside tiles, reading source columns.
// ccw: destination (X, Y) = source (w - 1 - Y, X); cw: destination (X, Y) = source (Y, h - 1 - X).
template <int Bpp> void RotateQuarter(const CPixelSource& src, unsigned char* dst, bool ccw) {
    const int w = src.width;
    const int h = src.height;
    const int dw = h;
    const int dh = w;
    for (int ty = 0; ty < dh; ty += kTile) {
        const int yEnd = std::min(ty + kTile, dh);
        for (int tx = 0; tx < dw; tx += kTile) {
            const int xEnd = std::min(tx + kTile, dw);
            for (int Y = ty; Y < yEnd; ++Y) {
                unsigned char* d = RowOf(dst, dw, dh, Y) + std::size_t(tx) * 3;
                if (ccw) {
                    // Source column w - 1 - Y, going down from row tx.
                    const unsigned char* s = src.topLeft + std::ptrdiff_t(tx) * src.rowDown +
                                             std::ptrdiff_t(w - 1 - Y) * Bpp;
                    for (int X = tx; X < xEnd; ++X, d += 3, s += src.rowDown)
                        Copy3(d, s);
                } else {
                    // Source column Y, going up from row h - 1 - tx.
                    const unsigned char* s = src.topLeft +
                                             std::ptrdiff_t(h - 1 - tx) * src.rowDown +
                                             std::ptrdiff_t(Y) * Bpp;
                    for (int X = tx; X < xEnd; ++X, d += 3, s -= src.rowDown)
                        Copy3(d, s);
                }
            }
        }
    }
}

template <int Bpp>
void Crop(const CPixelSource& src, unsigned char* dst, int left, int top, int cw, int ch) {
    for (int y = 0; y < ch; ++y) {
        const unsigned char* s =
            src.topLeft + std::ptrdiff_t(y + top) * src.rowDown + std::ptrdiff_t(left) * Bpp;
        unsigned char* d = RowOf(dst, cw, ch, y);
        if (Bpp == 3) {
            std::memcpy(d, s, std::size_t(cw) * 3);
        } else {
            for (int x = 0; x < cw; ++x, s += Bpp, d += 3)
                Copy3(d, s);
        }
    }
}

} // namespace

CPixelSource SectionSource(const unsigned char* bits, int width, int height) {
    CPixelSource source;
    if (!bits || width <= 0 || height <= 0)
        return source;
    source.topLeft = RowOf(bits, width, height, 0);
    source.rowDown = -std::ptrdiff_t(PaddedWidth(width)) * 3;
    source.bytesPerPixel = 3;
    source.width = width;
    source.height = height;
    return source;
}

CPixelSource ImageSource(const QImage& image) {
    CPixelSource source;
    if (image.isNull() ||
        (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32))
        return source;
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "32-bit pixels are read as blue, green, red");
    source.topLeft = image.constBits();
    source.rowDown = image.bytesPerLine();
    source.bytesPerPixel = 4;
    source.width = image.width();
    source.height = image.height();
    return source;
}

bool RotatePixels(const CPixelSource& source, unsigned char* destination, int angle) {
    if (!source.topLeft || !destination)
        return false;
    const bool four = source.bytesPerPixel == 4;
    switch (angle) {
    case 180:
        four ? Rotate180<4>(source, destination) : Rotate180<3>(source, destination);
        return true;
    case 90:
    case 270:
        four ? RotateQuarter<4>(source, destination, angle == 90)
             : RotateQuarter<3>(source, destination, angle == 90);
        return true;
    default: return false;
    }
}

void CropPixels(const CPixelSource& source, unsigned char* destination, int left, int top,
                int cropWidth, int cropHeight) {
    if (!source.topLeft || !destination)
        return;
    if (source.bytesPerPixel == 4)
        Crop<4>(source, destination, left, top, cropWidth, cropHeight);
    else
        Crop<3>(source, destination, left, top, cropWidth, cropHeight);
}

void ImageToSectionBits(const QImage& image, unsigned char* bits) {
    QImage rgb;
    if (image.hasAlphaChannel()) {
        rgb = QImage(image.size(), QImage::Format_RGB32);
        rgb.fill(Qt::white);
        QPainter painter(&rgb);
        painter.drawImage(0, 0, image);
    } else if (image.format() == QImage::Format_RGB32) {
        rgb = image;
    } else {
        rgb = image.convertToFormat(QImage::Format_RGB32);
    }
    const int w = rgb.width();
    const int h = rgb.height();
    for (int y = 0; y < h; ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        unsigned char* d = RowOf(bits, w, h, y);
        for (int x = 0; x < w; ++x, d += 3) {
            const QRgb p = s[x];
            d[0] = static_cast<unsigned char>(qBlue(p));
            d[1] = static_cast<unsigned char>(qGreen(p));
            d[2] = static_cast<unsigned char>(qRed(p));
        }
    }
}

QImage SectionBitsToImage(const unsigned char* bits, int width, int height) {
    QImage image(width, height, kScreenFormat);
    if (image.isNull())
        return image;
    for (int y = 0; y < height; ++y) {
        const unsigned char* s = RowOf(bits, width, height, y);
        QRgb* d = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, s += 3)
            d[x] = qRgb(s[2], s[1], s[0]);
    }
    return image;
}

void SectionBitsToRgb(const unsigned char* bits, int width, int height, unsigned char* rgb) {
    for (int y = 0; y < height; ++y) {
        const unsigned char* s = RowOf(bits, width, height, y);
        unsigned char* d = rgb + std::size_t(y) * std::size_t(width) * 3;
        for (int x = 0; x < width; ++x, s += 3, d += 3) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
    }
}

void SectionBitsToRgbRotatedCcw(const unsigned char* bits, int width, int height,
                                unsigned char* rgb) {
    // Output row R (0 = top) is source column width - 1 - R; output column C is source row C.
    const int outWidth = height;
    const int outHeight = width;
    const std::ptrdiff_t srcRowBytes = std::ptrdiff_t(PaddedWidth(width)) * 3;
    for (int ty = 0; ty < outHeight; ty += kTile) {
        const int yEnd = std::min(ty + kTile, outHeight);
        for (int tx = 0; tx < outWidth; tx += kTile) {
            const int xEnd = std::min(tx + kTile, outWidth);
            for (int R = ty; R < yEnd; ++R) {
                unsigned char* d = rgb + (std::size_t(R) * outWidth + tx) * 3;
                const unsigned char* s =
                    RowOf(bits, width, height, tx) + std::size_t(width - 1 - R) * 3;
                for (int C = tx; C < xEnd; ++C, d += 3, s -= srcRowBytes) {
                    d[0] = s[2];
                    d[1] = s[1];
                    d[2] = s[0];
                }
            }
        }
    }
}
