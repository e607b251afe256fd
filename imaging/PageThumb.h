#pragma once

// The thumbnail of one page: the picture scaled into a box on a white ground. Portrait and
// square pictures take the box's height, landscape pictures the box's width; the thumbnail
// keeps the picture's proportions and is not otherwise bounded by the box.

#include "imaging/Bitmap.h"
#include "imaging/OffscreenDC.h"

#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

class CPageThumb {
public:
    CPageThumb() = default;
    virtual ~CPageThumb();
    CPageThumb(const CPageThumb&) = delete;
    CPageThumb& operator=(const CPageThumb&) = delete;
    CPageThumb(CPageThumb&&) = default;
    CPageThumb& operator=(CPageThumb&&) = default;

    // Decodes the picture file (at a reduced scale where the format allows it) and makes the
    // thumbnail; sourceWidth/sourceHeight are the picture's real upright size. With turnCcw
    // the picture is shown turned a quarter counter-clockwise (the small picture is turned,
    // the file is left alone) and the sizes are those of the turned picture. False (and a
    // cleared thumbnail) when the file cannot be decoded. referenceDC may be null.
    bool Build(const QString& path, QPainter* referenceDC, int boxWidth, int boxHeight,
               bool turnCcw = false);
    // Makes the thumbnail from a bitmap of any kind; false for a null or empty bitmap.
    bool MakeFromBitmap(const CBitmap* bitmap, QPainter* referenceDC, int boxWidth, int boxHeight);
    // Draws the thumbnail scaled by FitSize, centred in rect. Nothing without a surface.
    void DrawFit(QPainter& targetDC, const QRect& rect) const;
    // Draws the thumbnail unscaled, centred on each axis where rect is larger.
    void DrawCentered(QPainter& targetDC, const QRect& rect) const;
    bool IsLandscape() const { return thumbWidth > thumbHeight; }
    // Zeroes the four sizes and drops the surface.
    void Clear();
    bool HasSurface() const { return surface && surface->IsCreated(); }

    // The thumbnail size for a picture in a box (single-precision ratios, truncated).
    static QSize ThumbSize(int sourceWidth, int sourceHeight, int boxWidth, int boxHeight);
    // The box, in pixels, of thumbnails drawn into `logical` on a display of `ratio` pixels
    // per logical pixel: every pixel the display has there, but no side longer than
    // kMaxBoxSide (a thumbnail per page is kept: on a large dense window the full resolution
    // would cost tens of megabytes a page for a preview). Empty for an empty box or a ratio
    // that is not positive.
    static QSize BoxForDisplay(const QSize& logical, double ratio);
    static constexpr int kMaxBoxSide = 1280;

    std::int32_t sourceWidth = 0;
    std::int32_t sourceHeight = 0;
    std::int32_t thumbWidth = 0;
    std::int32_t thumbHeight = 0;
    std::unique_ptr<COffscreenDC> surface;

private:
    bool MakeFromImage(const QImage& image, QPainter* referenceDC);
};
