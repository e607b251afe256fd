#include "imaging/PageThumb.h"

#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace imagingtest;

namespace {

class PageThumbTest : public CTempHomeTest {};

CPageThumb SolidThumb(int width, int height, QRgb colour, int box) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    BitmapHandle bitmap = CBitmap::FromImage(image);
    CPageThumb thumb;
    EXPECT_TRUE(thumb.MakeFromBitmap(bitmap.get(), nullptr, box, box));
    return thumb;
}

} // namespace

TEST(PageThumbSize, PortraitTakesTheBoxHeightLandscapeTheBoxWidth) {
    EXPECT_EQ(CPageThumb::ThumbSize(1600, 1200, 100, 100), QSize(100, 75));
    EXPECT_EQ(CPageThumb::ThumbSize(1200, 1600, 100, 100), QSize(75, 100));
    EXPECT_EQ(CPageThumb::ThumbSize(500, 500, 100, 100), QSize(100, 100));
    EXPECT_EQ(CPageThumb::ThumbSize(1200, 1600, 200, 100), QSize(75, 100));
    EXPECT_EQ(CPageThumb::ThumbSize(1600, 1200, 100, 200), QSize(100, 75));
    // Not bounded by the box otherwise.
    EXPECT_EQ(CPageThumb::ThumbSize(1600, 1600, 100, 50), QSize(50, 50));
    EXPECT_EQ(CPageThumb::ThumbSize(1000, 1600, 100, 200), QSize(125, 200));
}

TEST(PageThumbDraw, MakeFromBitmapKeepsSizesAndPicture) {
    QImage image = BlockImage(2, 1, 80); // 160 x 80: red | green
    BitmapHandle bitmap = CBitmap::FromImage(image);
    CPageThumb thumb;
    ASSERT_TRUE(thumb.MakeFromBitmap(bitmap.get(), nullptr, 100, 100));
    EXPECT_EQ(thumb.sourceWidth, 160);
    EXPECT_EQ(thumb.sourceHeight, 80);
    EXPECT_EQ(thumb.thumbWidth, 100);
    EXPECT_EQ(thumb.thumbHeight, 50);
    EXPECT_TRUE(thumb.IsLandscape());
    ASSERT_TRUE(thumb.HasSurface());
    EXPECT_EQ(thumb.surface->Image().size(), QSize(100, 50));
    EXPECT_EQ(thumb.surface->Image().pixel(10, 25), qRgb(255, 0, 0));
    EXPECT_EQ(thumb.surface->Image().pixel(90, 25), qRgb(0, 255, 0));
    thumb.Clear();
    EXPECT_EQ(thumb.thumbWidth, 0);
    EXPECT_EQ(thumb.sourceWidth, 0);
    EXPECT_FALSE(thumb.HasSurface());
    EXPECT_FALSE(thumb.MakeFromBitmap(nullptr, nullptr, 100, 100));
}

TEST(PageThumbDraw, DrawFitCentresTheFittedThumbnail) {
    const CPageThumb thumb = SolidThumb(1600, 1200, qRgb(200, 0, 0), 100); // 100 x 75
    ASSERT_EQ(thumb.thumbHeight, 75);
    QImage target(80, 80, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        thumb.DrawFit(painter, QRect(10, 20, 50, 50)); // 50 x 37 at vertical offset 6
    }
    const QRgb red = qRgb(200, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(target.pixel(10, 26), red);
    EXPECT_EQ(target.pixel(59, 62), red);
    EXPECT_EQ(target.pixel(10, 25), white);
    EXPECT_EQ(target.pixel(59, 63), white);
    EXPECT_EQ(target.pixel(60, 40), white);
    EXPECT_EQ(target.pixel(9, 40), white);
}

TEST(PageThumbDraw, DrawCenteredOffsetsOnlyWhereTheRectangleIsLarger) {
    const CPageThumb thumb = SolidThumb(1600, 1200, qRgb(0, 0, 200), 100); // 100 x 75
    QImage target(220, 100, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        thumb.DrawCentered(painter, QRect(0, 10, 200, 50));
    }
    const QRgb blue = qRgb(0, 0, 200);
    EXPECT_EQ(target.pixel(50, 10), blue); // x offset (200 - 100) / 2, y at the top edge
    EXPECT_EQ(target.pixel(149, 84), blue);
    EXPECT_EQ(target.pixel(49, 10), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(150, 10), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(50, 9), qRgb(255, 255, 255));
}

TEST(PageThumbDraw, NothingIsDrawnWithoutASurface) {
    CPageThumb thumb;
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    thumb.DrawFit(painter, QRect(0, 0, 10, 10));
    thumb.DrawCentered(painter, QRect(0, 0, 10, 10));
    painter.end();
    EXPECT_EQ(target.pixel(5, 5), qRgb(255, 255, 255));
}

TEST_F(PageThumbTest, BuildKeepsTheRealSizeOfAReducedDecode) {
    const QString path = PathIn("big.jpg");
    ASSERT_TRUE(WriteBytes(path, JpegBytes(BlockImage(2, 1, 800)))); // 1600 x 800
    CPageThumb thumb;
    ASSERT_TRUE(thumb.Build(path, nullptr, 100, 100));
    EXPECT_EQ(thumb.sourceWidth, 1600);
    EXPECT_EQ(thumb.sourceHeight, 800);
    EXPECT_EQ(thumb.thumbWidth, 100);
    EXPECT_EQ(thumb.thumbHeight, 50);
    const QImage& image = thumb.surface->Image();
    EXPECT_TRUE(Near(image.pixel(20, 25), BlockColour(0)));
    EXPECT_TRUE(Near(image.pixel(80, 25), BlockColour(1)));
}

TEST_F(PageThumbTest, BuildShowsTheUprightPicture) {
    const QString path = PathIn("turned.jpg");
    ASSERT_TRUE(WriteBytes(path, JpegBytes(BlockImage(2, 1, 800), 6)));
    CPageThumb thumb;
    ASSERT_TRUE(thumb.Build(path, nullptr, 100, 100));
    EXPECT_EQ(thumb.sourceWidth, 800);
    EXPECT_EQ(thumb.sourceHeight, 1600);
    EXPECT_EQ(thumb.thumbWidth, 50);
    EXPECT_EQ(thumb.thumbHeight, 100);
    EXPECT_FALSE(thumb.IsLandscape());
    const QImage& image = thumb.surface->Image();
    EXPECT_TRUE(Near(image.pixel(25, 20), BlockColour(0))); // stored left is now the top
    EXPECT_TRUE(Near(image.pixel(25, 80), BlockColour(1)));
}

TEST_F(PageThumbTest, SmallPicturesAreStretchedToTheBox) {
    const QString path = PathIn("small.png");
    ASSERT_TRUE(SavePng(BlockImage(1, 2, 4), path)); // 4 x 8
    CPageThumb thumb;
    ASSERT_TRUE(thumb.Build(path, nullptr, 100, 100));
    EXPECT_EQ(thumb.sourceWidth, 4);
    EXPECT_EQ(thumb.thumbWidth, 50);
    EXPECT_EQ(thumb.thumbHeight, 100);
    EXPECT_FALSE(thumb.Build(path, nullptr, 0, 100));
    EXPECT_EQ(thumb.sourceWidth, 0);
}

TEST_F(PageThumbTest, BuildTurnsEveryExifOrientationUpright) {
    const QImage stored = BlockImage(3, 2, 160); // 480 x 320, decoded at 1/8 for the thumb
    const QImage small = BlockImage(3, 2, 20);   // the same blocks at thumbnail size
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const QString path = PathIn(QString("o%1.jpg").arg(orientation));
        ASSERT_TRUE(WriteBytes(path, JpegBytes(stored, orientation)));
        const QImage expected = ExpectedUpright(small, orientation);
        CPageThumb thumb;
        ASSERT_TRUE(thumb.Build(path, nullptr, 60, 60));
        EXPECT_EQ(QSize(thumb.sourceWidth, thumb.sourceHeight),
                  orientation >= 5 ? QSize(320, 480) : QSize(480, 320));
        const QImage& image = thumb.surface->Image();
        ASSERT_EQ(image.size(), expected.size());
        for (int y = 10; y < expected.height(); y += 20)
            for (int x = 10; x < expected.width(); x += 20)
                EXPECT_TRUE(Near(image.pixel(x, y), expected.pixel(x, y)))
                    << x << "," << y << std::hex << " " << image.pixel(x, y);
    }
}

TEST_F(PageThumbTest, ReducedDecodeKeepsGreyAndOddSizedPictures) {
    // Grey JPEG (one component), odd size: 1/4 scale, then scaled to the exact thumb size.
    QImage grey(413, 211, QImage::Format_Grayscale8);
    grey.fill(90);
    const QString path = PathIn("grey.jpg");
    ASSERT_TRUE(grey.save(path, "JPEG", 100));
    CPageThumb thumb;
    ASSERT_TRUE(thumb.Build(path, nullptr, 100, 100));
    EXPECT_EQ(thumb.sourceWidth, 413);
    EXPECT_EQ(thumb.thumbWidth, 100);
    EXPECT_EQ(thumb.thumbHeight, 51);
    EXPECT_TRUE(Near(thumb.surface->Image().pixel(50, 25), qRgb(90, 90, 90), 2));
}

TEST_F(PageThumbTest, PagesCanBeMadeOnWorkerThreads) {
    const QString path = PathIn("shared.jpg");
    ASSERT_TRUE(WriteBytes(path, JpegBytes(BlockImage(3, 2, 64), 6)));
    std::vector<QImage> results(4);
    std::vector<std::thread> workers;
    for (int i = 0; i < 4; ++i) {
        workers.emplace_back([&, i] {
            CPageThumb thumb;
            if (thumb.Build(path, nullptr, 100, 100))
                results[i] = thumb.surface->Image().copy();
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    ASSERT_FALSE(results[0].isNull());
    EXPECT_EQ(results[0].size(), QSize(66, 100));
    for (const QImage& result : results)
        EXPECT_EQ(result, results[0]);
}
