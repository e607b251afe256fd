#pragma once

// A device window of a given size with the skin library of the build bound for it, in a
// fresh home folder.

#include "platform/screen/DeviceWindow.h"
#include "tests/support/TempHome.h"

#include <memory>

class CSkinnedDeviceTest : public CTempHomeTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Re-creates the device at `size` and binds the matching skin library.
    void UseScreen(const QSize& size);

    std::unique_ptr<CDeviceWindow> m_device;
};
