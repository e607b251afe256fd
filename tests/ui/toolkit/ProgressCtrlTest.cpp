#include "ui/toolkit/ProgressCtrl.h"

#include "app/AppSettings.h"
#include "tests/support/SkinnedDeviceTest.h"

namespace {

class ProgressCtrlTest : public CSkinnedDeviceTest {
protected:
    std::uint32_t m_now = 1000;
    CProgressCtrl* Make() {
        auto* bar = new CProgressCtrl(m_device.get());
        bar->SetClock([this] { return m_now; });
        bar->resize(200, 30);
        return bar;
    }
};

TEST_F(ProgressCtrlTest, HalfWayAfterTenSecondsLeavesTenSeconds) {
    CProgressCtrl* bar = Make();
    bar->SetRange(0, 100);
    bar->SetPos(50);
    m_now += 10000;
    std::uint32_t remaining, elapsed, total;
    bar->EstimateTimes(remaining, elapsed, total);
    EXPECT_EQ(elapsed, 10000u);
    EXPECT_EQ(total, 20000u);
    EXPECT_EQ(remaining, 10000u);
    EXPECT_EQ(bar->RightText(), "10 seconds left");
    EXPECT_EQ(bar->LeftText(), "10 seconds passed");
    EXPECT_EQ(bar->BarText(), "50%");
    bar->SetStyle(true, true, true);
    EXPECT_EQ(bar->LeftText(), "20 seconds total");
}

TEST_F(ProgressCtrlTest, AtTheEndOrBeforeTheStartThereAreNoStatistics) {
    CProgressCtrl* bar = Make();
    m_now += 5000;
    bar->SetPos(100);
    EXPECT_EQ(bar->BarText(), "100%");
    EXPECT_EQ(bar->RightText(), "");
    EXPECT_EQ(bar->LeftText(), "");
    bar->SetPos(-5);
    EXPECT_EQ(bar->BarText(), "0%");
    EXPECT_EQ(bar->FilledWidth(), 0);
    std::uint32_t remaining, elapsed, total;
    bar->EstimateTimes(remaining, elapsed, total);
    EXPECT_EQ(remaining, 0xFFFFFFFFu);
    EXPECT_EQ(elapsed, 0xFFFFFFFFu);
    bar->Restart();
    m_now -= 1; // the clock went back: nothing can be estimated
    bar->SetPos(10);
    bar->EstimateTimes(remaining, elapsed, total);
    EXPECT_EQ(total, 0xFFFFFFFFu);
}

TEST_F(ProgressCtrlTest, OnlyAMovedEdgeAsksForARepaint) {
    CProgressCtrl* bar = Make();
    bar->SetRange(0, 1000);
    const int before = bar->RepaintRequests();
    for (int pos = 1; pos <= 4; ++pos)
        bar->SetPos(pos); // 200 pixels for 1000 units: the edge stays at 0
    EXPECT_EQ(bar->RepaintRequests(), before);
    bar->SetPos(5);
    EXPECT_EQ(bar->FilledWidth(), 1);
    EXPECT_EQ(bar->RepaintRequests(), before + 1);
    EXPECT_EQ(bar->StepIt(), 5);
    EXPECT_EQ(bar->GetPos(), 6);
    EXPECT_EQ(bar->SetStep(10), 1);
    bar->OffsetPos(4);
    EXPECT_EQ(bar->GetPos(), 10);
}

TEST_F(ProgressCtrlTest, TheSettingsGroupChoosesTotalTime) {
    LoadSettings(); // defaults: gradient, statistics, elapsed time
    AppSettings().showTotalTime = 1;
    CProgressCtrl* bar = Make();
    bar->ApplySettings();
    bar->SetPos(25);
    m_now += 5000;
    EXPECT_EQ(bar->LeftText(), "20 seconds total");
    EXPECT_EQ(bar->RightText(), "15 seconds left");
}

TEST_F(ProgressCtrlTest, PaintsTheFilledPartInTheBarColour) {
    CProgressCtrl* bar = Make();
    bar->SetStyle(false, false, false);
    bar->ShowText(false);
    bar->SetBarColour(0x0000FF);        // red
    bar->SetBackgroundColour(0xFF0000); // blue
    bar->SetPos(50);
    bar->show();
    const QImage image = bar->grab().toImage();
    EXPECT_EQ(image.pixel(50, 15), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(150, 15), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(50, 0), qRgb(0, 0, 255)); // one-pixel border of the background
    bar->SetRange16(0x00C80064);                    // lower 100, upper 200
    int lower, upper;
    bar->GetRange(lower, upper);
    EXPECT_EQ(lower, 100);
    EXPECT_EQ(upper, 200);
}

TEST_F(ProgressCtrlTest, AVerticalBarFillsFromTheBottom) {
    CProgressCtrl* bar = Make();
    bar->resize(30, 200);
    bar->SetStyle(false, false, false);
    bar->ShowText(false);
    bar->SetBarColour(0x0000FF);        // red
    bar->SetBackgroundColour(0xFF0000); // blue
    bar->SetVertical(true);
    bar->SetPos(25);
    EXPECT_EQ(bar->FilledWidth(), 50);
    EXPECT_EQ(bar->FilledRect(), QRect(0, 150, 30, 50));
    bar->show();
    const QImage image = bar->grab().toImage();
    EXPECT_EQ(image.pixel(15, 190), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(15, 140), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(15, 10), qRgb(0, 0, 255));
}

TEST_F(ProgressCtrlTest, TheGlassPicturesRunTowardsWhiteAndTheTextHasItsShadow) {
    CProgressCtrl* bar = Make();
    bar->resize(200, 40);
    bar->SetStyle(true, false, false);
    bar->SetPos(100);
    bar->SetText("XXXXXXXX");
    bar->show();
    const QImage image = bar->grab().toImage();
    // The gradient: near white at the top edge, the bar colour (0x80FF00: green) below the middle.
    const QColor top = image.pixelColor(5, 0);
    const QColor low = image.pixelColor(5, 30);
    EXPECT_GT(top.red(), 200);
    EXPECT_GT(top.blue(), 200);
    EXPECT_LT(low.red(), 60);
    EXPECT_GT(low.green(), 180);
    // White text with a black shadow one pixel right and down: both appear in the middle.
    bool white = false, black = false;
    for (int x = 60; x < 140; ++x)
        for (int y = 10; y < 30; ++y) {
            const QColor c = image.pixelColor(x, y);
            white |= c.red() > 240 && c.green() > 240 && c.blue() > 240;
            black |= c.red() < 30 && c.green() < 30 && c.blue() < 30;
        }
    EXPECT_TRUE(white);
    EXPECT_TRUE(black);
}

TEST_F(ProgressCtrlTest, FastProgressNeverGivesAWrappedRemainingTime) {
    CProgressCtrl* bar = Make();
    bar->SetRange(0, 100);
    bar->SetPos(17);
    m_now += 5; // 17 units in 5 ms: less than a millisecond each
    std::uint32_t remaining, elapsed, total;
    bar->EstimateTimes(remaining, elapsed, total);
    EXPECT_EQ(elapsed, 5u);
    EXPECT_EQ(total, 29u);
    EXPECT_EQ(remaining, 24u);
    EXPECT_FALSE(bar->RightText().contains("N/A")) << bar->RightText().toStdString();
}

} // namespace
