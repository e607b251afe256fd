#include "camera/CameraState.h"

#include "camera/CameraSource.h"
#include "platform/RegKey.h"

#include <atomic>

namespace {

std::atomic<std::uint32_t> g_cameraState{kCameraNotDetected};

const QString kCameraValue = QStringLiteral("Camera");

platform::CRegKey HardwareKey() {
    return platform::CRegKey(platform::HKEY_LOCAL_MACHINE,
                             QStringLiteral("System\\State\\Hardware"));
}

} // namespace

bool WriteCameraHardwareValue(bool present) {
    return HardwareKey().Set(kCameraValue, std::uint32_t(present ? 1 : 0));
}

void ReadCameraState() {
    // A missing or unreadable value counts as -1, which is not "present".
    const std::uint32_t value = HardwareKey().Read<std::uint32_t>(kCameraValue, 0xFFFFFFFFu);
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
