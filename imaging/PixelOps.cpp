#include "imaging/PixelOps.h"

#include "imaging/Bitmap.h"

#include <QPainter>

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Tile side for the quarter turns: 64 x 64 pixels of source and destination stay in cache.
constexpr int kTile = 64;

inline const unsigned char* RowOf(const unsigned char* bits, int width, int height, int y)
{
    return bits + std::size_t(height - 1 - y) * std::size_t(PaddedWidth(width)) * 3;
}

inline unsigned char* RowOf(unsigned char* bits, int width, int height, int y)
{
    return bits + std::size_t(height - 1 - y) * std::size_t(PaddedWidth(width)) * 3;
}

inline void Copy3(unsigned char* d, const unsigned char* s)
{
    d[0] = s[0];
    d[1] = s[1];
    d[2] = s[2];
}

void Rotate180(const unsigned char* src, int w, int h, unsigned char* dst)
{
    for (int y = 0; y < h; ++y) {
        const unsigned char* s = RowOf(src, w, h, y);
        unsigned char* d = RowOf(dst, w, h, h - 1 - y) + std::size_t(w - 1) * 3;
        for (int x = 0; x < w; ++x, s += 3, d -= 3)
            Copy3(d, s);
    }
}

// Quarter turns walk the destination row by row inside tiles, reading source columns.
// ccw: destination (X, Y) = source (w - 1 - Y, X); cw: destination (X, Y) = source (Y, h - 1 - X).
void RotateQuarter(const unsigned char* src, int w, int h, unsigned char* dst, bool ccw)
{
    const int dw = h;
    const int dh = w;
    const std::ptrdiff_t srcRowBytes = std::ptrdiff_t(PaddedWidth(w)) * 3;
    for (int ty = 0; ty < dh; ty += kTile) {
        const int yEnd = std::min(ty + kTile, dh);
        for (int tx = 0; tx < dw; tx += kTile) {
            const int xEnd = std::min(tx + kTile, dw);
            for (int Y = ty; Y < yEnd; ++Y) {
                unsigned char* d = RowOf(dst, dw, dh, Y) + std::size_t(tx) * 3;
                if (ccw) {
                    // Source column w - 1 - Y, rows X = tx.. going down the picture, which is
                    // backwards in memory.
                    const unsigned char* s = RowOf(src, w, h, tx) + std::size_t(w - 1 - Y) * 3;
                    for (int X = tx; X < xEnd; ++X, d += 3, s -= srcRowBytes)
                        Copy3(d, s);
                } else {
                    // Source column Y, rows h - 1 - X going up the picture (forwards in memory).
                    const unsigned char* s = RowOf(src, w, h, h - 1 - tx) + std::size_t(Y) * 3;
                    for (int X = tx; X < xEnd; ++X, d += 3, s += srcRowBytes)
                        Copy3(d, s);
                }
            }
        }
    }
}

}  // namespace

bool RotatePixels(const unsigned char* source, int width, int height, unsigned char* destination,
                  int angle)
{
    switch (angle) {
    case 180:
        Rotate180(source, width, height, destination);
        return true;
    case 90:
        RotateQuarter(source, width, height, destination, true);
        return true;
    case 270:
        RotateQuarter(source, width, height, destination, false);
        return true;
    default:
        return false;
    }
}

void CropPixels(const unsigned char* source, int width, int height, unsigned char* destination,
                int left, int top, int cropWidth, int cropHeight)
{
    for (int y = 0; y < cropHeight; ++y) {
        const unsigned char* s = RowOf(source, width, height, y + top) + std::size_t(left) * 3;
        unsigned char* d = RowOf(destination, cropWidth, cropHeight, y);
        std::memcpy(d, s, std::size_t(cropWidth) * 3);
    }
}

void ImageToSectionBits(const QImage& image, unsigned char* bits)
{
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

QImage SectionBitsToImage(const unsigned char* bits, int width, int height)
{
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

void SectionBitsToRgb(const unsigned char* bits, int width, int height, unsigned char* rgb)
{
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
                                unsigned char* rgb)
{
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
