#include "ui/device/DeviceWindow.h"

#include "platform/Device.h"
#include "ui/device/Screen.h"
#include "ui/device/SoftKeyBar.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

namespace {

class CEndingScreen : public CScreen {
protected:
    void OnInitDialog() override {
        QTimer::singleShot(0, this, [this] { EndDialog(1); });
    }
};

// Showing a screen needs the device window its caller made; none is made behind its back.
TEST(DeviceWindowDeathTest, AScreenWithoutADeviceWindowStopsAndSaysWhy) {
    ASSERT_EQ(CDeviceWindow::Instance(), nullptr);
    EXPECT_DEATH(
        {
            CEndingScreen screen;
            screen.DoModal();
        },
        "before the device window was created");
}

TEST(DeviceWindowTest, TheWindowTheCallerMadeIsTheOneScreensUse) {
    {
        CDeviceWindow device(QSize(240, 320));
        EXPECT_EQ(CDeviceWindow::EnsureInstance(), &device);
        CEndingScreen screen;
        EXPECT_EQ(screen.DoModal(), 1);
    }
    EXPECT_EQ(CDeviceWindow::Instance(), nullptr);
}

// Counts the display changes it receives and the size it had at each.
class CCountingScreen : public CScreen {
public:
    std::vector<QSize> seen;

protected:
    void OnDisplayChange() override { seen.push_back(size()); }
};

TEST(DeviceWindowTest, AWindowThatFollowsItsSizeTellsTheScreensOfEveryResize) {
    CDeviceWindow device(QSize(240, 320));
    CCountingScreen screen;
    device.PushScreen(&screen);
    device.FollowWindowSize(QSize(480, 640));
    device.show();
    EXPECT_TRUE(device.FollowsWindowSize());
    EXPECT_EQ(device.ScreenSize(), QSize(480, 640));
    EXPECT_EQ(device.minimumSize(), QSize(480, 480)); // the large scale's smallest screen

    device.resize(600, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(device.ScreenSize(), QSize(600, 900));
    EXPECT_EQ(platform::GetSystemMetrics(platform::SM_CXSCREEN), 600);
    EXPECT_EQ(platform::GetSystemMetrics(platform::SM_CYSCREEN), 900);
    // The screen had its new size when it heard of the change; the bars span the width.
    ASSERT_FALSE(screen.seen.empty());
    EXPECT_EQ(screen.seen.back(), QSize(600, 900 - 2 * device.BarHeight()));
    EXPECT_EQ(device.SoftKeys()->geometry(),
              QRect(0, 900 - device.BarHeight(), 600, device.BarHeight()));

    // A resize to the size it has is no change; turning a free window resizes it.
    const std::size_t changes = screen.seen.size();
    device.resize(600, 900);
    QCoreApplication::processEvents();
    EXPECT_EQ(screen.seen.size(), changes);
    device.Turn();
    QCoreApplication::processEvents();
    EXPECT_EQ(device.size(), QSize(900, 600));
    EXPECT_EQ(screen.seen.back(), QSize(900, 600 - 2 * device.BarHeight()));

    // Fixing a size again: neither smaller nor larger is possible any more.
    device.SetScreenSize(QSize(320, 240));
    EXPECT_FALSE(device.FollowsWindowSize());
    EXPECT_EQ(device.minimumSize(), QSize(320, 240));
    EXPECT_EQ(device.maximumSize(), QSize(320, 240));
    device.PopScreen(&screen);
}

TEST(DeviceWindowTest, ThePlanDecidesHowTheWindowOpens) {
    CDeviceWindow device(QSize(240, 320));
    device.ShowAs({platform::EWindowMode::kResizable, QSize(640, 480)});
    QCoreApplication::processEvents();
    EXPECT_TRUE(device.FollowsWindowSize());
    EXPECT_EQ(device.ScreenSize(), QSize(640, 480));
    EXPECT_FALSE(device.isFullScreen());
    device.hide();
    device.ShowAs({platform::EWindowMode::kFullScreen, QSize(360, 690)});
    QCoreApplication::processEvents();
    EXPECT_TRUE(device.isFullScreen());
    EXPECT_TRUE(device.FollowsWindowSize());
    EXPECT_EQ(device.ScreenSize(), device.size()); // whatever the host made of it
    EXPECT_EQ(device.minimumSize(), QSize(240, 240));
    device.hide();
    device.ShowAs({platform::EWindowMode::kFixed, QSize(240, 320)});
    EXPECT_FALSE(device.FollowsWindowSize());
    EXPECT_EQ(device.size(), QSize(240, 320));
}

} // namespace
