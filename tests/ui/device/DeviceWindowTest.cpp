#include "ui/device/DeviceWindow.h"

#include "ui/device/Screen.h"

#include <gtest/gtest.h>

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

} // namespace
