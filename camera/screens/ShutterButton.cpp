#include "camera/screens/ShutterButton.h"

#include "resources/ResourceIds.h"
#include "text/Strings.h"

#include <QPainter>

CShutterButton::CShutterButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setText(LoadRawString(ids::IDS_CAMERA_SHUTTER));
    setAccessibleName(LoadRawString(ids::IDS_CAMERA_SHUTTER));
    setAccessibleDescription(LoadRawString(ids::IDS_CAMERA_SHUTTER_HINT));
    setToolTip(text());
}

QSize CShutterButton::sizeHint() const {
    return QSize(56, 56);
}

bool CShutterButton::hitButton(const QPoint& pos) const {
    const QPointF d = QPointF(pos) - QRectF(rect()).center();
    const qreal r = std::min(width(), height()) / 2.0;
    return d.x() * d.x() + d.y() * d.y() <= r * r;
}

void CShutterButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    const QRectF outer(QPointF((width() - side) / 2.0, (height() - side) / 2.0),
                       QSizeF(side, side));
    const qreal ring = std::max<qreal>(2, side / 14);
    p.setPen(QPen(isEnabled() ? Qt::white : Qt::gray, ring));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(outer.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
    const qreal gap = ring * 2;
    QColor fill = isDown() ? QColor(0xC8, 0xC8, 0xC8) : QColor(Qt::white);
    if (!isEnabled())
        fill = Qt::gray;
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(outer.adjusted(gap, gap, -gap, -gap));
    if (hasFocus()) {
        // The focus mark stays visible on any picture behind the button.
        p.setPen(QPen(QColor(0x2A, 0x7F, 0xFF), ring, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(outer.adjusted(gap * 1.6, gap * 1.6, -gap * 1.6, -gap * 1.6));
    }
}
