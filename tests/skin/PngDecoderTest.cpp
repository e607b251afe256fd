#include "skin/PngDecoder.h"

#include "tests/skin/TestPng.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdio>
#include <string>

namespace {

// The decoded bytes; none when nothing was decoded, so a failed decode fails the check
// instead of reading through a null buffer.
std::vector<std::uint8_t> Pixels(const DecodedPicture& picture) {
    if (!picture.pixels)
        return {};
    return {picture.pixels.get(),
            picture.pixels.get() + qsizetype(picture.width) * picture.height * 4};
}

std::string WriteTemp(const QTemporaryDir& dir, const char* name, const Bytes& data) {
    std::string path = dir.filePath(name).toStdString();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(data.data(), 1, data.size(), file);
    std::fclose(file);
    return path;
}

} // namespace

TEST(PngDecoder, PalettePictureBecomesRgbaWithItsTransparency) {
    TestPngLayout layout;
    layout.width = 3;
    layout.height = 1;
    layout.colourType = 3;
    layout.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    layout.transparency = {255, 0}; // entry 1 transparent, entry 2 has no tRNS entry: opaque
    layout.samples = {0, 1, 2};
    const Bytes png = MakePng(layout);
    DecodedPicture picture;
    ASSERT_EQ(DecodePngMemory(png.data(), png.size(), picture), kPngDecoded);
    EXPECT_EQ(picture.width, 3);
    EXPECT_EQ(picture.height, 1);
    EXPECT_EQ(Pixels(picture), (Bytes{255, 0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 255}));
}

TEST(PngDecoder, PalettePictureWithoutTransparencyGetsOpaqueAlpha) {
    TestPngLayout layout;
    layout.width = 2;
    layout.height = 2;
    layout.colourType = 3;
    layout.bitDepth = 1;
    layout.palette = {10, 20, 30, 40, 50, 60};
    layout.samples = {0x40, 0x80}; // rows: 0 1 / 1 0
    const Bytes png = MakePng(layout);
    DecodedPicture picture;
    ASSERT_EQ(DecodePngMemory(png.data(), png.size(), picture), kPngDecoded);
    EXPECT_EQ(Pixels(picture),
              (Bytes{10, 20, 30, 255, 40, 50, 60, 255, 40, 50, 60, 255, 10, 20, 30, 255}));
}

TEST(PngDecoder, RgbPictureGetsAnAlphaByteAndAColourKeyBecomesTransparent) {
    TestPngLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.colourType = 2;
    layout.samples = {1, 2, 3, 200, 100, 50};
    Bytes png = MakePng(layout);
    DecodedPicture picture;
    ASSERT_EQ(DecodePngMemory(png.data(), png.size(), picture), kPngDecoded);
    EXPECT_EQ(Pixels(picture), (Bytes{1, 2, 3, 255, 200, 100, 50, 255}));

    layout.transparency = {0, 200, 0, 100, 0, 50};
    png = MakePng(layout);
    ASSERT_EQ(DecodePngMemory(png.data(), png.size(), picture), kPngDecoded);
    EXPECT_EQ(Pixels(picture), (Bytes{1, 2, 3, 255, 200, 100, 50, 0}));
}

TEST(PngDecoder, GreyAndSixteenBitPicturesBecomeEightBitRgba) {
    TestPngLayout grey;
    grey.width = 2;
    grey.height = 1;
    grey.colourType = 0;
    grey.bitDepth = 4;
    grey.samples = {0xF0}; // 15, 0
    Bytes png = MakePng(grey);
    DecodedPicture picture;
    ASSERT_EQ(DecodePngMemory(png.data(), png.size(), picture), kPngDecoded);
    EXPECT_EQ(Pixels(picture), (Bytes{255, 255, 255, 255, 0, 0, 0, 255}));

    TestPngLayout greyAlpha;
    greyAlpha.colourType = 4;
    greyAlpha.samples = {77, 99};
    png = MakePng(greyAlpha);
    ASSERT_EQ(DecodePngMemory(png.data(), png.size(), picture), kPngDecoded);
    EXPECT_EQ(Pixels(picture), (Bytes{77, 77, 77, 99}));

    TestPngLayout deep;
    deep.colourType = 6;
    deep.bitDepth = 16;
    deep.samples = {0x12, 0x34, 0xAB, 0xCD, 0x00, 0xFF, 0x80, 0x01};
    png = MakePng(deep);
    ASSERT_EQ(DecodePngMemory(png.data(), png.size(), picture), kPngDecoded);
    EXPECT_EQ(Pixels(picture), (Bytes{0x12, 0xAB, 0x00, 0x80}));
}

TEST(PngDecoder, TruncatedOrDamagedDataFailsCleanly) {
    const Bytes png = MakeSolidPng(40, 30, 9, 8, 7, 255);
    DecodedPicture picture;
    // Cut at every length: inside the signature, the header, the pixel data, before IEND.
    for (std::size_t length : {std::size_t(0), std::size_t(5), std::size_t(20), std::size_t(40),
                               png.size() / 2, png.size() - 13}) {
        EXPECT_EQ(DecodePngMemory(png.data(), length, picture), kPngDecodeError) << length;
        EXPECT_FALSE(picture.pixels);
    }
    Bytes damaged = png;
    damaged[damaged.size() / 2] ^= 0xFF;
    EXPECT_EQ(DecodePngMemory(damaged.data(), damaged.size(), picture), kPngDecodeError);
    EXPECT_EQ(DecodePngMemory(nullptr, 0, picture), kPngNotFound);
}

TEST(PngDecoder, FileResultsDistinguishMissingForeignAndTruncatedFiles) {
    QTemporaryDir dir;
    const Bytes png = MakeSolidPng(4, 4, 1, 2, 3, 4);
    DecodedPicture picture;
    ASSERT_EQ(DecodePngFile(WriteTemp(dir, "good.png", png).c_str(), picture), kPngDecoded);
    EXPECT_EQ(picture.width, 4);
    EXPECT_EQ(Pixels(picture).at(3), 4);

    EXPECT_EQ(DecodePngFile(dir.filePath("none.png").toStdString().c_str(), picture), kPngNotFound);
    EXPECT_EQ(DecodePngFile(WriteTemp(dir, "text.png",
                                      Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'})
                                .c_str(),
                            picture),
              kPngBadSignature);
    EXPECT_EQ(DecodePngFile(WriteTemp(dir, "short.png", Bytes{0x89, 'P', 'N'}).c_str(), picture),
              kPngBadSignature);
    const Bytes truncated(png.begin(), png.begin() + std::ptrdiff_t(png.size() / 2));
    EXPECT_EQ(DecodePngFile(WriteTemp(dir, "cut.png", truncated).c_str(), picture),
              kPngDecodeError);
}
