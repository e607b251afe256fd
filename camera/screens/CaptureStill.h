#pragma once

// The still-camera service: one picture through the camera screen.

#include "camera/CaptureRequest.h"

#include <cstdint>

class CScreen;

// Runs the camera screen modally over `owner` as `request` asks. Returns kCaptureTaken with
// the stored picture's path in request.file, kCaptureCancelled when the user left without a
// picture, kCaptureOutOfMemory, or kCaptureFailed (no camera, the camera failed to start or
// stopped, the picture could not be stored). request.file is empty unless a picture was taken.
std::uint32_t CaptureStill(CScreen* owner, CCaptureRequest& request);
