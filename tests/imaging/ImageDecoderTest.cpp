#include "imaging/ImageDecoder.h"

#include "imaging/DibBitmap.h"
#include "imaging/ImageType.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <gtest/gtest.h>

using namespace imagingtest;

namespace {

// Compares the centre of every 16 x 16 block.
void ExpectBlocksMatch(const QImage& actual, const QImage& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (int by = 8; by < expected.height(); by += 16)
        for (int bx = 8; bx < expected.width(); bx += 16)
            EXPECT_TRUE(Near(actual.pixel(bx, by), expected.pixel(bx, by)))
                << "block at " << bx << "," << by << ": " << std::hex << actual.pixel(bx, by)
                << " expected " << expected.pixel(bx, by);
}

class ImageDecoderTest : public CImagingTest {};

} // namespace

TEST(ImageType, ExtensionTable) {
    const std::pair<const char*, int> table[] = {
        {".bmp", 1},  {".gif", 2},  {".png", 3},  {".jpg", 4},   {".jpeg", 4},  {".tiff", 5},
        {".tif", 5},  {".cut", 6},  {".dcx", 7},  {".dds", 8},   {".ico", 9},   {".mng", 10},
        {".pcd", 11}, {".pcx", 12}, {".pic", 13}, {".psd", 14},  {".psp", 15},  {".raw", 16},
        {".sgi", 17}, {".tga", 18}, {".xpm", 19}, {".jpe", 0},   {".webp", 20}, {"jpg", 0},
        {"", 0},      {".JPEG", 4}, {".Png", 3},  {".heic", 21}, {".HEIF", 21}, {".avif", 0},
    };
    for (const auto& [extension, code] : table)
        EXPECT_EQ(ImageTypeFromExtension(extension), code) << extension;
    EXPECT_EQ(ImageTypeFromPath("/a.b/photo.JPG"), 4);
    EXPECT_EQ(ImageTypeFromPath("/a.jpg/photo"), 0);
    EXPECT_EQ(ImageTypeFromPath("/x/a.jpg.tesimg"), 0);
}

TEST_F(ImageDecoderTest, LoadImageFileGivesTheSectionLayoutWithPixels) {
    const QString path = PathIn("d.png");
    ASSERT_TRUE(SavePng(DistinctImage(5, 3), path));
    LoadedImage image;
    ASSERT_TRUE(LoadImageFile(path, &image));
    EXPECT_EQ(image.width, 5);
    EXPECT_EQ(image.height, 3);
    ASSERT_NE(image.bitmap, nullptr);
    ASSERT_TRUE(image.bitmap->IsSection());
    EXPECT_EQ(image.pixels, image.bitmap->Bits());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const unsigned char* p = image.pixels + qsizetype(x + (3 - 1 - y) * 8) * 3;
            EXPECT_EQ(qRgb(p[2], p[1], p[0]), DistinctColour(x, y)) << x << "," << y;
        }
    EXPECT_FALSE(LoadImageFile(path, nullptr));
}

TEST_F(ImageDecoderTest, TransparentPicturesAreDrawnOverWhite) {
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    picture.setPixel(1, 1, qRgba(0, 0, 255, 255));
    const QString path = PathIn("t.png");
    ASSERT_TRUE(SavePng(picture, path));
    LoadedImage image;
    ASSERT_TRUE(LoadImageFile(path, &image));
    EXPECT_EQ(image.bitmap->ToImage().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.bitmap->ToImage().pixel(1, 1), qRgb(0, 0, 255));
}

TEST_F(ImageDecoderTest, AllEightExifOrientationsComeOutUpright) {
    const QImage stored = BlockImage(3, 2); // 48 x 32, six distinct blocks
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const QString path = PathIn(QString("o%1.jpg").arg(orientation));
        ASSERT_TRUE(WriteBytes(path, JpegBytes(stored, orientation)));
        const QImage expected = ExpectedUpright(stored, orientation);
        EXPECT_EQ(JpegOrientation(path), orientation);
        QSize size;
        ASSERT_TRUE(ReadImageSize(path, &size));
        EXPECT_EQ(size, expected.size());

        LoadedImage loaded;
        ASSERT_TRUE(LoadImageFile(path, &loaded));
        ExpectBlocksMatch(loaded.bitmap->ToImage(), expected);

        CImageObject* open = OpenImage(path);
        ASSERT_NE(open, nullptr);
        ASSERT_TRUE(GetImageInfo(open, &size));
        EXPECT_EQ(size, expected.size());
        BitmapHandle rendered = RenderImage(open);
        ASSERT_NE(rendered, nullptr);
        EXPECT_FALSE(rendered->IsSection());
        EXPECT_EQ(rendered->DeviceImage().format(), kScreenFormat);
        ExpectBlocksMatch(rendered->DeviceImage(), expected);
        EXPECT_TRUE(CloseImage(open));
    }
}

TEST_F(ImageDecoderTest, InvalidOrientationsCountAsUpright) {
    const QImage stored = BlockImage(3, 2);
    for (int orientation : {0, 9, 255}) {
        const QString path = PathIn(QString("bad%1.jpg").arg(orientation));
        ASSERT_TRUE(WriteBytes(path, JpegBytes(stored, orientation == 0 ? 0 : orientation)));
        EXPECT_EQ(JpegOrientation(path), 1) << orientation;
        LoadedImage loaded;
        ASSERT_TRUE(LoadImageFile(path, &loaded));
        ExpectBlocksMatch(loaded.bitmap->ToImage(), stored);
    }
    // An orientation tag of 0 written explicitly.
    QByteArray zero = JpegBytes(stored, 1);
    const int at = int(zero.indexOf(QByteArray::fromHex("01120003")));
    ASSERT_GT(at, 0);
    zero[at + 9] = 0;
    const QString path = PathIn("zero.jpg");
    ASSERT_TRUE(WriteBytes(path, zero));
    EXPECT_EQ(JpegOrientation(path), 1);
    // Intel byte order is read too; a PNG has no orientation.
    const QString intel = PathIn("intel.jpg");
    ASSERT_TRUE(WriteBytes(intel, JpegBytes(stored, 6, true)));
    EXPECT_EQ(JpegOrientation(intel), 6);
    const QString png = PathIn("p.png");
    ASSERT_TRUE(SavePng(stored, png));
    EXPECT_EQ(JpegOrientation(png), 1);
    EXPECT_EQ(JpegOrientation(PathIn("missing.jpg")), 1);
}

TEST_F(ImageDecoderTest, OpenImageListTracksWhatIsOpen) {
    const QString path = PathIn("a.png");
    ASSERT_TRUE(SavePng(DistinctImage(4, 2), path));
    CImageObject* first = OpenImage(path);
    CImageObject* second = OpenImage(path);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(OpenImageCount(), 2);
    BitmapHandle rendered = RenderImage(first);
    ASSERT_NE(rendered, nullptr);
    EXPECT_EQ(rendered->DeviceImage().pixel(3, 1), DistinctColour(3, 1));
    EXPECT_TRUE(CloseImage(first));
    EXPECT_FALSE(CloseImage(first)); // no longer in the list
    EXPECT_EQ(RenderImage(first), nullptr);
    QSize size;
    EXPECT_FALSE(GetImageInfo(first, &size));
    EXPECT_FALSE(CloseImage(nullptr));
    EXPECT_EQ(OpenImageCount(), 1);
    StopImaging();
    EXPECT_EQ(OpenImageCount(), 0);
    EXPECT_EQ(OpenImage(path), nullptr); // no session
    EXPECT_TRUE(StartImaging());
}

TEST_F(ImageDecoderTest, PortraitCopyOfALandscapePictureIsTurnedCounterClockwise) {
    const QString path = PathIn("wide.png");
    ASSERT_TRUE(SavePng(BlockImage(2, 1), path)); // left red, right green
    const CPortraitCopyResult result = MakePortraitCopy(path);
    ASSERT_TRUE(result.made);
    EXPECT_EQ(result.fileName, path + ".tesimg");
    QImage copy(result.fileName, "JPEG");
    ASSERT_EQ(copy.size(), QSize(16, 32));
    EXPECT_TRUE(Near(copy.pixel(8, 8), BlockColour(1))); // the right column is on top
    EXPECT_TRUE(Near(copy.pixel(8, 24), BlockColour(0)));
    EXPECT_EQ(ImageTypeFromExtension(".tesimg"), 0); // the page itself sets code 4
}

TEST_F(ImageDecoderTest, PortraitCopyOfDistinctPixelsMapsEveryPixel) {
    // Large enough blocks that the JPEG keeps each colour; a 3 x 2 grid has no symmetry.
    const QImage stored = BlockImage(3, 2);
    const QString path = PathIn("grid.png");
    ASSERT_TRUE(SavePng(stored, path));
    const CPortraitCopyResult result = MakePortraitCopy(path);
    ASSERT_TRUE(result.made);
    QImage expected(32, 48, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x)
            expected.setPixel(y, 48 - 1 - x, stored.pixel(x, y));
    ExpectBlocksMatch(QImage(result.fileName), expected);
}

TEST_F(ImageDecoderTest, SquareAndPortraitPicturesGetNoCopy) {
    for (const auto& [name, image] : {std::pair{QString("square.png"), BlockImage(2, 2)},
                                      std::pair{QString("tall.png"), BlockImage(1, 2)}}) {
        const QString path = PathIn(name);
        ASSERT_TRUE(SavePng(image, path));
        const CPortraitCopyResult result = MakePortraitCopy(path);
        EXPECT_FALSE(result.made) << name.toStdString();
        EXPECT_EQ(result.fileName, path);
        EXPECT_FALSE(QFile::exists(path + ".tesimg"));
    }
}

TEST_F(ImageDecoderTest, PortraitTestUsesTheUprightPicture) {
    // Stored landscape, shown portrait: no copy.
    const QString sideways = PathIn("sideways.jpg");
    ASSERT_TRUE(WriteBytes(sideways, JpegBytes(BlockImage(3, 2), 6)));
    EXPECT_FALSE(MakePortraitCopy(sideways).made);
    // Stored portrait, shown landscape: a copy of the upright picture, turned back.
    const QString lying = PathIn("lying.jpg");
    const QImage stored = BlockImage(2, 3);
    ASSERT_TRUE(WriteBytes(lying, JpegBytes(stored, 8)));
    const CPortraitCopyResult result = MakePortraitCopy(lying);
    ASSERT_TRUE(result.made);
    const QImage upright = ExpectedUpright(stored, 8);
    QImage expected(upright.height(), upright.width(), QImage::Format_RGB32);
    for (int y = 0; y < upright.height(); ++y)
        for (int x = 0; x < upright.width(); ++x)
            expected.setPixel(y, upright.width() - 1 - x, upright.pixel(x, y));
    ExpectBlocksMatch(QImage(result.fileName), expected);
}

TEST_F(ImageDecoderTest, FailedPortraitCopyLeavesNoFileAndUsesTheOriginal) {
    const QString path = PathIn("blocked.png");
    ASSERT_TRUE(SavePng(BlockImage(2, 1), path));
    ASSERT_TRUE(QDir().mkdir(path + ".tesimg")); // a folder where the copy would go
    const CPortraitCopyResult result = MakePortraitCopy(path);
    EXPECT_FALSE(result.made);
    EXPECT_EQ(result.fileName, path);
    EXPECT_TRUE(QFileInfo(path + ".tesimg").isDir());
}

TEST_F(ImageDecoderTest, CompleteFilesOfEveryFormatDecode) {
    // The completeness checks must never refuse a good file.
    const QImage source = BlockImage(3, 2);
    for (const char* format : {"PNG", "BMP", "GIF", "TIFF", "PPM"}) {
        const QString path = PathIn(QString("ok.%1").arg(QString(format).toLower()));
        if (!source.save(path, format))
            continue; // no writer for this format here
        SCOPED_TRACE(format);
        LoadedImage image;
        ASSERT_TRUE(LoadImageFile(path, &image));
        EXPECT_EQ(image.bitmap->ToImage(), source);
    }
    // A progressive JPEG and one with data after its end marker.
    QImage progressiveSource = BlockImage(3, 2);
    const QString progressive = PathIn("progressive.jpg");
    QImageWriter writer(progressive, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.setQuality(100);
    ASSERT_TRUE(writer.write(progressiveSource));
    LoadedImage image;
    EXPECT_TRUE(LoadImageFile(progressive, &image));
    const QString trailer = PathIn("trailer.jpg");
    ASSERT_TRUE(WriteBytes(trailer, JpegBytes(source) + QByteArray("camera maker's trailer")));
    EXPECT_TRUE(LoadImageFile(trailer, &image));
}
