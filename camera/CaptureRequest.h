#pragma once

// The still-capture request: what the capture takes from its caller, and its result codes.
// The capture always takes one still at full quality under a name of its own choosing, so
// the handheld's quality, video and file-name fields have nothing to carry here. The capture
// fills `file` with the path of the stored picture.

#include <QString>

#include <cstdint>

// Result codes of a capture (the platform's HRESULT values).
inline constexpr std::uint32_t kCaptureTaken = 0;                 // S_OK: `file` holds the path
inline constexpr std::uint32_t kCaptureCancelled = 1;             // S_FALSE: left without a picture
inline constexpr std::uint32_t kCaptureOutOfMemory = 0x8007000Eu; // E_OUTOFMEMORY
inline constexpr std::uint32_t kCaptureFailed = 0x80004005u;      // E_FAIL: any other failure

struct CCaptureRequest {
    QString file;            // receives the path of the picture
    QString initialDir;      // where to store it; empty: the pictures folder's "Camera"
    QString title;           // empty: the camera screen's own title
    int resolutionWidth = 0; // 0 x 0 leaves the size to the camera
    int resolutionHeight = 0;
    // The GStreamer source description; empty: QUILLMARK_CAMERA, else the system's camera.
    QString source;
};

// A request for one still at the resolution of the CameraRes setting (0-3; other values
// count as 0, the camera's default).
CCaptureRequest MakeCaptureRequest(std::uint32_t cameraRes);
