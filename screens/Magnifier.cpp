#include "screens/Magnifier.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

QRect CMagnifier::Place(const QRect& area, QPointF finger) const {
    const int margin = std::max(2, m_diameter / 16);
    const QRect left(area.left() + margin, area.top() + margin, m_diameter, m_diameter);
    const int leftBottom = area.top() + margin * 2 + m_diameter + m_diameter / 4;
    const bool fingerNearLeft = finger.x() < area.center().x() && finger.y() < leftBottom;
    if (!fingerNearLeft)
        return left;
    return QRect(area.right() - margin - m_diameter + 1, area.top() + margin, m_diameter,
                 m_diameter);
}

void CMagnifier::Draw(QPainter& painter, const QImage& picture, QPointF picturePoint, double scale,
                      const QRect& where) const {
    if (picture.isNull() || where.isEmpty())
        return;
    const double factor = std::max(scale * m_zoom, 1e-6);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath circle;
    circle.addEllipse(QRectF(where));
    painter.setClipPath(circle);
    painter.fillRect(where, Qt::white);
    // Picture pixels shown: the loupe's size divided by the enlargement, centred on the point.
    const QSizeF shown(where.width() / factor, where.height() / factor);
    const QRectF source(picturePoint.x() + 0.5 - shown.width() / 2,
                        picturePoint.y() + 0.5 - shown.height() / 2, shown.width(), shown.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(where), picture, source);
    painter.setClipping(false);
    const QPointF centre = QRectF(where).center();
    const double arm = where.width() / 6.0;
    painter.setPen(QPen(QColor(0xff, 0xff, 0xff), 3));
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    painter.setPen(QPen(QColor(0x1a, 0x5f, 0xd0), 1));
    painter.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    painter.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
    painter.setPen(QPen(QColor(0x1a, 0x5f, 0xd0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(where).adjusted(1, 1, -1, -1));
    painter.restore();
}
