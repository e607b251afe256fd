#pragma once

// Pictures the PDF tests make for themselves.

#include <QByteArray>
#include <QImage>
#include <QString>

// Saves `image` in `format` ("JPEG", "PNG", "BMP", "GIF", "TIFF"); false on failure.
bool SavePicture(const QImage& image, const QString& path, const char* format);
// A picture of w x h in one blue, at the best quality of its format (by the extension of
// `path`); `noise` fills it with random pixels instead, so that it hardly compresses. False on
// failure.
bool SaveFlatPicture(const QString& path, int w, int h, bool noise = false);
// A JPEG of w x h with an EXIF orientation tag when orientation is 1..8 (0: no EXIF at all).
bool SaveJpeg(const QString& path, int w, int h, int orientation = 0);
// The bytes of a JPEG with an EXIF APP1 segment carrying `orientation`, inserted after the
// JFIF segment of `jpeg`.
QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation);
