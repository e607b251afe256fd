#pragma once

// A device window of a given size with the skin library of the build bound for it, in a fresh
// home folder, and a way to answer a modal screen once it is up: the fixture of every test that
// shows screens.

#include "tests/support/TempHome.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/Screen.h"

#include <QSize>

#include <functional>
#include <memory>

class CSkinnedDeviceTest : public CTempHomeTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Re-creates the device at `size` and binds the matching skin library.
    void UseScreen(const QSize& size);
    // Once a screen other than `below` is on top and has painted, `act` runs on it (from the
    // event loop, so `act` may end it). Gives up after 30 seconds without a screen.
    void WhenScreenOpens(CScreen* below, const std::function<void(CScreen*)>& act);
    // Processes events until `ready` holds (false after 30 seconds).
    static bool WaitFor(const std::function<bool()>& ready);

    std::unique_ptr<CDeviceWindow> m_device;
};
