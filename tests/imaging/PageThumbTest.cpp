#include "imaging/PageThumb.h"

#include "imaging/JpegReducedDecoder.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>

#include <thread>
#include <vector>

using namespace imagingtest;

namespace {

class PageThumbTest : public CTempHomeTest {};

// How far a colour may move through JPEG at quality 100 and the scaling of the thumbnail.
constexpr int kJpegRounding = 8;

CPageThumb SolidThumb(int width, int height, QRgb colour, int box) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    BitmapHandle bitmap = CBitmap::FromImage(image);
    CPageThumb thumb;
    EXPECT_TRUE(thumb.MakeFromBitmap(bitmap.get(), nullptr, box, box));
    return thumb;
}

// A picture of four equal quadrants. Their edges fall on 16-pixel boundaries, so JPEG keeps the
// colours apart.
QImage Quadrants(QSize size, QRgb topLeft, QRgb topRight, QRgb bottomLeft, QRgb bottomRight) {
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2, h = size.height() / 2;
    QPainter painter(&image);
    painter.fillRect(0, 0, w, h, QColor(topLeft));
    painter.fillRect(w, 0, w, h, QColor(topRight));
    painter.fillRect(0, h, w, h, QColor(bottomLeft));
    painter.fillRect(w, h, w, h, QColor(bottomRight));
    return image;
}

// The picture as a JPEG file from Qt's own writer, at quality 100.
QByteArray QtJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 100);
    return bytes;
}

// The JPEG with an EXIF block (APP1) holding one tag, Orientation, placed after the JFIF block.
QByteArray WithOrientation(const QByteArray& jpeg, int orientation, bool littleEndian) {
    const auto u16 = [&](int v) {
        QByteArray bytes;
        bytes += char(littleEndian ? v & 0xFF : v >> 8);
        bytes += char(littleEndian ? v >> 8 : v & 0xFF);
        return bytes;
    };
    const auto u32 = [&](int v) {
        return littleEndian ? u16(v & 0xFFFF) + u16(v >> 16) : u16(v >> 16) + u16(v & 0xFFFF);
    };
    QByteArray tiff = littleEndian ? "II" : "MM";
    tiff += u16(42) + u32(8);                    // header, first directory at offset 8
    tiff += u16(1);                              // one entry:
    tiff += u16(0x0112) + u16(3) + u32(1);       // Orientation, SHORT, one value,
    tiff += u16(orientation) + QByteArray(2, 0); // in the first two bytes of the value field
    tiff += u32(0);                              // no further directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(payload.size()) + 2; // segment lengths are always big-endian
    const QByteArray segment =
        QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + payload;

    qsizetype at = 2; // after SOI
    if (jpeg.mid(2, 2) == QByteArray("\xFF\xE0", 2))
        at += 2 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5]));
    return jpeg.left(at) + segment + jpeg.mid(at);
}

// The pixels of `image` that are not within JPEG rounding of the quadrant colours they should
// have (the first few, and how many); empty when every pixel is right.
QString QuadrantMisses(const QImage& image, QRgb topLeft, QRgb topRight, QRgb bottomLeft,
                       QRgb bottomRight) {
    QString misses;
    int count = 0;
    const int w = image.width() / 2, h = image.height() / 2;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected =
                y < h ? (x < w ? topLeft : topRight) : (x < w ? bottomLeft : bottomRight);
            const QRgb got = image.pixel(x, y);
            if (Near(got, expected, kJpegRounding) || ++count > 4)
                continue;
            misses += QString("(%1,%2) is %3 not %4; ")
                          .arg(x)
                          .arg(y)
                          .arg(got & 0xFFFFFF, 6, 16, QChar(u'0'))
                          .arg(expected & 0xFFFFFF, 6, 16, QChar(u'0'));
        }
    }
    if (count > 0)
        misses += QString("%1 of %2 pixels wrong").arg(count).arg(image.width() * image.height());
    return misses;
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

// An upright landscape picture of four coloured quadrants, stored as a camera held in each of
// the eight ways stores it. The stored quadrants follow from what each EXIF orientation says
// of where the stored first row and first column belong in the upright picture.
TEST_F(PageThumbTest, BuildTurnsEveryExifOrientationUpright) {
    const QRgb r = qRgb(255, 0, 0), g = qRgb(0, 255, 0), b = qRgb(0, 0, 255), y = qRgb(255, 255, 0);
    struct {
        int orientation;
        QRgb topLeft, topRight, bottomLeft, bottomRight; // as stored
    } const pictures[] = {
        {1, r, g, b, y}, // first row top, first column left
        {2, g, r, y, b}, // top, right
        {3, y, b, g, r}, // bottom, right
        {4, b, y, r, g}, // bottom, left
        {5, r, b, g, y}, // left, top
        {6, g, y, r, b}, // right, top
        {7, y, g, b, r}, // right, bottom
        {8, b, r, y, g}, // left, bottom
        {0, r, g, b, y}, // not a valid value: shown as stored
        {9, r, g, b, y},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.orientation);
        const bool turned = p.orientation >= 5 && p.orientation <= 8;
        const QImage stored = Quadrants(turned ? QSize(320, 480) : QSize(480, 320), p.topLeft,
                                        p.topRight, p.bottomLeft, p.bottomRight);
        const QString path = PathIn(QString("o%1.jpg").arg(p.orientation));
        // Both byte orders of the EXIF block occur in camera files.
        ASSERT_TRUE(WriteBytes(path, WithOrientation(QtJpeg(stored), p.orientation,
                                                     /*littleEndian=*/p.orientation % 2 == 0)));
        CPageThumb thumb;
        ASSERT_TRUE(thumb.Build(path, nullptr, 96, 96));
        EXPECT_EQ(thumb.sourceWidth, 480);
        EXPECT_EQ(thumb.sourceHeight, 320);
        ASSERT_EQ(thumb.surface->Image().size(), QSize(96, 64));
        // Upright: red | green over blue | yellow, split at x = 48 and y = 32.
        EXPECT_EQ(QuadrantMisses(thumb.surface->Image(), r, g, b, y).toStdString(), "");
    }
}

// An auto-portrait page: the upright picture turned counter-clockwise, whatever the
// orientation it was stored in. Upright red | green over blue | yellow becomes
// green | yellow over red | blue.
TEST_F(PageThumbTest, ATurnedBuildTurnsTheUprightPictureCounterClockwise) {
    const QRgb r = qRgb(255, 0, 0), g = qRgb(0, 255, 0), b = qRgb(0, 0, 255), y = qRgb(255, 255, 0);
    struct {
        int orientation;
        QRgb topLeft, topRight, bottomLeft, bottomRight; // as stored
    } const pictures[] = {
        {1, r, g, b, y}, {2, g, r, y, b}, {3, y, b, g, r}, {4, b, y, r, g},
        {5, r, b, g, y}, {6, g, y, r, b}, {7, y, g, b, r}, {8, b, r, y, g},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.orientation);
        const bool turned = p.orientation >= 5;
        const QImage stored = Quadrants(turned ? QSize(320, 480) : QSize(480, 320), p.topLeft,
                                        p.topRight, p.bottomLeft, p.bottomRight);
        const QString path = PathIn(QString("t%1.jpg").arg(p.orientation));
        ASSERT_TRUE(WriteBytes(path, WithOrientation(QtJpeg(stored), p.orientation, false)));
        CPageThumb thumb;
        ASSERT_TRUE(thumb.Build(path, nullptr, 96, 96, /*turnCcw=*/true));
        EXPECT_EQ(thumb.sourceWidth, 320);
        EXPECT_EQ(thumb.sourceHeight, 480);
        EXPECT_FALSE(thumb.IsLandscape());
        ASSERT_EQ(thumb.surface->Image().size(), QSize(64, 96));
        EXPECT_EQ(QuadrantMisses(thumb.surface->Image(), g, y, r, b).toStdString(), "");
    }
    // A picture smaller than its thumbnail is turned too (decoded whole, then stretched).
    const QString small = PathIn("small.png");
    ASSERT_TRUE(SavePng(Quadrants(QSize(48, 32), r, g, b, y), small));
    CPageThumb thumb;
    ASSERT_TRUE(thumb.Build(small, nullptr, 96, 96, true));
    const QImage& image = thumb.surface->Image();
    ASSERT_EQ(image.size(), QSize(64, 96));
    // Stretching blends the seams; the middle of each quarter is clean.
    EXPECT_EQ(image.pixel(16, 24), g);
    EXPECT_EQ(image.pixel(48, 24), y);
    EXPECT_EQ(image.pixel(16, 72), r);
    EXPECT_EQ(image.pixel(48, 72), b);
}

TEST(PageTurn, TheTurnedOrientationIsTheOrientationFollowedByTheTurn) {
    const QImage stored = DistinctImage(5, 3);
    const QImage turnOnly = OrientUpright(stored, 8);    // counter-clockwise
    EXPECT_EQ(turnOnly.pixel(0, 0), stored.pixel(4, 0)); // the right column became the top row
    EXPECT_EQ(turnOnly.pixel(2, 4), stored.pixel(0, 2));
    for (int o = 0; o <= 9; ++o) {
        const int upright = o >= 1 && o <= 8 ? o : 1;
        EXPECT_EQ(OrientUpright(stored, OrientationTurnedCcw(o)),
                  OrientUpright(OrientUpright(stored, upright), 8))
            << o;
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
    workers.reserve(4);
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
