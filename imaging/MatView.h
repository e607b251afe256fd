#pragma once

// OpenCV views of the program's bitmaps, for the straightening and enhancing code only (the
// public headers stay free of OpenCV). A view shares the bitmap's pixels: 3 channels (blue,
// green, red) for a 24-bit section, whose rows lie bottom-up in memory, and 4 channels
// (blue, green, red, unused) for a device bitmap, whose rows lie top-down.

#include "imaging/Bitmap.h"

#include <opencv2/core.hpp>

class CMatView {
public:
    // A writable view of `bitmap`; empty (IsValid false) when its pixels cannot be addressed.
    static CMatView Of(CBitmap& bitmap);
    // A view for reading only: never detaches a device image shared with the display.
    static CMatView Of(const CBitmap& bitmap);

    bool IsValid() const { return !m_mat.empty(); }
    const cv::Mat& Mat() const { return m_mat; }
    // True when the first row in memory is the picture's bottom row.
    bool BottomUp() const { return m_bottomUp; }
    // Maps a picture row coordinate to a row coordinate of Mat() (and back: the map is its own
    // inverse).
    double MatY(double pictureY) const;

    // A new bitmap of the same kind as `like` (section or device bitmap), width x height,
    // contents undefined; null when memory is short.
    static BitmapHandle CreateLike(const CBitmap& like, int width, int height);

private:
    cv::Mat m_mat;
    QImage m_converted; // a device image of another format, converted for reading
    bool m_bottomUp = false;
};
