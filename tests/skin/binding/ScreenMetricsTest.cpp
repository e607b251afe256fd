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
