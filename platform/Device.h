#pragma once

// The emulated device: its screen size is the size of the program's window, never the host
// monitor's. The device window sets it at start, when it is resized and when the device is
// turned; everything else only reads it.

#include <QSize>
#include <QtGlobal>

namespace platform {

inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;

// Default 480 x 640.
QSize DeviceScreenSize();
void SetDeviceScreenSize(const QSize& size);

// Physical pixels per logical pixel of the screen the device window is on (1, 1.25, 2, 3...).
// The skin pictures are chosen for the physical pixels: logical size x this ratio. Default 1.
qreal DeviceScreenRatio();
void SetDeviceScreenRatio(qreal ratio);

// SM_CXSCREEN / SM_CYSCREEN of the emulated screen; 0 for other metrics.
int GetSystemMetrics(int metric);

} // namespace platform
