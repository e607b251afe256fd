#include "screens/CropTracker.h"

#include <QPainter>

#include <algorithm>

CCropTracker::CCropTracker(int handleSize) : m_handleSize(handleSize) {}

QRect CCropTracker::NormalRect() const {
    const int left = std::min(m_rect.left, m_rect.right);
    const int right = std::max(m_rect.left, m_rect.right);
    const int top = std::min(m_rect.top, m_rect.bottom);
    const int bottom = std::max(m_rect.top, m_rect.bottom);
    return QRect(left, top, right - left, bottom - top);
}

void CCropTracker::Offset(int dx, int dy) {
    m_rect.left += dx;
    m_rect.right += dx;
    m_rect.top += dy;
    m_rect.bottom += dy;
}

QRect CCropTracker::HandleRect(EHit handle) const {
    const QRect r = NormalRect();
    const int s = m_handleSize;
    const int l = r.x();
    const int t = r.y();
    const int rr = r.x() + r.width();
    const int b = r.y() + r.height();
    const int cx = l + r.width() / 2 - s / 2;
    const int cy = t + r.height() / 2 - s / 2;
    switch (handle) {
    case kHitTopLeft: return {l - s, t - s, s, s};
    case kHitTopRight: return {rr, t - s, s, s};
    case kHitBottomRight: return {rr, b, s, s};
    case kHitBottomLeft: return {l - s, b, s, s};
    case kHitTop: return {cx, t - s, s, s};
    case kHitRight: return {rr, cy, s, s};
    case kHitBottom: return {cx, b, s, s};
    case kHitLeft: return {l - s, cy, s, s};
    case kHitMiddle: return r;
    case kHitNothing: break;
    }
    return {};
}

CCropTracker::EHit CCropTracker::HitTest(QPoint point) const {
    // A generous grip on a touch screen: the handle's square grows by half its size.
    for (int h = kHitTopLeft; h <= kHitLeft; ++h) {
        const int grow = m_handleSize / 2;
        if (HandleRect(EHit(h)).adjusted(-grow, -grow, grow, grow).contains(point))
            return EHit(h);
    }
    if (NormalRect().contains(point))
        return kHitMiddle;
    return kHitNothing;
}

bool CCropTracker::BeginTrack(QPoint point) {
    const EHit hit = HitTest(point);
    if (hit == kHitNothing)
        return false;
    const QRect r = NormalRect();
    m_rect = {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    m_start = m_rect;
    m_press = point;
    m_drag = hit;
    m_rubberBand = false;
    m_dragging = true;
    return true;
}

void CCropTracker::BeginRubberBand(QPoint point) {
    m_rect = {point.x(), point.y(), point.x(), point.y()};
    m_start = m_rect;
    m_press = point;
    m_drag = kHitBottomRight;
    m_rubberBand = true;
    m_dragging = true;
}

void CCropTracker::DragTo(QPoint point, const QRect& bounds) {
    if (!m_dragging)
        return;
    const int x = std::clamp(point.x(), bounds.left(), bounds.left() + bounds.width());
    const int y = std::clamp(point.y(), bounds.top(), bounds.top() + bounds.height());
    if (m_rubberBand) {
        m_rect.right = x;
        m_rect.bottom = y;
        return;
    }
    int dx = x - m_press.x();
    int dy = y - m_press.y();
    m_rect = m_start;
    if (m_drag == kHitMiddle) {
        // The whole frame moves and stays inside the view.
        const int width = m_start.right - m_start.left;
        const int height = m_start.bottom - m_start.top;
        const int left =
            std::clamp(m_start.left + dx, bounds.left(),
                       std::max(bounds.left(), bounds.left() + bounds.width() - width));
        const int top = std::clamp(m_start.top + dy, bounds.top(),
                                   std::max(bounds.top(), bounds.top() + bounds.height() - height));
        m_rect = {left, top, left + width, top + height};
        return;
    }
    const bool moveLeft = m_drag == kHitTopLeft || m_drag == kHitBottomLeft || m_drag == kHitLeft;
    const bool moveRight =
        m_drag == kHitTopRight || m_drag == kHitBottomRight || m_drag == kHitRight;
    const bool moveTop = m_drag == kHitTopLeft || m_drag == kHitTopRight || m_drag == kHitTop;
    const bool moveBottom =
        m_drag == kHitBottomLeft || m_drag == kHitBottomRight || m_drag == kHitBottom;
    if (moveLeft)
        m_rect.left = m_start.left + dx;
    if (moveRight)
        m_rect.right = m_start.right + dx;
    if (moveTop)
        m_rect.top = m_start.top + dy;
    if (moveBottom)
        m_rect.bottom = m_start.bottom + dy;
}

void CCropTracker::Draw(QPainter& painter) const {
    const QRect r = NormalRect();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(r, QBrush(QColor(0, 0, 0, 110), Qt::BDiagPattern));
    // Black outline with a white line inside, visible on light and dark pictures alike.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    if (r.width() > 2 && r.height() > 2) {
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(r.adjusted(1, 1, -2, -2));
    }
    for (int h = kHitTopLeft; h <= kHitLeft; ++h) {
        const QRect handle = HandleRect(EHit(h));
        painter.fillRect(handle, Qt::black);
        painter.fillRect(handle.adjusted(1, 1, -1, -1), QColor(0x2a, 0x6f, 0xd6));
    }
    painter.restore();
}
