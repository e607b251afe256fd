#pragma once

// Finding the sheet of paper in a photo: the largest plausible sheet, a convex
// quadrilateral of document shape (corners near right angles, opposite sides of similar
// length) that covers a sensible share of the picture and whose sides lie on edges seen in
// the picture. The search runs on a copy scaled down to about 512 pixels on the long side;
// the corners come back in the picture's own pixel coordinates. Nothing is shared between
// calls: import may run them on worker threads.

#include "imaging/Bitmap.h"
#include "imaging/PageCorners.h"

#include <QImage>

#include <optional>

// The sheet's corners, or nothing when no plausible sheet is in the picture.
std::optional<CPageCorners> FindSheet(const CBitmap& picture);
std::optional<CPageCorners> FindSheet(const QImage& picture);

// The sheet's corners, or the corners of the whole picture when there is no sheet (so
// straightening them leaves the picture as it is). Whole(0, 0) for an empty picture.
CPageCorners FindPageCorners(const CBitmap& picture);
CPageCorners FindPageCorners(const QImage& picture);
