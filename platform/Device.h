#pragma once

// The emulated device: its screen size is the size of the program's window, never the host
// monitor's. The device window sets it at start (--screen WxH) and when the device is turned;
// everything else only reads it.

#include <QSize>

namespace platform {

inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;

// Default 480 x 640.
QSize DeviceScreenSize();
void SetDeviceScreenSize(const QSize& size);

// SM_CXSCREEN / SM_CYSCREEN of the emulated screen; 0 for other metrics.
int GetSystemMetrics(int metric);

} // namespace platform
