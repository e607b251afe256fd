#include "camera/CameraState.h"

#include "camera/CameraSource.h"
#include "platform/Registry.h"

#include <atomic>

namespace {

std::atomic<std::uint32_t> g_cameraState{kCameraNotDetected};

const QString kHardwareKey = QStringLiteral("System\\State\\Hardware");
const QString kCameraValue = QStringLiteral("Camera");

} // namespace

bool WriteCameraHardwareValue(bool present) {
    using namespace platform;
    HKEY key = 0;
    if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, kHardwareKey, &key) != ERROR_SUCCESS)
        return false;
    const std::uint32_t value = present ? 1 : 0;
    const bool ok =
        RegSetValueEx(key, kCameraValue, REG_DWORD, &value, sizeof value) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

void ReadCameraState() {
    using namespace platform;
    // A missing or unreadable value counts as -1, which is not "present".
    std::uint32_t value = 0xFFFFFFFFu, type = 0, size = sizeof value;
    HKEY key = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kHardwareKey, KEY_READ, &key) == ERROR_SUCCESS) {
        if (RegQueryValueEx(key, kCameraValue, &type, &value, &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            value = 0xFFFFFFFFu;
        RegCloseKey(key);
    }
    g_cameraState = value == 1 ? kCameraPresent : kCameraAbsent;
}

void DetectCamera() {
    const bool present = ProbeCameraSource(CameraSourceSetting());
    if (!WriteCameraHardwareValue(present)) {
        // A registry that cannot be written must not hide a camera that is there.
        g_cameraState = present ? kCameraPresent : kCameraAbsent;
        return;
    }
    ReadCameraState();
}

std::uint32_t CameraState() {
    return g_cameraState;
}

bool HasCamera() {
    return g_cameraState == kCameraPresent;
}
