#pragma once

// An off-screen drawing surface: an image in the screen's format plus a painter on it. Used for
// flicker-free painting and as the storage of page thumbnails.

#include <QImage>
#include <QPainter>
#include <QRect>

#include <memory>

class COffscreenDC {
public:
    COffscreenDC() = default;
    virtual ~COffscreenDC();
    COffscreenDC(const COffscreenDC&) = delete;
    COffscreenDC& operator=(const COffscreenDC&) = delete;

    // Makes a surface of rect's size that maps onto rect of the target. The reference
    // painter only stands for the screen the surface is made for and may be null. `ratio` is
    // the target's device pixel ratio: the surface has rect's size times it in pixels (rounded
    // up) and is painted on in rect's units, so a 2x display gets all its pixels. False for an
    // empty rectangle, a ratio that is not positive or when memory is short. A second Create
    // replaces the first.
    bool Create(QPainter* referenceDC, const QRect& rect, qreal ratio = 1.0);
    // Pixels of the surface per unit of its bounds; 1 without a surface.
    qreal Ratio() const { return m_created ? m_image.devicePixelRatio() : 1.0; }
    // Copies the surface unscaled onto bounds of the target.
    void FlushTo(QPainter& targetDC) const;
    // Ends the painter and drops the surface.
    void Release();

    bool IsCreated() const { return m_created; }
    const QRect& Bounds() const { return m_bounds; }
    // The painter on the surface (surface coordinates, origin at bounds' top-left); null
    // without a surface.
    QPainter* Painter() { return m_painter.get(); }
    // The surface (Ratio() times the bounds' size in pixels); null image without one. Painting
    // through Painter() shows here once the painter has flushed (QPainter on a QImage draws
    // directly).
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    QRect m_bounds;
    bool m_created = false;
};
