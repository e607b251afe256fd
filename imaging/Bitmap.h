#pragma once

// The platform bitmap behind a "bitmap handle": either a device bitmap (an image in the
// screen's pixel format, whose pixels the imaging code does not address) or a 24-bit section
// (the CDibBitmap byte layout: blue-green-red, bottom-up rows of paddedWidth pixels).
// Handles are owned through BitmapHandle; whoever holds the unique_ptr owns the bitmap.

#include <QImage>
#include <QSize>

#include <cstddef>
#include <memory>

// The screen's own pixel format: device bitmaps and drawing surfaces use it.
inline constexpr QImage::Format kScreenFormat = QImage::Format_RGB32;

// Row length in pixels of a 24-bit section: width rounded up to a multiple of 4.
constexpr int PaddedWidth(int width) {
    return ((width + 3) / 4) * 4;
}

class CBitmap {
public:
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // A device bitmap of the given size in the screen's format (contents undefined), or null
    // when the size is not positive or memory is short.
    static std::unique_ptr<CBitmap> CreateCompatible(int width, int height);
    // A device bitmap holding `image` converted to the screen's format; null for a null image.
    static std::unique_ptr<CBitmap> FromImage(const QImage& image);
    // A 24-bit section of width x height (rows of PaddedWidth(width) pixels, contents
    // undefined), or null when the size is not positive or memory is short.
    static std::unique_ptr<CBitmap> CreateSection(int width, int height);

    // The picture's size. A section reports its logical width, never the padded row length,
    // so the padding columns never become part of a picture.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    QSize Size() const { return {m_width, m_height}; }

    bool IsSection() const { return m_bits != nullptr; }
    // Section only: the first pixel byte (bottom row) and the row length in pixels.
    unsigned char* Bits() const { return m_bits; }
    int RowPixels() const { return PaddedWidth(m_width); }
    std::size_t ByteCount() const;

    // Device bitmap only: the image itself (screen format, top-down). Null image for sections.
    QImage& DeviceImage() { return m_image; }
    const QImage& DeviceImage() const { return m_image; }

    // The picture upright in the screen's format, for drawing. A device bitmap returns a
    // shallow copy; a section is converted (null image when memory is short).
    QImage ToImage() const;

private:
    CBitmap() = default;

    int m_width = 0;
    int m_height = 0;
    QImage m_image;
    unsigned char* m_bits = nullptr; // owned when a section
};

using BitmapHandle = std::unique_ptr<CBitmap>;
