#pragma once

// Straightening: the sheet between four corners warped so that it fills an upright
// rectangle of its own proportions (CPageCorners::StraightenedSize). The result is a new
// bitmap of the same kind as the source (24-bit section or device bitmap); the source is
// never changed. Safe on worker threads.

#include "imaging/Bitmap.h"
#include "imaging/PageCorners.h"

#include <QImage>

// The straightened sheet; null when the corners are not a convex quadrilateral, the picture
// is empty, the result would have more than four times the picture's pixels, or memory is
// short. Corners outside the picture are allowed: what lies beyond the
// picture's edge repeats its border pixels.
BitmapHandle StraightenBitmap(const CBitmap& picture, const CPageCorners& corners);
// The same for an image of any format; the result is in the screen's format (null image on
// failure).
QImage StraightenImage(const QImage& picture, const CPageCorners& corners);
