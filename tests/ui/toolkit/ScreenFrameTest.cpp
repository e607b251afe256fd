#include "ui/toolkit/ScreenFrame.h"

#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "tests/support/SkinnedDeviceTest.h"

#include <QPainter>

namespace {

class ScreenFrameTest : public CSkinnedDeviceTest {
protected:
    QImage Frame(int w, int h, std::int32_t picture, int footer) {
        QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        DrawScreenFrame(w, h, p, "Caption", "Heading", picture, footer);
        return image;
    }
};

TEST_F(ScreenFrameTest, OnAVgaScreenTheHeaderIs68PixelsAndThePictureSitsAtWidthMinus66) {
    ASSERT_TRUE(IsHighResolution());
    const int w = 480, h = 536;
    const QImage plain = Frame(w, h, 0, kFooterNone);
    // Band colour down to the separator, which takes the band's last two rows.
    EXPECT_EQ(plain.pixel(w - 80, 0), qRgb(0xF8, 0xF8, 0xF8));
    EXPECT_EQ(plain.pixel(w - 80, 65), qRgb(0xF8, 0xF8, 0xF8));
    EXPECT_EQ(plain.pixel(w - 80, 66), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(plain.pixel(w - 80, 67), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(plain.pixel(w - 80, 68), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(plain.pixel(10, h - 1), qRgb(0xFF, 0xFF, 0xFF)); // no footer

    const std::int32_t picture = SkinAddImage(ids::IDB_MSG_QUESTION);
    ASSERT_GT(picture, 0);
    const QImage framed = Frame(w, h, picture, kFooterNone);
    QImage expected = plain;
    {
        QPainter p(&expected);
        SkinDrawImage(p, picture, w - 66, 2);
    }
    EXPECT_EQ(framed, expected);
    EXPECT_NE(framed, plain);
}

TEST_F(ScreenFrameTest, FooterModesTwoAndThreeAddA54PixelBandOnVga) {
    const int w = 480, h = 536;
    for (int mode : {kFooterBand, kFooterBandAlt}) {
        const QImage image = Frame(w, h, 0, mode);
        EXPECT_EQ(image.pixel(5, h - 55), qRgb(0xFF, 0xFF, 0xFF)) << mode;
        EXPECT_EQ(image.pixel(5, h - 54), qRgb(0xC0, 0xC0, 0xC0)) << mode;
        EXPECT_EQ(image.pixel(5, h - 52), qRgb(0xF8, 0xF8, 0xF8)) << mode;
        EXPECT_EQ(image.pixel(5, h - 1), qRgb(0xF8, 0xF8, 0xF8)) << mode;
    }
    EXPECT_EQ(Frame(w, h, 0, 1).pixel(5, h - 1), qRgb(0xFF, 0xFF, 0xFF));
}

TEST_F(ScreenFrameTest, OnAQvgaScreenEverythingIsHalved) {
    UseScreen(QSize(240, 320));
    ASSERT_FALSE(IsHighResolution());
    const QImage image = Frame(240, 268, 0, kFooterBand);
    EXPECT_EQ(image.pixel(200, 32), qRgb(0xF8, 0xF8, 0xF8));
    EXPECT_EQ(image.pixel(200, 33), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixel(200, 34), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.pixel(5, 268 - 27), qRgb(0xC0, 0xC0, 0xC0));
}

TEST_F(ScreenFrameTest, StyleZeroDrawsNoBandsAndBindingResetsTheScheme) {
    FrameColours().style = 0;
    FrameColours().header = 0x0000FF;
    const QImage image = Frame(480, 536, 0, kFooterBand);
    EXPECT_EQ(image.pixel(470, 30), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.pixel(1, 66), qRgb(0, 0, 255)); // the dashes start blue at the left
    ResetFrameColours();
    EXPECT_EQ(FrameColours().style, 1);
    EXPECT_EQ(FrameColours().header, 0xF8F8F8u);
}

} // namespace
