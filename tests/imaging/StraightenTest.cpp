#include "imaging/Straighten.h"

#include "imaging/Enhance.h"
#include "imaging/PageFinder.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/imaging/ScanCorpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace imagingtest;

namespace {

// Bounds on the mean absolute grey error (0..255) between the straightened photo and the
// drawing. Both go through the Grey look (the photo's uneven light evened out, the same
// levels for both) and are compared at a third of the drawing's size, about the resolution
// at which the photo shows the page: what is left is misplacement, blur and noise.
constexpr double kTrueCornersBound = 8.0;
constexpr double kFoundCornersBound = 8.0;

QImage Compared(const QImage& picture, QSize pageSize) {
    return EnhanceImage(picture, ELook::Grey)
        .scaled(pageSize / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

// Every generated photo straightened with the corners found in it matches its drawing.
TEST(StraightenTest, TheStraightenedPageMatchesTheDrawing) {
    double worstTrue = 0;
    double worstFound = 0;
    double sumFound = 0;
    int compared = 0;
    for (int i = 0; i < kScanCaseCount; ++i) {
        const CScanCase c = MakeScanCase(i);
        const QImage drawing = Compared(c.page, c.page.size());
        const QImage withTrue = StraightenImage(c.photo, c.corners);
        ASSERT_FALSE(withTrue.isNull());
        const double trueError = MeanGreyError(Compared(withTrue, c.page.size()), drawing);
        const auto sheet = FindSheet(c.photo);
        double foundError = -1;
        if (sheet) {
            const QImage withFound = StraightenImage(c.photo, *sheet);
            foundError = MeanGreyError(Compared(withFound, c.page.size()), drawing);
            worstFound = std::max(worstFound, foundError);
            sumFound += foundError;
            ++compared;
        }
        std::printf("  %s: error %.2f with the true corners, %.2f with the found ones\n",
                    qPrintable(c.name), trueError, foundError);
        worstTrue = std::max(worstTrue, trueError);
        EXPECT_LT(trueError, kTrueCornersBound) << c.name.toStdString();
        if (sheet) {
            EXPECT_LT(foundError, kFoundCornersBound) << c.name.toStdString();
        }
    }
    std::printf("  worst %.2f (true corners), %.2f (found), mean %.2f over %d\n", worstTrue,
                worstFound, compared ? sumFound / compared : 0.0, compared);
    EXPECT_GE(compared, 18);
}

// Corners on whole pixels of an upright rectangle: the warp is a plain copy of that part, so
// the pixel-centre convention and the row order of sections and device bitmaps show exactly.
TEST(StraightenTest, AnUprightRectangleIsCopiedPixelForPixel) {
    const QImage picture = DistinctImage(37, 29);
    const CPageCorners corners({5, 3}, {30, 3}, {30, 20}, {5, 20});
    const QImage expected = picture.copy(5, 3, 26, 18);
    EXPECT_EQ(StraightenImage(picture, corners), expected);

    BitmapHandle section = CBitmap::CreateSection(picture.width(), picture.height());
    ASSERT_TRUE(section);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            unsigned char* p =
                section->Bits() +
                (std::size_t(x) + std::size_t(picture.height() - 1 - y) * section->RowPixels()) * 3;
            p[0] = uchar(qBlue(picture.pixel(x, y)));
            p[1] = uchar(qGreen(picture.pixel(x, y)));
            p[2] = uchar(qRed(picture.pixel(x, y)));
        }
    const BitmapHandle straightened = StraightenBitmap(*section, corners);
    ASSERT_TRUE(straightened);
    EXPECT_TRUE(straightened->IsSection());
    EXPECT_EQ(straightened->ToImage(), expected);
}

TEST(StraightenTest, RefusesCrossedCornersAndGiantResults) {
    const QImage picture = DistinctImage(40, 30);
    EXPECT_TRUE(
        StraightenImage(picture, CPageCorners({0, 0}, {39, 29}, {39, 0}, {0, 29})).isNull());
    EXPECT_TRUE(
        StraightenImage(picture, CPageCorners({-500, -500}, {500, -500}, {500, 500}, {-500, 500}))
            .isNull());
    EXPECT_TRUE(StraightenImage(QImage(), CPageCorners::Whole(40, 30)).isNull());
    // A little beyond the edge is allowed: the border pixels repeat.
    const QImage wider =
        StraightenImage(picture, CPageCorners({-2, 0}, {41, 0}, {41, 29}, {-2, 29}));
    ASSERT_EQ(wider.size(), QSize(44, 30));
    EXPECT_EQ(wider.pixel(0, 10), picture.pixel(0, 10));
    EXPECT_EQ(wider.pixel(43, 10), picture.pixel(39, 10));
}
