#include "screens/ImageView.h"

#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/TouchInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QScrollPrepareEvent>

#include <algorithm>

namespace {

// The crop frame made from the keyboard starts this size (low-resolution pixels).
constexpr int kKeyboardFrameSide = 60;
// Scroll bars thick enough for a finger on either screen class (low-resolution pixels).
constexpr int kScrollBarThickness = 12;

// The platform style with scroll bars sized for the device's screen class instead of the
// host's monitor.
class CDeviceScrollBarStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ScrollBarExtent)
            return ScalePixels(kScrollBarThickness);
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

CImageView::CImageView(QWidget* parent)
    : QAbstractScrollArea(parent), m_scroll(this), m_tracker(ScalePixels(8)) {
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Not opaque to the painting system: the screen under the view must get its own paint,
    // which tells the screen stack that the editor is shown.
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(LoadRawString(ids::IDS_EDITOR_PICTURE));
    // How to use the view is its help; its description says what it shows (Describe).
    setWhatsThis(LoadRawString(ids::IDS_EDITOR_PICTURE_HELP));
    // Created after the bars, so it is destroyed after them as well.
    auto* barStyle = new CDeviceScrollBarStyle;
    barStyle->setParent(this);
    horizontalScrollBar()->setStyle(barStyle);
    verticalScrollBar()->setStyle(barStyle);
    horizontalScrollBar()->setAccessibleName(LoadRawString(ids::IDS_EDITOR_SCROLL_ACROSS));
    verticalScrollBar()->setAccessibleName(LoadRawString(ids::IDS_EDITOR_SCROLL_UP_DOWN));
    m_scroll.SetContentSize({1, 1});
    EnableFlicking(this);
}

bool CImageView::viewportEvent(QEvent* event) {
    // A finger pans a zoomed picture, except on the crop frame, which it moves and sizes; in
    // fit mode nothing scrolls and the finger draws the frame.
    if (event->type() == QEvent::ScrollPrepare && m_selectionShown &&
        m_tracker.HitTest(static_cast<QScrollPrepareEvent*>(event)->startPos().toPoint()) !=
            CCropTracker::kHitNothing)
        return true; // not accepted: the press goes to the frame
    return QAbstractScrollArea::viewportEvent(event);
}

CImageView::~CImageView() {
    ResetPicture(true);
}

CViewGeometry CImageView::Geometry() const {
    const QSize picture = HasPicture() ? QSize(m_pictureWidth, m_pictureHeight) : QSize();
    return CViewGeometry(picture, viewport()->size(), m_fitMode, m_zoomPercent,
                         m_scroll.Position());
}

QImage CImageView::PaintedImage() const {
    if (!m_backBuffer.IsCreated())
        return {};
    // In the buffer's pixels: twice the view's size on a 2x display.
    QImage painted =
        m_backBuffer.Image().copy(QRect(QPoint(0, 0), viewport()->size() * m_backBuffer.Ratio()));
    painted.setDevicePixelRatio(m_backBuffer.Ratio());
    return painted;
}

int CImageView::MinimumCropSide() const {
    // The smallest frame is a size on the screen; in picture pixels it depends on the zoom.
    return Geometry().PictureLength(ScalePixels(30));
}

void CImageView::UpdateContentSize() {
    m_scroll.SetContentSize(Geometry().ContentSize());
}

void CImageView::SetZoom(int percent) {
    m_selectionShown = false;
    m_fitMode = false;
    m_zoomPercent = percent;
    m_scroll.ScrollTo({0, 0});
    UpdateContentSize();
    m_scroll.ScrollTo({0, 0});
    SyncSelection();
    Repaint();
}

void CImageView::SetFit() {
    m_fitMode = true;
    UpdateContentSize();
    SyncSelection();
    Repaint();
}

void CImageView::SetViewSelection(const CSelectionRect& rect, bool shown) {
    m_tracker.SetRect(rect);
    m_selectionShown = shown;
    SyncSelection();
    Repaint();
}

void CImageView::SyncSelection() {
    m_selection = Geometry().ToPicture(m_tracker.Rect());
    Describe();
}

void CImageView::OnContentSizeChanged() {
    UpdateContentSize();
    m_scroll.ScrollTo({0, 0});
    SyncSelection();
}

void CImageView::Repaint() {
    // Every change of picture, zoom, scroll or frame ends here, so the description follows.
    Describe();
    viewport()->update();
}

QString CImageView::DescriptionText() const {
    using namespace ids;
    if (!HasPicture())
        return {};
    QString text = LoadFormatted(IDS_EDITOR_PICTURE_SIZE, m_pictureWidth, m_pictureHeight);
    // The part of the picture a crop would keep: the frame clipped to the picture.
    const int left = std::clamp(std::min(m_selection.left, m_selection.right), 0, m_pictureWidth);
    const int right = std::clamp(std::max(m_selection.left, m_selection.right), 0, m_pictureWidth);
    const int top = std::clamp(std::min(m_selection.top, m_selection.bottom), 0, m_pictureHeight);
    const int bottom =
        std::clamp(std::max(m_selection.top, m_selection.bottom), 0, m_pictureHeight);
    const bool frame = m_selectionShown && right > left && bottom > top;
    text += QStringLiteral(", ") +
            (frame ? LoadFormatted(IDS_EDITOR_CROP_FRAME, right - left, bottom - top, left, top)
                   : LoadFormatted(IDS_EDITOR_NO_CROP_FRAME));
    return text;
}

void CImageView::Describe() {
    const QString text = DescriptionText();
    if (text != accessibleDescription())
        setAccessibleDescription(text);
}

void CImageView::OnDisplayReset() {
    m_scroll.SetContentSize({1, 1});
    m_scroll.ScrollTo({0, 0});
    m_fitted = QImage();
    Repaint();
}

void CImageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_scroll.Update();
    SyncSelection();
}

void CImageView::scrollContentsBy(int dx, int dy) {
    m_scroll.SyncFromBars();
    // The frame stays over the same part of the picture. Entering fit mode resets the
    // positions without moving the picture under a frame that is kept.
    if (m_selectionShown && !m_fitMode)
        m_tracker.Offset(dx, dy);
    const QPoint position = m_scroll.Position();
    m_scrollX = position.x();
    m_scrollY = position.y();
    SyncSelection();
    Repaint();
}

void CImageView::paintEvent(QPaintEvent*) {
    QPainter target(viewport());
    const QSize need = viewport()->size() + QSize(ScalePixels(60), ScalePixels(60));
    // At the display's pixels: a fitted or reduced picture shows all the detail the display can.
    const qreal ratio = viewport()->devicePixelRatioF();
    if (!m_backBuffer.IsCreated() || m_backBuffer.Bounds().width() < viewport()->width() ||
        m_backBuffer.Bounds().height() < viewport()->height() || m_backBuffer.Ratio() != ratio)
        m_backBuffer.Create(&target, QRect(QPoint(0, 0), need), ratio);
    QPainter* painter = m_backBuffer.Painter();
    if (!painter) {
        target.fillRect(viewport()->rect(), Qt::white);
        return;
    }
    painter->fillRect(QRect(QPoint(0, 0), m_backBuffer.Bounds().size()), Qt::white);
    DrawPicture(*painter);
    if (m_selectionShown)
        m_tracker.Draw(*painter);
    m_backBuffer.FlushTo(target);
}

void CImageView::DrawPicture(QPainter& painter) {
    const CViewGeometry geometry = Geometry();
    if (!geometry.HasPicture())
        return;
    const QImage& image = DisplayImage();
    if (image.isNull())
        return;
    const QRect source = geometry.SourceRect();
    const QRect target = geometry.TargetRect();
    if (m_fitMode) {
        // Scaled once per picture, view size and display density, with averaging, so text stays
        // legible; at the display's pixels, so a 2x display shows twice the detail.
        const qreal ratio = painter.device()->devicePixelRatioF();
        const QSize pixels = target.size() * ratio;
        if (m_fittedKey != image.cacheKey() || m_fitted.size() != pixels ||
            m_fitted.devicePixelRatio() != ratio) {
            m_fitted = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_fitted.setDevicePixelRatio(ratio);
            m_fittedKey = image.cacheKey();
        }
        painter.drawImage(target.topLeft(), m_fitted);
    } else if (m_zoomPercent == 100) {
        painter.drawImage(target.topLeft(), image, source);
    } else {
        // Enlarged pixels stay sharp squares; a reduction is smoothed.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_zoomPercent < 100);
        painter.drawImage(target, image, source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
}

QRect CImageView::Bounds() const {
    return QRect(QPoint(0, 0), viewport()->size());
}

void CImageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_pointerDown = true;
    m_pressPoint = event->position().toPoint();
    if (!(m_selectionShown && m_tracker.BeginTrack(m_pressPoint)))
        m_tracker.BeginRubberBand(m_pressPoint);
    m_selectionShown = true;
    SyncSelection();
    Repaint();
}

void CImageView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pointerDown)
        return;
    m_tracker.DragTo(event->position().toPoint(), Bounds());
    SyncSelection();
    Repaint();
}

void CImageView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_pointerDown || event->button() != Qt::LeftButton)
        return;
    m_tracker.DragTo(event->position().toPoint(), Bounds());
    m_tracker.EndDrag();
    m_pointerDown = false;
    // A tap without a drag leaves no frame.
    const QRect frame = m_tracker.NormalRect();
    if (frame.width() == 0 || frame.height() == 0)
        m_selectionShown = false;
    SyncSelection();
    Repaint();
}

bool CImageView::KeyboardFrame(int key, Qt::KeyboardModifiers modifiers) {
    const bool size = modifiers & Qt::ShiftModifier;
    const bool move = modifiers & Qt::ControlModifier;
    if (!size && !move)
        return false;
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left: dx = -CScrollAxis::kLineStep; break;
    case Qt::Key_Right: dx = CScrollAxis::kLineStep; break;
    case Qt::Key_Up: dy = -CScrollAxis::kLineStep; break;
    case Qt::Key_Down: dy = CScrollAxis::kLineStep; break;
    default: return false;
    }
    const QRect bounds = Bounds();
    if (!m_selectionShown) {
        // A new frame in the middle of what is shown of the picture.
        const QRect shown = Geometry().TargetRect().isEmpty() ? bounds : Geometry().TargetRect();
        const int side = ScalePixels(kKeyboardFrameSide);
        const QPoint c = shown.center();
        m_tracker.SetRect(
            {c.x() - side / 2, c.y() - side / 2, c.x() + side - side / 2, c.y() + side - side / 2});
        m_selectionShown = true;
    } else {
        CSelectionRect r = m_tracker.Rect();
        const int right = bounds.left() + bounds.width();
        const int bottom = bounds.top() + bounds.height();
        if (move) {
            const QRect n = m_tracker.NormalRect();
            dx = std::clamp(dx, bounds.left() - n.left(), right - (n.left() + n.width()));
            dy = std::clamp(dy, bounds.top() - n.top(), bottom - (n.top() + n.height()));
            m_tracker.Offset(dx, dy);
        } else {
            r.right = std::clamp(r.right + dx, bounds.left(), right);
            r.bottom = std::clamp(r.bottom + dy, bounds.top(), bottom);
            m_tracker.SetRect(r);
        }
    }
    SyncSelection();
    Repaint();
    return true;
}

void CImageView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (KeyboardFrame(key, event->modifiers())) {
        event->accept();
        return;
    }
    const CScrollAxis& vertical = m_scroll.Axis(Qt::Vertical);
    switch (key) {
    case Qt::Key_Left: m_scroll.Scroll(Qt::Horizontal, EScrollCode::LineBack); break;
    case Qt::Key_Right: m_scroll.Scroll(Qt::Horizontal, EScrollCode::LineForward); break;
    case Qt::Key_Up: m_scroll.Scroll(Qt::Vertical, EScrollCode::LineBack); break;
    case Qt::Key_Down: m_scroll.Scroll(Qt::Vertical, EScrollCode::LineForward); break;
    case Qt::Key_PageUp: m_scroll.Scroll(Qt::Vertical, EScrollCode::PageBack); break;
    case Qt::Key_PageDown: m_scroll.Scroll(Qt::Vertical, EScrollCode::PageForward); break;
    case Qt::Key_Home: m_scroll.Scroll(Qt::Vertical, EScrollCode::ThumbPosition, 0); break;
    case Qt::Key_End:
        m_scroll.Scroll(Qt::Vertical, EScrollCode::ThumbPosition, vertical.MaxPosition());
        break;
    default:
        // Escape, Enter and the soft keys belong to the screen.
        event->ignore();
        return;
    }
    event->accept();
}
