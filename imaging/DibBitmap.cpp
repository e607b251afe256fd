#include "imaging/DibBitmap.h"

#include "imaging/PixelOps.h"

#include <cstring>

CDibBitmap::~CDibBitmap() = default;

bool CDibBitmap::Create(int newWidth, int newHeight) {
    bitmap.reset();
    bits = nullptr;
    width = newWidth;
    height = newHeight;
    paddedWidth = PaddedWidth(newWidth);
    bitmap = CBitmap::CreateSection(newWidth, newHeight);
    if (!bitmap)
        return false;
    bits = bitmap->Bits();
    return true;
}

bool CDibBitmap::CreateFilled(int newWidth, int newHeight, std::uint32_t colour) {
    if (!Create(newWidth, newHeight))
        return false;
    const unsigned char pixel[3] = {static_cast<unsigned char>((colour >> 16) & 0xFF),
                                    static_cast<unsigned char>((colour >> 8) & 0xFF),
                                    static_cast<unsigned char>(colour & 0xFF)};
    for (int row = 0; row < height; ++row) {
        unsigned char* p = bits + std::size_t(row) * std::size_t(paddedWidth) * 3;
        if (pixel[0] == pixel[1] && pixel[1] == pixel[2]) {
            std::memset(p, pixel[0], std::size_t(width) * 3);
            continue;
        }
        for (int x = 0; x < width; ++x, p += 3)
            std::memcpy(p, pixel, 3);
    }
    return true;
}

bool CDibBitmap::CreateFromBitmap(const CBitmap* handle) {
    if (!handle || handle->Width() <= 0 || handle->Height() <= 0)
        return false;
    if (!Create(handle->Width(), handle->Height()))
        return false;
    if (handle->IsSection()) {
        std::memcpy(bits, handle->Bits(), handle->ByteCount());
    } else {
        ImageToSectionBits(handle->DeviceImage(), bits);
    }
    return true;
}

BitmapHandle CDibBitmap::Detach() {
    bits = nullptr;
    return std::move(bitmap);
}

QRgb CDibBitmap::PixelAt(int x, int y) const {
    if (!bits || x < 0 || y < 0 || x >= width || y >= height)
        return qRgb(0, 0, 0);
    const unsigned char* p = bits + Offset(x, y);
    return qRgb(p[2], p[1], p[0]);
}

bool CDibBitmap::SetPixel(int x, int y, QRgb colour) {
    if (!bits || x < 0 || y < 0 || x >= width || y >= height)
        return false;
    unsigned char* p = bits + Offset(x, y);
    p[0] = static_cast<unsigned char>(qBlue(colour));
    p[1] = static_cast<unsigned char>(qGreen(colour));
    p[2] = static_cast<unsigned char>(qRed(colour));
    return true;
}
