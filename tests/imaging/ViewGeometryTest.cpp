#include "imaging/ViewGeometry.h"

#include "imaging/ScrollAxis.h"
#include "tests/support/QtPrint.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewGeometryTest, FitDrawsTheWholePictureAtTheTopLeftWithNothingToScroll) {
    const CViewGeometry g({400, 300}, {200, 200}, true, 200, {50, 60});
    EXPECT_EQ(g.SourceRect(), QRect(0, 0, 400, 300));
    EXPECT_EQ(g.TargetRect(), QRect(0, 0, 200, 150));
    EXPECT_EQ(g.ContentSize(), QSize(1, 1));
    // A portrait picture takes the view's height.
    const CViewGeometry tall({300, 600}, {200, 200}, true, 100, {});
    EXPECT_EQ(tall.TargetRect(), QRect(0, 0, 100, 200));
}

TEST(ViewGeometryTest, ZoomSourceRectanglesFollowScrollAndZoom) {
    // 200 %: 800 x 600 zoomed, the view shows 200 x 150 of it from (300, 226).
    const CViewGeometry z200({400, 300}, {200, 150}, false, 200, {300, 226});
    EXPECT_EQ(z200.ContentSize(), QSize(800, 600));
    EXPECT_EQ(z200.SourceRect(), QRect(150, 113, 100, 75));
    EXPECT_EQ(z200.TargetRect(), QRect(0, 0, 200, 150));
    // 50 %: smaller than the view, drawn whole at its zoomed size.
    const CViewGeometry z50({400, 300}, {300, 300}, false, 50, {});
    EXPECT_EQ(z50.ContentSize(), QSize(200, 150));
    EXPECT_EQ(z50.SourceRect(), QRect(0, 0, 400, 300));
    EXPECT_EQ(z50.TargetRect(), QRect(0, 0, 200, 150));
    // 100 %, wider than the view only: the width is the view's, the height the picture's.
    const CViewGeometry z100({500, 100}, {200, 150}, false, 100, {123, 0});
    EXPECT_EQ(z100.SourceRect(), QRect(123, 0, 200, 100));
    EXPECT_EQ(z100.TargetRect(), QRect(0, 0, 200, 100));
    // Odd sizes truncate: 3 x 3 at 50 % is 1 x 1.
    EXPECT_EQ(CViewGeometry::ZoomedSize({3, 3}, 50), QSize(1, 1));
}

TEST(ViewGeometryTest, ScrollBeyondTheRangeNeverReadsPastThePicture) {
    const CViewGeometry g({400, 300}, {200, 150}, false, 200, {5000, -40});
    EXPECT_EQ(g.SourceRect(), QRect(300, 0, 100, 75));
    const QRect picture(0, 0, 400, 300);
    EXPECT_TRUE(picture.contains(g.SourceRect()));
}

TEST(ViewGeometryTest, NoPictureDrawsNothingAndConvertsNothing) {
    const CViewGeometry g({}, {200, 150}, false, 100, {});
    EXPECT_FALSE(g.HasPicture());
    EXPECT_TRUE(g.SourceRect().isEmpty());
    EXPECT_EQ(g.ContentSize(), QSize(1, 1));
    EXPECT_EQ(g.PictureLength(30), 30);
}

TEST(ViewGeometryTest, ViewPointsBecomeThePicturePixelsShownUnderThem) {
    const CViewGeometry z200({400, 300}, {200, 150}, false, 200, {300, 226});
    EXPECT_EQ(z200.ToPicture(QPoint(0, 0)), QPoint(150, 113));
    EXPECT_EQ(z200.ToPicture(QPoint(20, 40)), QPoint(160, 133));
    const CViewGeometry z50({400, 300}, {300, 300}, false, 50, {});
    EXPECT_EQ(z50.ToPicture(QPoint(10, 7)), QPoint(20, 14));
    const CViewGeometry fit({400, 300}, {200, 200}, true, 100, {});
    EXPECT_EQ(fit.ToPicture(QPoint(100, 75)), QPoint(200, 150));
    const CViewGeometry z100({500, 400}, {200, 150}, false, 100, {33, 44});
    EXPECT_EQ(z100.ToPicture(QPoint(5, 6)), QPoint(38, 50));
}

TEST(ViewGeometryTest, AFrameDrawnBackwardsStaysBackwardsAndLengthsScale) {
    const CViewGeometry z200({400, 300}, {200, 150}, false, 200, {300, 226});
    const CSelectionRect frame = z200.ToPicture(CSelectionRect{120, 140, 20, 40});
    EXPECT_EQ(frame.left, 210);
    EXPECT_EQ(frame.top, 183);
    EXPECT_EQ(frame.right, 160);
    EXPECT_EQ(frame.bottom, 133);
    EXPECT_EQ(z200.PictureLength(30), 15);
    EXPECT_EQ(z200.PictureLength(1), 1);
    EXPECT_EQ(CViewGeometry({400, 300}, {200, 200}, true, 100, {}).PictureLength(30), 60);
    EXPECT_EQ(CViewGeometry({400, 300}, {200, 200}, false, 100, {}).PictureLength(29), 29);
}

TEST(ScrollAxisTest, NothingScrollsWhenThePageHoldsTheContent) {
    CScrollAxis axis;
    axis.Configure(300, 300);
    EXPECT_FALSE(axis.Scrolls());
    EXPECT_EQ(axis.Page(), 0);
    EXPECT_EQ(axis.MaxPosition(), 0);
    EXPECT_EQ(axis.PositionFor(EScrollCode::LineForward), 0);
    EXPECT_EQ(axis.PositionFor(EScrollCode::ThumbTrack, 50), 0);
    EXPECT_EQ(axis.MoveTo(40), 0);
}

TEST(ScrollAxisTest, MessagesMoveByLinePageAndThumbWithinTheRange) {
    CScrollAxis axis;
    axis.Configure(100, 300);
    EXPECT_EQ(axis.MaxPosition(), 200);
    EXPECT_EQ(axis.PositionFor(EScrollCode::LineForward), 10);
    EXPECT_EQ(axis.PositionFor(EScrollCode::LineBack), 0);
    EXPECT_EQ(axis.PositionFor(EScrollCode::PageForward), 100);
    EXPECT_EQ(axis.PositionFor(EScrollCode::ThumbPosition, 150), 150);
    EXPECT_EQ(axis.PositionFor(EScrollCode::ThumbTrack, 999), 200);
    EXPECT_EQ(axis.MoveTo(195), 195);
    EXPECT_EQ(axis.PositionFor(EScrollCode::LineForward), 200);
    EXPECT_EQ(axis.PositionFor(EScrollCode::PageBack), 95);
    EXPECT_EQ(axis.PositionFor(EScrollCode::Other, 3), 195);
    EXPECT_EQ(axis.MoveTo(-50), -195);
    EXPECT_EQ(axis.Position(), 0);
}

TEST(ScrollAxisTest, APageChangeRescalesThePositionAndKeepsItInRange) {
    CScrollAxis axis;
    axis.Configure(100, 300);
    axis.MoveTo(100);
    axis.Configure(50, 300);
    EXPECT_EQ(axis.Position(), 50);
    axis.Configure(200, 300);
    EXPECT_EQ(axis.Position(), 100); // 200 scaled, then kept within 0 .. 100
    axis.Configure(400, 300);
    EXPECT_EQ(axis.Position(), 0);
    EXPECT_EQ(axis.Page(), 0);
}

} // namespace
