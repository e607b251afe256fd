#include "imaging/SheetSides.h"

#include <opencv2/core.hpp>

#include <gtest/gtest.h>

namespace {

// The outline of a sheet drawn from (20, 20) to (219, 119).
std::vector<cv::Point2f> Outline() {
    return {{20, 20}, {220, 20}, {220, 120}, {20, 120}};
}

} // namespace

// A faint sheet (grey 101 on 100) whose top side has one sharp step two rows further down, so
// short that only the point at nine tenths of the side sees it: every point counts, so the
// step wins and the top side moves half a pixel down to meet it.
TEST(SheetSidesTest, ThePointAtNineTenthsOfASideCounts) {
    cv::Mat grey(140, 240, CV_8U, cv::Scalar(100));
    grey(cv::Rect(20, 20, 200, 100)).setTo(101);
    grey(cv::Rect(198, 22, 5, 19)).setTo(255); // around x = 20 + 0.9 * 200
    std::vector<cv::Point2f> q = Outline();
    RefineSides(q, grey);
    EXPECT_FLOAT_EQ(q[0].y, 20.5f);
    EXPECT_FLOAT_EQ(q[1].y, 20.5f);
    // The right and bottom sides are on their faint edges already.
    EXPECT_FLOAT_EQ(q[1].x, 220.f);
    EXPECT_FLOAT_EQ(q[2].y, 120.f);
}

TEST(SheetSidesTest, SidesWithoutAnEdgeStayWhereTheyAre) {
    const cv::Mat flat(140, 240, CV_8U, cv::Scalar(128));
    std::vector<cv::Point2f> q = Outline();
    RefineSides(q, flat);
    EXPECT_EQ(q, Outline());
}
