#include "skin/binding/SkinBinding.h"

#include "platform/Device.h"

#include <gtest/gtest.h>

namespace {

class ScreenMetrics : public ::testing::Test {
protected:
    void TearDown() override { platform::SetDeviceScreenSize(QSize(480, 640)); }
};

} // namespace

TEST_F(ScreenMetrics, ScreenClassFollowsTheTableAndTheDeviceTurning) {
    const struct {
        int w, h, screenClass;
    } table[] = {{240, 320, 1},  {320, 240, 2},  {480, 640, 3}, {640, 480, 4},  {240, 240, 5},
                 {320, 320, 6},  {480, 480, 7},  {240, 400, 8}, {400, 240, 9},  {480, 800, 10},
                 {800, 480, 11}, {240, 440, 13}, {440, 240, 0}, {600, 1024, 0}, {0, 0, 0}};
    for (const auto& row : table)
        EXPECT_EQ(ScreenClassForSize(row.w, row.h), row.screenClass) << row.w << "x" << row.h;

    platform::SetDeviceScreenSize(QSize(240, 320));
    EXPECT_EQ(GetScreenClass(), 1);
    platform::SetDeviceScreenSize(QSize(320, 240)); // turned: asked afresh
    EXPECT_EQ(GetScreenClass(), 2);
}

TEST_F(ScreenMetrics, LayoutMetricsByResolutionAndSquareScreen) {
    auto same = [](SkinLayoutMetrics m, int h, int v, int large, int fixed) {
        return m.horizontalFactor == h && m.verticalFactor == v && m.largeSize == large &&
               m.fixedSize == fixed;
    };
    EXPECT_TRUE(same(LayoutMetricsFor(true, 3), 14, 28, 52, 8));
    EXPECT_TRUE(same(LayoutMetricsFor(false, 1), 7, 14, 26, 8));
    EXPECT_TRUE(same(LayoutMetricsFor(false, 6), 9, 19, 35, 8));
    EXPECT_TRUE(same(LayoutMetricsFor(true, 6), 18, 38, 70, 8));
    EXPECT_TRUE(same(LayoutMetricsFor(false, 0), 7, 14, 26, 8));
}

TEST_F(ScreenMetrics, LayoutFromTheLogicalSizePicturesFromThePhysicalPixels) {
    const struct {
        QSize logical;
        double ratio;
        int screenClass;
        bool high, vga;
        int pictureRatio;
    } cases[] = {
        // Scale 1: the library of the resolution flag, 1:1, as ever.
        {{240, 320}, 1.0, 1, false, false, 1},
        {{480, 640}, 1.0, 3, true, true, 1},
        {{360, 720}, 1.0, 0, false, false, 1},
        // Scale 2: a 240 x 320 screen has 480 x 640 pixels and draws the VGA pictures at half
        // size; so does a phone's 360 x 720. A VGA layout has no finer pictures to take.
        {{240, 320}, 2.0, 1, false, true, 2},
        {{360, 720}, 2.0, 0, false, true, 2},
        {{320, 240}, 2.0, 2, false, true, 2},
        {{480, 640}, 2.0, 3, true, true, 1},
        // Fractional scales and 3 take the nearest larger class (or the finest there is).
        {{240, 320}, 1.25, 1, false, true, 2},
        {{240, 320}, 1.5, 1, false, true, 2},
        {{240, 320}, 3.0, 1, false, true, 2},
        {{480, 640}, 1.5, 3, true, true, 1},
        // Rounding noise in a ratio of 1 is no denser display.
        {{240, 320}, 1.0000000001, 1, false, false, 1},
    };
    for (const auto& c : cases) {
        const SkinChoice choice = ChooseSkin(c.logical, c.ratio);
        const auto label = QStringLiteral("%1x%2 at %3")
                               .arg(c.logical.width())
                               .arg(c.logical.height())
                               .arg(c.ratio)
                               .toStdString();
        EXPECT_EQ(choice.screenClass, c.screenClass) << label;
        EXPECT_EQ(choice.highResolution, c.high) << label;
        EXPECT_EQ(choice.vgaPictures, c.vga) << label;
        EXPECT_EQ(choice.pictureRatio, c.pictureRatio) << label;
    }
}
