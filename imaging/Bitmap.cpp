#include "imaging/Bitmap.h"

#include "imaging/PixelOps.h"

#include <QPainter>

#include <new>

CBitmap::~CBitmap() {
    delete[] m_bits;
}

std::unique_ptr<CBitmap> CBitmap::CreateCompatible(int width, int height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    QImage image(width, height, kScreenFormat);
    if (image.isNull())
        return nullptr;
    std::unique_ptr<CBitmap> bitmap(new CBitmap);
    bitmap->m_width = width;
    bitmap->m_height = height;
    bitmap->m_image = std::move(image);
    return bitmap;
}

std::unique_ptr<CBitmap> CBitmap::FromImage(const QImage& image) {
    if (image.isNull())
        return nullptr;
    QImage converted;
    if (image.format() == kScreenFormat) {
        converted = image;
    } else if (image.hasAlphaChannel()) {
        // The screen has no transparency: what is transparent shows the white picture ground.
        converted = QImage(image.size(), kScreenFormat);
        if (converted.isNull())
            return nullptr;
        converted.fill(Qt::white);
        QPainter painter(&converted);
        painter.drawImage(0, 0, image);
    } else {
        converted = image.convertToFormat(kScreenFormat);
    }
    if (converted.isNull())
        return nullptr;
    std::unique_ptr<CBitmap> bitmap(new CBitmap);
    bitmap->m_width = converted.width();
    bitmap->m_height = converted.height();
    bitmap->m_image = std::move(converted);
    return bitmap;
}

std::unique_ptr<CBitmap> CBitmap::CreateSection(int width, int height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    const std::size_t bytes = std::size_t(PaddedWidth(width)) * std::size_t(height) * 3;
    unsigned char* bits = new (std::nothrow) unsigned char[bytes];
    if (!bits)
        return nullptr;
    std::unique_ptr<CBitmap> bitmap(new CBitmap);
    bitmap->m_width = width;
    bitmap->m_height = height;
    bitmap->m_bits = bits;
    return bitmap;
}

std::size_t CBitmap::ByteCount() const {
    if (m_bits)
        return std::size_t(RowPixels()) * std::size_t(m_height) * 3;
    return std::size_t(m_image.sizeInBytes());
}

QImage CBitmap::ToImage() const {
    if (m_bits)
        return SectionBitsToImage(m_bits, m_width, m_height);
    return m_image;
}
