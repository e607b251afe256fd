#include "imaging/DibBitmap.h"

#include "imaging/FitSize.h"
#include "imaging/LoadedImage.h"
#include "imaging/OffscreenDC.h"
#include "tests/imaging/ImagingTestUtil.h"

#include <gtest/gtest.h>

using namespace imagingtest;

TEST(DibBitmap, RowsArePaddedToFourPixels) {
    CDibBitmap dib;
    ASSERT_TRUE(dib.Create(1, 3));
    EXPECT_EQ(dib.paddedWidth, 4);
    EXPECT_EQ(dib.bitmap->ByteCount(), 3u * 12u); // three rows of 12 bytes
    ASSERT_TRUE(dib.Create(4, 2));
    EXPECT_EQ(dib.paddedWidth, 4);
    ASSERT_TRUE(dib.Create(5, 2));
    EXPECT_EQ(dib.paddedWidth, 8);
    EXPECT_EQ(dib.width, 5);
    // The handle reports the picture's width, never the padded row length.
    EXPECT_EQ(dib.bitmap->Width(), 5);
}

TEST(DibBitmap, TopLeftPixelLiesInTheLastRowInBlueGreenRedOrder) {
    CDibBitmap dib;
    ASSERT_TRUE(dib.CreateFilled(3, 4, kWhiteColour));
    ASSERT_TRUE(dib.SetPixel(0, 0, qRgb(0x11, 0x22, 0x33)));
    const unsigned char* p = dib.bits + std::size_t(4 - 1) * 4 * 3;
    EXPECT_EQ(p[0], 0x33);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x11);
    ASSERT_TRUE(dib.SetPixel(2, 3, qRgb(1, 2, 3))); // bottom-right: first row in memory
    EXPECT_EQ(dib.bits[2 * 3 + 0], 3);
    EXPECT_EQ(dib.bits[2 * 3 + 2], 1);
    EXPECT_EQ(dib.Offset(1, 2), std::size_t((1 + 1 * 4) * 3));
}

TEST(DibBitmap, CreateFilledTakesARedInTheLowByteColour) {
    CDibBitmap dib;
    ASSERT_TRUE(dib.CreateFilled(5, 2, 0x00332211));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(dib.PixelAt(x, y), qRgb(0x11, 0x22, 0x33)) << x << "," << y;
    EXPECT_EQ(dib.bits[0], 0x33);
}

TEST(DibBitmap, FailedCreateDescribesTheSizeButHasNoBitmap) {
    CDibBitmap dib;
    EXPECT_FALSE(dib.Create(0, 5));
    EXPECT_EQ(dib.width, 0);
    EXPECT_EQ(dib.height, 5);
    EXPECT_EQ(dib.bitmap, nullptr);
    EXPECT_EQ(dib.bits, nullptr);
    EXPECT_FALSE(dib.CreateFromBitmap(nullptr));
    EXPECT_FALSE(dib.SetPixel(0, 0, 0));
}

TEST(DibBitmap, DetachHandsOverTheBitmapWithItsPixels) {
    BitmapHandle handle;
    unsigned char* pixels = nullptr;
    {
        CDibBitmap dib;
        ASSERT_TRUE(dib.CreateFilled(2, 2, 0x000000FF));
        pixels = dib.bits;
        handle = dib.Detach();
        EXPECT_EQ(dib.bitmap, nullptr);
        EXPECT_EQ(dib.bits, nullptr);
    }
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->Bits(), pixels);
    EXPECT_EQ(pixels[2], 0xFF); // still alive after the CDibBitmap is gone
    EXPECT_EQ(handle->ToImage().pixel(1, 1), qRgb(255, 0, 0));
}

TEST(DibBitmap, CreateFromBitmapConvertsDeviceBitmapsAndCopiesSections) {
    const QImage source = DistinctImage(5, 3);
    BitmapHandle device = CBitmap::FromImage(source);
    ASSERT_NE(device, nullptr);
    EXPECT_FALSE(device->IsSection());
    CDibBitmap dib;
    ASSERT_TRUE(dib.CreateFromBitmap(device.get()));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(dib.PixelAt(x, y), DistinctColour(x, y));

    BitmapHandle section = dib.Detach();
    CDibBitmap copy;
    ASSERT_TRUE(copy.CreateFromBitmap(section.get()));
    EXPECT_NE(copy.bits, section->Bits());
    EXPECT_EQ(copy.bitmap->ToImage(), source);
}

TEST(DibBitmap, TransparentPicturesBecomeWhite) {
    QImage transparent(2, 1, QImage::Format_ARGB32);
    transparent.setPixel(0, 0, qRgba(0, 0, 0, 0));
    transparent.setPixel(1, 0, qRgba(10, 20, 30, 255));
    BitmapHandle device = CBitmap::FromImage(transparent);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->DeviceImage().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(device->DeviceImage().pixel(1, 0), qRgb(10, 20, 30));
}

TEST(LoadedImage, ResetDropsEverything) {
    LoadedImage image;
    CDibBitmap dib;
    ASSERT_TRUE(dib.Create(3, 3));
    image.width = 3;
    image.height = 3;
    image.pixels = dib.bits;
    image.bitmap = dib.Detach();
    image.Reset();
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(image.bitmap, nullptr);
    EXPECT_EQ(image.pixels, nullptr);
}

TEST(FitSize, KeepsProportionsInsideTheBox) {
    EXPECT_EQ(FitSize(4, 3, 100, 100), QSize(100, 75));
    EXPECT_EQ(FitSize(3, 4, 100, 100), QSize(75, 100));
    EXPECT_EQ(FitSize(1, 1, 100, 50), QSize(50, 50));
    EXPECT_EQ(FitSize(100, 75, 50, 50), QSize(50, 37));
    EXPECT_EQ(FitSize(0, 5, 50, 50), QSize(0, 0));
}

TEST(FitSize, TruncatesSinglePrecisionProducts) {
    // 97 * (100 / 97) is 99.99999 in single precision: the rule truncates it to 99.
    EXPECT_EQ(FitSize(97, 97, 100, 100), QSize(99, 100));
    EXPECT_EQ(FitSize(69, 115, 100, 100), QSize(59, 100));
    // Equal ratios take the box's height.
    EXPECT_EQ(FitSize(2, 1, 4, 2), QSize(4, 2));
}

TEST(OffscreenDC, FlushCopiesTheSurfaceToItsBounds) {
    COffscreenDC surface;
    ASSERT_TRUE(surface.Create(nullptr, QRect(3, 2, 4, 5)));
    surface.Painter()->fillRect(QRect(0, 0, 4, 5), QColor(10, 20, 30));
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        surface.FlushTo(painter);
    }
    EXPECT_EQ(target.pixel(3, 2), qRgb(10, 20, 30));
    EXPECT_EQ(target.pixel(6, 6), qRgb(10, 20, 30));
    EXPECT_EQ(target.pixel(7, 6), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(6, 7), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(2, 2), qRgb(255, 255, 255));
    surface.Release();
    EXPECT_FALSE(surface.IsCreated());
    EXPECT_EQ(surface.Painter(), nullptr);
    EXPECT_FALSE(surface.Create(nullptr, QRect(0, 0, 0, 5)));
}
