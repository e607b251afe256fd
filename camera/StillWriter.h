#pragma once

// Storing a captured still: a JPEG at quality 100 with a unique name in the camera folder,
// the camera's orientation kept as the EXIF orientation. Safe on any thread.

#include <QString>

#include <cstdint>

// The folder captured pictures go to: "Camera" in the user's pictures folder
// ($XDG_PICTURES_DIR when set, else the desktop's pictures folder).
QString CameraPicturesFolder();

// The EXIF orientation (1-8) for a GStreamer "image-orientation" tag ("rotate-90", ...);
// 1 for an empty or unknown one.
int ExifOrientationFromTag(const QString& tag);

// Adds an EXIF block carrying `orientation` behind the start of a JPEG stream (after a JFIF
// block when there is one). The data is returned unchanged when it is not a JPEG or the
// orientation is 1 or outside 1-8.
QByteArray AddExifOrientation(const QByteArray& jpeg, int orientation);

// Writes width x height packed RGB pixels (rows top-down, width * 3 bytes each) into `folder`
// (created when missing) as IMG_yyyyMMdd_hhmmss.jpg, or with "_2", "_3", ... when that name is
// taken; an existing file is never replaced and no partial file is left behind. Returns the
// path, or empty on failure with the reason in `error`.
QString WriteStill(const QString& folder, int width, int height, const unsigned char* rgb,
                   int orientation, QString* error = nullptr);
