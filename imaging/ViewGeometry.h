#pragma once

// How the editor's view shows its picture: fitted into the view at its top-left corner, or
// zoomed (50, 100, 200 %) and scrolled. The drawn part of the picture is an integer source
// rectangle stretched onto a target rectangle at the view's origin; converting view points
// to picture pixels uses that same mapping, so a frame drawn over the view selects exactly
// the picture pixels shown under it, whatever the zoom and scroll.

#include "imaging/ImageEdit.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class CViewGeometry {
public:
    // picture: size of the picture (empty without one); client: the view's visible area;
    // scroll: the scroll positions in zoomed pixels (ignored in fit mode).
    CViewGeometry(QSize picture, QSize client, bool fitMode, int zoomPercent, QPoint scroll);

    // w * Z / 100 by h * Z / 100, integer.
    static QSize ZoomedSize(QSize picture, int zoomPercent);
    // What the scroll bars scroll over: the zoomed size, or 1 x 1 in fit mode and without a
    // picture (nothing scrolls).
    QSize ContentSize() const;

    bool HasPicture() const { return !m_source.isEmpty() && !m_target.isEmpty(); }
    // The part of the picture drawn (picture pixels) and where it goes (view pixels); both
    // empty without a picture. Fit: the whole picture onto (0, 0, FitSize). Zoom Z: the drawn
    // size D is the client's when the zoomed picture is larger, else the zoomed size; the
    // source starts at scroll * 100 / Z and measures D * 100 / Z.
    QRect SourceRect() const { return m_source; }
    QRect TargetRect() const { return m_target; }

    // A view point as a picture point (pixel edges, rounded to the nearest); points outside
    // the drawn picture map outside the picture the same way.
    QPoint ToPicture(QPoint view) const;
    // A selection in view coordinates as picture coordinates, corner by corner, so a
    // selection drawn from bottom-right to top-left stays one.
    CSelectionRect ToPicture(const CSelectionRect& view) const;
    // A length on the view as picture pixels (at least 1 for a positive length).
    int PictureLength(int viewLength) const;

private:
    QRect m_source;
    QRect m_target;
    QSize m_content{1, 1};
};
