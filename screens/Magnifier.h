#pragma once

// The loupe of the corner handles: a round, enlarged view of the picture around the point
// under the finger, with a cross hair on that point, drawn where the finger does not cover it.

#include <QImage>
#include <QPointF>
#include <QRect>

class QPainter;

class CMagnifier {
public:
    // diameter: the loupe's size on the screen; zoom: screen pixels per picture pixel shown
    // in it, relative to the picture drawn at `scale`.
    CMagnifier(int diameter, double zoom) : m_diameter(diameter), m_zoom(zoom) {}

    int Diameter() const { return m_diameter; }
    // The loupe's square in `area`: in the top-left corner, or in the top-right one when the
    // finger is in the left half of the upper third, so it never sits under the finger.
    QRect Place(const QRect& area, QPointF finger) const;
    // Draws the picture around `picturePoint` (picture pixels) into `where`, enlarged to
    // zoom times `scale` screen pixels per picture pixel.
    void Draw(QPainter& painter, const QImage& picture, QPointF picturePoint, double scale,
              const QRect& where) const;

private:
    int m_diameter;
    double m_zoom;
};
