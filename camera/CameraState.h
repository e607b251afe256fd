#pragma once

// Whether the device has a camera. At start the system's part writes
// HKEY_LOCAL_MACHINE\System\State\Hardware "Camera" (1 when a video source exists, else 0)
// and the program reads it once into its camera state for the rest of the run.

#include <QString>

#include <cstdint>

// Camera states.
inline constexpr std::uint32_t kCameraNotDetected = 0;
inline constexpr std::uint32_t kCameraAbsent = 1;
inline constexpr std::uint32_t kCameraPresent = 2;

// Looks for the camera QUILLMARK_CAMERA names (see CameraSource.h), writes "Camera" and
// reads the camera state from it. Called once at start.
void DetectCamera();
// Writes "Camera" (1 or 0) under HKEY_LOCAL_MACHINE\System\State\Hardware; false when the
// registry cannot be written.
bool WriteCameraHardwareValue(bool present);
// Reads "Camera" into the camera state: present exactly when it is 1 (missing, unreadable
// or any other value: absent).
void ReadCameraState();

std::uint32_t CameraState();
// True exactly when the camera state is present.
bool HasCamera();
