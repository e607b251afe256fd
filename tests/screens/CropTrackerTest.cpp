#include "screens/CropTracker.h"

#include "tests/support/QtPrint.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

bool Same(const CSelectionRect& a, const CSelectionRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

const QRect kView(0, 0, 400, 300);

TEST(CropTrackerTest, HandlesSitOutsideTheRectangleAndAreHitFirst) {
    CCropTracker tracker(16);
    tracker.SetRect({100, 100, 200, 150});
    EXPECT_EQ(tracker.HandleRect(CCropTracker::kHitTopLeft), QRect(84, 84, 16, 16));
    EXPECT_EQ(tracker.HandleRect(CCropTracker::kHitBottomRight), QRect(200, 150, 16, 16));
    EXPECT_EQ(tracker.HandleRect(CCropTracker::kHitRight), QRect(200, 117, 16, 16));
    EXPECT_EQ(tracker.HitTest({90, 90}), CCropTracker::kHitTopLeft);
    EXPECT_EQ(tracker.HitTest({208, 158}), CCropTracker::kHitBottomRight);
    EXPECT_EQ(tracker.HitTest({150, 95}), CCropTracker::kHitTop);
    EXPECT_EQ(tracker.HitTest({150, 125}), CCropTracker::kHitMiddle);
    EXPECT_EQ(tracker.HitTest({300, 250}), CCropTracker::kHitNothing);
    // The hit test works on the rectangle however it was drawn.
    tracker.SetRect({200, 150, 100, 100});
    EXPECT_EQ(tracker.HitTest({90, 90}), CCropTracker::kHitTopLeft);
}

TEST(CropTrackerTest, RubberBandFollowsThePointerInAnyDirectionWithinTheView) {
    CCropTracker tracker(16);
    tracker.BeginRubberBand({220, 240});
    tracker.DragTo({20, 40}, kView);
    EXPECT_TRUE(Same(tracker.Rect(), {220, 240, 20, 40}));
    EXPECT_EQ(tracker.NormalRect(), QRect(20, 40, 200, 200));
    tracker.DragTo({-50, 900}, kView);
    EXPECT_TRUE(Same(tracker.Rect(), {220, 240, 0, 300}));
    tracker.EndDrag();
    EXPECT_FALSE(tracker.IsDragging());
}

TEST(CropTrackerTest, AHandleDraggedPastTheOppositeSideInvertsTheRectangle) {
    CCropTracker tracker(16);
    tracker.SetRect({100, 100, 200, 150});
    ASSERT_TRUE(tracker.BeginTrack({92, 125})); // left handle
    tracker.DragTo({262, 125}, kView);
    EXPECT_TRUE(Same(tracker.Rect(), {270, 100, 200, 150}));
    tracker.EndDrag();
    ASSERT_TRUE(tracker.BeginTrack({278, 158})); // bottom-right corner of the new rectangle
    tracker.DragTo({288, 178}, kView);
    EXPECT_TRUE(Same(tracker.Rect(), {200, 100, 280, 170}));
}

TEST(CropTrackerTest, MovingByTheInsideKeepsTheSizeAndStaysInTheView) {
    CCropTracker tracker(16);
    tracker.SetRect({100, 100, 200, 150});
    ASSERT_TRUE(tracker.BeginTrack({150, 125}));
    tracker.DragTo({170, 95}, kView);
    EXPECT_TRUE(Same(tracker.Rect(), {120, 70, 220, 120}));
    tracker.DragTo({1000, 1000}, kView);
    EXPECT_TRUE(Same(tracker.Rect(), {300, 250, 400, 300}));
    tracker.EndDrag();
    tracker.SetRect({100, 100, 200, 150});
    EXPECT_FALSE(tracker.BeginTrack({5, 5}));
}

TEST(CropTrackerTest, DrawsOutlineHandlesAndAHatchedInside) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    CCropTracker tracker(8);
    tracker.SetRect({60, 70, 20, 30}); // drawn backwards
    {
        QPainter painter(&image);
        tracker.Draw(painter);
    }
    EXPECT_EQ(image.pixel(20, 50), qRgb(0, 0, 0));          // left edge of the outline
    EXPECT_EQ(image.pixel(59, 69), qRgb(0, 0, 0));          // bottom-right corner of the outline
    EXPECT_EQ(image.pixel(21, 50), qRgb(255, 255, 255));    // the white inner line
    EXPECT_EQ(image.pixel(15, 25), qRgb(0x2a, 0x6f, 0xd6)); // inside the top-left handle
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));      // outside everything
    int hatched = 0;
    for (int y = 32; y < 68; ++y)
        for (int x = 22; x < 58; ++x)
            hatched += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(hatched, 36 * 36 / 20);
    EXPECT_LT(hatched, 36 * 36 / 2);
}

} // namespace
