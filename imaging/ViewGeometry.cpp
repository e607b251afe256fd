#include "imaging/ViewGeometry.h"

#include "imaging/FitSize.h"

#include <algorithm>
#include <cmath>

CViewGeometry::CViewGeometry(QSize picture, QSize client, bool fitMode, int zoomPercent,
                             QPoint scroll) {
    if (picture.isEmpty() || client.isEmpty() || zoomPercent <= 0)
        return;
    if (fitMode) {
        const QSize fit =
            FitSize(picture.width(), picture.height(), client.width(), client.height());
        m_source = QRect(QPoint(0, 0), picture);
        m_target = QRect(QPoint(0, 0), fit);
        return;
    }
    const QSize zoomed = ZoomedSize(picture, zoomPercent);
    m_content = zoomed.isEmpty() ? QSize(1, 1) : zoomed;
    const int drawnWidth = zoomed.width() > client.width() ? client.width() : zoomed.width();
    const int drawnHeight = zoomed.height() > client.height() ? client.height() : zoomed.height();
    // Positions beyond the scrollable range would read past the picture.
    const int sx = std::clamp(scroll.x(), 0, std::max(0, zoomed.width() - drawnWidth));
    const int sy = std::clamp(scroll.y(), 0, std::max(0, zoomed.height() - drawnHeight));
    m_source = QRect(sx * 100 / zoomPercent, sy * 100 / zoomPercent, drawnWidth * 100 / zoomPercent,
                     drawnHeight * 100 / zoomPercent);
    m_target = QRect(0, 0, drawnWidth, drawnHeight);
    if (m_source.isEmpty())
        m_source = m_target = QRect();
}

QSize CViewGeometry::ZoomedSize(QSize picture, int zoomPercent) {
    return {picture.width() * zoomPercent / 100, picture.height() * zoomPercent / 100};
}

QSize CViewGeometry::ContentSize() const {
    return m_content;
}

QPoint CViewGeometry::ToPicture(QPoint view) const {
    if (!HasPicture())
        return view;
    const double sx = double(m_source.width()) / m_target.width();
    const double sy = double(m_source.height()) / m_target.height();
    return {m_source.left() + int(std::lround((view.x() - m_target.left()) * sx)),
            m_source.top() + int(std::lround((view.y() - m_target.top()) * sy))};
}

CSelectionRect CViewGeometry::ToPicture(const CSelectionRect& view) const {
    const QPoint a = ToPicture(QPoint(view.left, view.top));
    const QPoint b = ToPicture(QPoint(view.right, view.bottom));
    return {a.x(), a.y(), b.x(), b.y()};
}

int CViewGeometry::PictureLength(int viewLength) const {
    if (!HasPicture() || viewLength <= 0)
        return viewLength;
    const double scale = double(m_source.width()) / m_target.width();
    return std::max(1, int(std::lround(viewLength * scale)));
}
