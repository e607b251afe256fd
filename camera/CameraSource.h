#pragma once

// Which GStreamer source is the camera: QUILLMARK_CAMERA names a source description or
// "none"; without it, PipeWire's camera where the desktop offers one, else the first video
// capture device (v4l2src). Also starts GStreamer for the camera code.

#include <QString>

typedef struct _GstElement GstElement;

// Loads and starts GStreamer once (GstLibrary.h); false when it cannot be loaded or does not
// start, with the reason in `why` (the camera is then absent).
bool EnsureGstreamer(QString* why = nullptr);

// QUILLMARK_CAMERA, trimmed; empty when not set.
QString CameraSourceSetting();
bool IsNoCamera(const QString& description);

// A new source element (floating reference) for `description` (empty: the system's camera as
// above; a plain v4l2src when no device is listed). Null for "none" or a description that does
// not parse, with the reason in `error`.
GstElement* CreateCameraSource(const QString& description, QString* error = nullptr);

// Whether `description` names a camera that exists: "none" never; empty when the system lists
// a video source; another description when it parses and its source can be opened.
bool ProbeCameraSource(const QString& description);
