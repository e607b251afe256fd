#include "imaging/PageFinder.h"

#include "imaging/PageCorners.h"
#include "imaging/Straighten.h"
#include "tests/imaging/ScanCorpus.h"

#include <QBuffer>
#include <QLineF>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace imagingtest;

namespace {

double Diagonal(const QImage& image) {
    return std::hypot(image.width(), image.height());
}

} // namespace

TEST(PageCornersTest, OrdersPointsFromTheTopLeftClockwise) {
    const CPageCorners expected({10, 12}, {200, 5}, {210, 300}, {3, 280});
    const CPageCorners shuffled = CPageCorners::FromUnordered(
        {expected.BottomRight(), expected.TopLeft(), expected.BottomLeft(), expected.TopRight()});
    EXPECT_EQ(shuffled, expected);
    // A sheet turned by almost 45 degrees still starts at the corner nearest the top-left.
    const CPageCorners diamond = CPageCorners::FromUnordered(
        {QPointF(100, 0), QPointF(210, 100), QPointF(100, 200), QPointF(0, 90)});
    EXPECT_EQ(diamond.TopLeft(), QPointF(0, 90));
    EXPECT_EQ(diamond.TopRight(), QPointF(100, 0));
}

TEST(PageCornersTest, ShapeMeasures) {
    const CPageCorners whole = CPageCorners::Whole(640, 480);
    EXPECT_TRUE(whole.IsWhole(640, 480));
    EXPECT_FALSE(whole.IsWhole(641, 480));
    EXPECT_TRUE(whole.IsConvex());
    EXPECT_DOUBLE_EQ(whole.Area(), 639.0 * 479.0);
    EXPECT_EQ(whole.StraightenedSize(), QSize(640, 480));
    // A trapezoid takes the longer of opposite sides.
    const CPageCorners trapezoid({20, 0}, {80, 0}, {100, 200}, {0, 200});
    EXPECT_EQ(trapezoid.StraightenedSize().width(), 101);
    EXPECT_EQ(trapezoid.StraightenedSize().height(),
              int(std::lround(QLineF(QPointF(20, 0), QPointF(0, 200)).length())) + 1);
    // Crossed (bow-tie) and degenerate outlines are not sheets.
    EXPECT_FALSE(CPageCorners({0, 0}, {100, 100}, {100, 0}, {0, 100}).IsConvex());
    EXPECT_FALSE(CPageCorners({0, 0}, {50, 0}, {100, 0}, {0, 100}).IsConvex());
    EXPECT_FALSE(CPageCorners().IsConvex());
    const CPageCorners outside({-5, -5}, {700, 3}, {650, 500}, {2, 470});
    EXPECT_EQ(outside.ClampedTo(640, 480), CPageCorners({0, 0}, {639, 3}, {639, 479}, {2, 470}));
}

// The whole generated set: corners within 2 % of the photo's diagonal in at least 18 of 20
// cases.
TEST(PageFinderTest, FindsTheSheetInTheGeneratedPhotos) {
    int found = 0;
    double worst = 0;
    for (int i = 0; i < kScanCaseCount; ++i) {
        const CScanCase c = MakeScanCase(i);
        const auto sheet = FindSheet(c.photo);
        const double error = sheet ? sheet->MaxDistance(c.corners) / Diagonal(c.photo) : 1.0;
        std::printf("  %s: corner error %.2f %% of the diagonal\n", qPrintable(c.name),
                    100 * error);
        if (error <= 0.02)
            ++found;
        else
            std::printf("  not found: %s\n", qPrintable(c.name));
        worst = std::max(worst, error);
    }
    std::printf("  found %d of %d\n", found, kScanCaseCount);
    EXPECT_GE(found, 18);
}

// Larger photos show the desk's pattern finer on the scaled-down copy, and a camera's JPEG
// adds its blocks: the patterned desks at camera size still give their sheets.
TEST(PageFinderTest, FindsTheSheetInCameraSizedJpegPhotos) {
    for (const int index : {1, 4, 6, 11}) {
        const CScanCase c = MakeScanCase(index, 2048);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        ASSERT_TRUE(c.photo.save(&buffer, "JPEG", 85));
        const QImage photo = QImage::fromData(jpeg);
        const auto sheet = FindSheet(photo);
        ASSERT_TRUE(sheet) << c.name.toStdString();
        EXPECT_LT(sheet->MaxDistance(c.corners), 0.02 * Diagonal(photo)) << c.name.toStdString();
    }
}

TEST(PageFinderTest, APictureWithoutASheetKeepsItsOwnCorners) {
    for (int kind = 0; kind < 5; ++kind) {
        QImage desk = DrawDesk(QSize(800, 600), kind, 77);
        LightAndNoise(desk, 5);
        EXPECT_FALSE(FindSheet(desk).has_value()) << "desk " << kind;
        EXPECT_TRUE(FindPageCorners(desk).IsWhole(800, 600));
    }
    // A page photographed so close that its edges are outside the picture.
    QImage close = DrawPage(QSize(700, 990), 3).copy(40, 60, 600, 800);
    LightAndNoise(close, 9);
    EXPECT_FALSE(FindSheet(close).has_value());
    EXPECT_EQ(FindPageCorners(close), CPageCorners::Whole(600, 800));
    // Nothing to find in a flat or tiny picture.
    QImage grey(300, 200, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    EXPECT_TRUE(FindPageCorners(grey).IsWhole(300, 200));
    EXPECT_TRUE(FindPageCorners(QImage(4, 4, QImage::Format_RGB32)).IsWhole(4, 4));
    EXPECT_EQ(FindPageCorners(QImage()), CPageCorners::Whole(0, 0));
}

// A small sheet far off in a corner, or a narrow strip, is not taken for the page.
TEST(PageFinderTest, RefusesImplausibleShapes) {
    QImage photo = DrawDesk(QSize(800, 600), 2, 4);
    {
        QPainter painter(&photo);
        painter.fillRect(QRect(20, 20, 90, 120), QColor(245, 245, 245));   // 2 % of the picture
        painter.fillRect(QRect(200, 300, 560, 40), QColor(245, 245, 245)); // a strip
    }
    LightAndNoise(photo, 2);
    EXPECT_FALSE(FindSheet(photo).has_value());
}

// The same photo as a 24-bit section (rows bottom-up) and as a device bitmap gives the same
// corners: the row order of the pixels never turns the sheet upside down.
TEST(PageFinderTest, SectionsAndDeviceBitmapsAgree) {
    const CScanCase c = MakeScanCase(3, 800);
    const BitmapHandle device = CBitmap::FromImage(c.photo);
    ASSERT_TRUE(device);
    BitmapHandle section = CBitmap::CreateSection(c.photo.width(), c.photo.height());
    ASSERT_TRUE(section);
    for (int y = 0; y < c.photo.height(); ++y)
        for (int x = 0; x < c.photo.width(); ++x) {
            unsigned char* p =
                section->Bits() +
                (std::size_t(x) + std::size_t(c.photo.height() - 1 - y) * section->RowPixels()) * 3;
            const QRgb colour = c.photo.pixel(x, y);
            p[0] = uchar(qBlue(colour));
            p[1] = uchar(qGreen(colour));
            p[2] = uchar(qRed(colour));
        }
    const auto fromDevice = FindSheet(*device);
    const auto fromSection = FindSheet(*section);
    ASSERT_TRUE(fromDevice && fromSection);
    EXPECT_LT(fromDevice->MaxDistance(*fromSection), 0.01);
    EXPECT_LT(fromSection->MaxDistance(c.corners), 0.02 * Diagonal(c.photo));
}
