#include "screens/CornerEditor.h"

#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

const QColor kLineColour(0x1a, 0x5f, 0xd0);
// A finger is less exact than the drawn handle: presses this far away still take it
// (low-resolution pixels).
constexpr int kReach = 24;
constexpr int kMagnifierSide = 90;
constexpr double kMagnifierZoom = 3.0;

} // namespace

CCornerEditor::CCornerEditor(QWidget* parent)
    : QWidget(parent), m_handleSide(ScalePixels(8)),
      m_magnifier(ScalePixels(kMagnifierSide), kMagnifierZoom) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(LoadRawString(ids::IDS_STRAIGHTEN_CORNERS));
    UpdateDescription();
}

void CCornerEditor::SetPicture(const QImage& picture) {
    m_picture = picture;
    SetCorners(m_corners);
}

void CCornerEditor::SetCorners(const CPageCorners& corners) {
    m_corners =
        m_picture.isNull() ? corners : corners.ClampedTo(m_picture.width(), m_picture.height());
    update();
}

void CCornerEditor::SetCurrentCorner(int index) {
    m_current = index & 3;
    UpdateDescription();
    update();
}

void CCornerEditor::UpdateDescription() {
    setAccessibleDescription(LoadRawString(std::uint16_t(ids::IDS_CORNER_TOP_LEFT + m_current)) +
                             QStringLiteral(". ") + LoadRawString(ids::IDS_STRAIGHTEN_HELP));
}

double CCornerEditor::Scale() const {
    if (m_picture.isNull())
        return 1.0;
    // Half a handle of room on each side, so a handle on the picture's edge is whole.
    const double w = std::max(1, width() - m_handleSide);
    const double h = std::max(1, height() - m_handleSide);
    return std::min(w / m_picture.width(), h / m_picture.height());
}

QRectF CCornerEditor::PictureRect() const {
    const double scale = Scale();
    const QSizeF size(m_picture.width() * scale, m_picture.height() * scale);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QPointF CCornerEditor::ToView(QPointF picturePoint) const {
    // Picture pixel centres sit half a pixel inside the drawn square.
    return PictureRect().topLeft() + (picturePoint + QPointF(0.5, 0.5)) * Scale();
}

QPointF CCornerEditor::ToPicture(QPointF viewPoint) const {
    return (viewPoint - PictureRect().topLeft()) / Scale() - QPointF(0.5, 0.5);
}

void CCornerEditor::MoveCorner(int index, QPointF picturePoint) {
    m_corners.Set(index, picturePoint);
    if (!m_picture.isNull())
        m_corners = m_corners.ClampedTo(m_picture.width(), m_picture.height());
    update();
}

bool CCornerEditor::event(QEvent* event) {
    // Tab stays inside the control: it picks the next handle.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier)) {
            SetCurrentCorner(m_current + 1);
            return true;
        }
        if (key->key() == Qt::Key_Backtab ||
            (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier))) {
            SetCurrentCorner(m_current + 3);
            return true;
        }
    }
    return QWidget::event(event);
}

void CCornerEditor::keyPressEvent(QKeyEvent* event) {
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: QWidget::keyPressEvent(event); return;
    }
    // One screen pixel per press, ten with Shift, in picture pixels.
    const double step = (event->modifiers() & Qt::ShiftModifier ? 10.0 : 1.0) / Scale();
    MoveCorner(m_current, m_corners.At(m_current) + QPointF(dx * step, dy * step));
}

void CCornerEditor::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_picture.isNull())
        return;
    const QPointF at = event->position();
    int nearest = -1;
    double best = ScalePixels(kReach);
    for (int i = 0; i < 4; ++i) {
        const double d = QLineF(at, ToView(m_corners.At(i))).length();
        if (d <= best) {
            best = d;
            nearest = i;
        }
    }
    if (nearest < 0)
        return;
    SetCurrentCorner(nearest);
    m_dragging = true;
    m_finger = at;
    update();
}

void CCornerEditor::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    m_finger = event->position();
    MoveCorner(m_current, ToPicture(m_finger));
}

void CCornerEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    m_dragging = false;
    MoveCorner(m_current, ToPicture(event->position()));
}

void CCornerEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x30, 0x30, 0x30));
    if (m_picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(PictureRect(), m_picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF outline;
    for (int i = 0; i < 4; ++i)
        outline << ToView(m_corners.At(i));
    // The sheet's outline is dark when the corners cannot be straightened (crossed sides).
    const QColor line = m_corners.IsConvex() ? kLineColour : QColor(0xc0, 0x20, 0x20);
    painter.setPen(QPen(QColor(255, 255, 255, 200), ScalePixels(3)));
    painter.drawPolygon(outline);
    painter.setPen(QPen(line, ScalePixels(1)));
    painter.drawPolygon(outline);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 4; ++i) {
        const QPointF c = ToView(m_corners.At(i));
        const QRectF handle(c.x() - m_handleSide / 2.0, c.y() - m_handleSide / 2.0, m_handleSide,
                            m_handleSide);
        const bool current = i == m_current && (hasFocus() || m_dragging);
        painter.setPen(QPen(line, 1));
        painter.setBrush(current ? line : QColor(Qt::white));
        painter.drawRect(handle);
    }
    if (m_dragging) {
        const QRect where = m_magnifier.Place(rect(), m_finger);
        m_magnifier.Draw(painter, m_picture, m_corners.At(m_current), Scale(), where);
    }
}
