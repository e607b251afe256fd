#pragma once

// The four corners of a sheet in a picture, in picture pixel coordinates (x from the left,
// y from the top, pixel centres at whole numbers). The order is always top-left, top-right,
// bottom-right, bottom-left as the sheet appears in the picture, so the editor's handles and
// the straightening agree on which corner is which.

#include <QPointF>
#include <QSize>

#include <array>

class CPageCorners {
public:
    CPageCorners() = default;
    // Takes the corners in the order top-left, top-right, bottom-right, bottom-left.
    CPageCorners(QPointF topLeft, QPointF topRight, QPointF bottomRight, QPointF bottomLeft);

    // The corners of a whole width x height picture: (0, 0) .. (width - 1, height - 1).
    static CPageCorners Whole(int width, int height);
    // Four points in any order, put in the order above: sorted around their centre, the
    // first being the one nearest the picture's top-left (smallest x + y).
    static CPageCorners FromUnordered(const std::array<QPointF, 4>& points);

    QPointF TopLeft() const { return m_points[0]; }
    QPointF TopRight() const { return m_points[1]; }
    QPointF BottomRight() const { return m_points[2]; }
    QPointF BottomLeft() const { return m_points[3]; }
    // Corner 0..3 in the order above.
    QPointF At(int index) const { return m_points[std::size_t(index & 3)]; }
    void Set(int index, QPointF point) { m_points[std::size_t(index & 3)] = point; }
    const std::array<QPointF, 4>& Points() const { return m_points; }

    // Every corner multiplied by the factor (from a scaled copy back to the picture).
    CPageCorners Scaled(double factor) const;
    // True when these are the corners of the whole width x height picture (within half a
    // pixel): straightening them changes nothing.
    bool IsWhole(int width, int height) const;
    // Convex, not self-crossing, and every corner turns the same way.
    bool IsConvex() const;
    // Area of the quadrilateral in square pixels.
    double Area() const;
    // Size of the straightened sheet: the longer of each pair of opposite sides, rounded,
    // at least 1 x 1.
    QSize StraightenedSize() const;
    // Every corner moved inside a width x height picture.
    CPageCorners ClampedTo(int width, int height) const;
    // The largest distance between a corner and the same corner of `other`.
    double MaxDistance(const CPageCorners& other) const;

    bool operator==(const CPageCorners& other) const = default;

private:
    std::array<QPointF, 4> m_points;
};
