#include "platform/Device.h"

namespace platform {
namespace {
QSize g_screen(480, 640);
qreal g_ratio = 1.0;
} // namespace

QSize DeviceScreenSize() {
    return g_screen;
}

void SetDeviceScreenSize(const QSize& size) {
    if (size.isValid() && !size.isEmpty())
        g_screen = size;
}

qreal DeviceScreenRatio() {
    return g_ratio;
}

void SetDeviceScreenRatio(qreal ratio) {
    if (ratio > 0)
        g_ratio = ratio;
}

int GetSystemMetrics(int metric) {
    switch (metric) {
    case SM_CXSCREEN: return g_screen.width();
    case SM_CYSCREEN: return g_screen.height();
    default: return 0;
    }
}

} // namespace platform
