#pragma once

// The crop frame of the image editor: a rectangle in view coordinates that the user draws
// with a rubber band, moves by its inside and resizes by eight handles. The handles sit
// outside the rectangle; dragging a handle past the opposite side inverts the rectangle,
// which is allowed (the crop normalises it). Drawn as a solid outline over a hatched inside.

#include "imaging/ImageEdit.h"

#include <QPoint>
#include <QRect>

class QPainter;

class CCropTracker {
public:
    // What a point hits, corners first.
    enum EHit {
        kHitNothing = -1,
        kHitTopLeft = 0,
        kHitTopRight,
        kHitBottomRight,
        kHitBottomLeft,
        kHitTop,
        kHitRight,
        kHitBottom,
        kHitLeft,
        kHitMiddle,
    };

    explicit CCropTracker(int handleSize = 8);

    void SetHandleSize(int size) { m_handleSize = size; }
    int HandleSize() const { return m_handleSize; }
    void SetRect(const CSelectionRect& rect) { m_rect = rect; }
    const CSelectionRect& Rect() const { return m_rect; }
    // The rectangle with left <= right and top <= bottom, as a QRect (right edge exclusive).
    QRect NormalRect() const;
    void Offset(int dx, int dy);

    // Hit test against the normalised rectangle and its handles.
    EHit HitTest(QPoint point) const;
    QRect HandleRect(EHit handle) const;

    // A drag either follows a handle or the inside (Track) or draws a new rectangle from the
    // press point (rubber band). Points are kept within `bounds`.
    bool BeginTrack(QPoint point);
    void BeginRubberBand(QPoint point);
    void DragTo(QPoint point, const QRect& bounds);
    void EndDrag() {
        m_drag = kHitNothing;
        m_dragging = false;
    }
    bool IsDragging() const { return m_dragging; }

    void Draw(QPainter& painter) const;

private:
    CSelectionRect m_rect{0, 0, 100, 100};
    int m_handleSize;
    bool m_dragging = false;
    bool m_rubberBand = false;
    EHit m_drag = kHitNothing;
    QPoint m_press;
    CSelectionRect m_start;
};
