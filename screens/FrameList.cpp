#include "screens/FrameList.h"

#include "resources/ResourceIds.h"
#include "screens/PaintedControlAccessible.h"
#include "session/Page.h"
#include "session/PageOperations.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/TouchInput.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollEvent>
#include <QScrollPrepareEvent>

#include <cmath>

namespace {

// The strip's labels are drawn in the body font of the toolkit.
constexpr EFontKind kLabelFontKind = kFontMessageBody;

} // namespace

void DrawShadowText(QPainter& dc, const QPoint& topLeft, const QString& text) {
    const QFontMetrics metrics(dc.font());
    const QRect box(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    dc.setPen(Qt::black);
    dc.drawText(box, flags, text);
    dc.setPen(Qt::white);
    dc.drawText(box.translated(-1, -1), flags, text);
}

void DrawShadowLabel(QPainter& dc, const QRect& reference, const QString& text) {
    const QFontMetrics metrics(dc.font());
    const int right = reference.left() + reference.width();
    const int bottom = reference.top() + reference.height();
    DrawShadowText(dc,
                   QPoint(right - ScalePixels(3) - metrics.horizontalAdvance(text),
                          bottom - ScalePixels(3) - metrics.height()),
                   text);
}

CFrameList::CFrameList(QWidget* parent) : QWidget(parent) {
    InstallPaintedControlAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(LoadFormatted(ids::IDS_MAIN_PAGES));
    if (const QFont* font = GetFont(GetFontCode(kLabelFontKind)))
        setFont(*font);

    using namespace ids;
    const std::uint32_t ids[kFrameCount] = {IDB_FRAME_PORTRAIT, IDB_FRAME_LANDSCAPE,
                                            IDB_FRAME_PORTRAIT_RAISED, IDB_FRAME_LANDSCAPE_RAISED};
    // Insets of the picture inside each frame: left, top, right, bottom.
    const int insets[kFrameCount][4] = {{2, 2, 3, 3}, {2, 2, 3, 3}, {3, 3, 4, 5}, {3, 3, 5, 4}};
    for (int i = 0; i < kFrameCount; ++i) {
        m_frames[i] = SkinAddImage(ids[i]);
        m_frameSizes[i] = SkinImageSize(m_frames[i]);
        m_pictureAreas[i] = QRect(0, 0, m_frameSizes[i].width(), m_frameSizes[i].height())
                                .adjusted(ScalePixels(insets[i][0]), ScalePixels(insets[i][1]),
                                          -ScalePixels(insets[i][2]), -ScalePixels(insets[i][3]));
    }
    m_area = rect();
    EnableFlicking(static_cast<QWidget*>(this));
}

CFrameList::~CFrameList() {
    for (std::int32_t frame : m_frames)
        if (frame)
            SkinReleaseImage(frame);
}

CPage* CFrameList::At(int index) const {
    return index >= 0 && index < Count() ? m_items[std::size_t(index)] : nullptr;
}

CFrameList::EFrame CFrameList::FrameKind(bool raised) const {
    if (raised)
        return m_portraitMode ? kPortraitRaised : kLandscapeRaised;
    return m_portraitMode ? kPortrait : kLandscape;
}

QSize CFrameList::FrameSize(bool raised) const {
    return m_frameSizes[FrameKind(raised)];
}

int CFrameList::Add(CPage* page) {
    if (m_items.empty())
        m_portraitMode = !(page && page->IsLandscape());
    m_items.push_back(page);
    const int index = Count() - 1;
    ItemsChanged();
    Select(index);
    update();
    return index;
}

void CFrameList::RemoveAt(int index) {
    if (index < 0 || index >= Count())
        return;
    m_items.erase(m_items.begin() + index);
    ItemsChanged();
    if (m_items.empty()) {
        m_selected = -1;
        m_selectedX = 0;
        m_overflow = false;
        SelectionChanged();
    } else {
        int next = m_selected;
        if (index == m_selected && next >= Count())
            next = Count() - 1;
        else if (index < m_selected)
            next = m_selected - 1; // the selected item moved one place left
        Select(next);
    }
    m_itemRects.resize(m_items.size());
    update();
}

void CFrameList::RemoveSelected() {
    if (m_selected >= 0)
        RemoveAt(m_selected);
}

void CFrameList::Swap(int a, int b) {
    if (At(a) && At(b)) {
        std::swap(m_items[std::size_t(a)], m_items[std::size_t(b)]);
        ItemsChanged();
    }
}

void CFrameList::Move(int from, int to) {
    MoveEntry(m_items, from, to);
    ItemsChanged();
}

void CFrameList::Clear(bool deleteItems) {
    std::vector<CPage*> items;
    items.swap(m_items);
    if (deleteItems)
        for (CPage* page : items)
            delete page;
    m_itemRects.clear();
    m_selected = -1;
    m_selectedX = 0;
    m_overflow = false;
    m_portraitMode = true;
    m_pressed = m_changedByPress = false;
    m_pressPoint = {};
    m_dragOffset = 0;
    ItemsChanged();
    SelectionChanged();
    update();
}

void CFrameList::Select(int index) {
    const int count = Count();
    if (index >= count)
        index = count - 1;
    if (index < 0)
        return;
    const int pitch = FrameSize(false).width();
    const int cw = m_area.width();
    m_selected = index;
    m_overflow = pitch * count > cw;
    if (!m_overflow)
        m_selectedX = index * pitch;
    else if (index == count - 1)
        m_selectedX = cw - FrameSize(true).width();
    else
        m_selectedX = ((cw - pitch) / (count - 1)) * index;
    SelectionChanged();
}

void CFrameList::SelectionChanged() {
    const int count = Count();
    setAccessibleDescription(m_selected >= 0 && m_selected < count
                                 ? LoadFormatted(ids::IDS_MAIN_PAGE_OF, m_selected + 1, count)
                                 : LoadFormatted(ids::IDS_MAIN_NO_PAGES));
    if (m_selected < 0 || m_selected >= count)
        return;
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(m_selected);
    QAccessible::updateAccessibility(&selection);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(m_selected);
        QAccessible::updateAccessibility(&focus);
    }
}

void CFrameList::ItemsChanged() {
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
}

void CFrameList::Choose(int index) {
    // The selected item again changes nothing, as a tap on it does not.
    if (index < 0 || index >= Count() || index == m_selected)
        return;
    m_dragOffset = 0;
    ChangeSelection(index);
}

void CFrameList::ChangeSelection(int index) {
    Select(index);
    NotifyCurrent();
    update();
}

void CFrameList::SelectPrevious() {
    if (m_selected > 0)
        ChangeSelection(m_selected - 1);
}

void CFrameList::SelectNext() {
    if (m_selected >= 0 && m_selected + 1 < Count())
        ChangeSelection(m_selected + 1);
}

void CFrameList::NotifyCurrent() {
    if (m_listener)
        m_listener->OnFrameSelected(m_selected);
}

void CFrameList::SetArea(int width, int height) {
    m_area = QRect(0, 0, width, height);
    m_backBuffer.Release();
    // Where the selected frame sits depends on the width: place it again for the new one.
    if (m_selected >= 0)
        Select(m_selected);
    update();
}

int CFrameList::PreferredHeight() const {
    return FrameSize(false).height() + 2 * ScalePixels(6);
}

int CFrameList::FixedHeight() const {
    return ScalePixels(50) + 2 * ScalePixels(6);
}

int CFrameList::HitTest(const QPoint& point) const {
    for (std::size_t i = 0; i < m_itemRects.size(); ++i)
        if (m_itemRects[i].contains(point))
            return int(i);
    return -1;
}

void CFrameList::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SetArea(width(), height());
}

void CFrameList::paintEvent(QPaintEvent*) {
    if (m_area.isEmpty())
        return;
    // At the display's pixels, so the frames and thumbnails are as sharp as the display is; a
    // move to a display of another density makes it again.
    const qreal ratio = devicePixelRatioF();
    if ((!m_backBuffer.IsCreated() || m_backBuffer.Ratio() != ratio) &&
        !m_backBuffer.Create(nullptr, m_area, ratio))
        return;
    QPainter& dc = *m_backBuffer.Painter();
    dc.fillRect(QRect(QPoint(0, 0), m_area.size()), Qt::white);
    if (!m_items.empty())
        PaintItems(dc);
    QPainter window(this);
    m_backBuffer.FlushTo(window);
}

void CFrameList::PaintItems(QPainter& dc) {
    dc.setFont(font());
    const int count = Count();
    const int pitch = FrameSize(false).width();
    const int y = ScalePixels(6);
    m_itemRects.assign(std::size_t(count), QRect());
    const int selected = m_selected >= 0 && m_selected < count ? m_selected : 0;
    for (int i = selected - 1, x = m_selectedX - pitch + ScalePixels(3); i >= 0; --i, x -= pitch)
        DrawItem(dc, i, x, y);
    for (int i = selected + 1, x = m_selectedX + pitch + ScalePixels(3); i < count; ++i, x += pitch)
        DrawItem(dc, i, x, y);
    DrawItem(dc, selected, m_selectedX + ScalePixels(3), y);
    if (m_selected == selected)
        DrawRaised(dc, selected, m_selectedX + ScalePixels(3), y);
}

void CFrameList::DrawItem(QPainter& dc, int index, int x, int y) {
    if (m_overflow)
        x -= m_dragOffset;
    const EFrame kind = FrameKind(false);
    m_itemRects[std::size_t(index)] = QRect(QPoint(x, y), m_frameSizes[kind]);
    SkinDrawImage(dc, m_frames[kind], x, y);
    if (CPage* page = At(index))
        page->DrawFit(dc, x, y, m_pictureAreas[kind]);
    DrawShadowLabel(dc, QRect(QPoint(x, y), m_frameSizes[kind]),
                    LoadFormatted(ids::IDS_MAIN_PAGE_NUMBER, index + 1));
}

void CFrameList::DrawRaised(QPainter& dc, int index, int x, int y) {
    const QSize normal = FrameSize(false);
    const EFrame kind = FrameKind(true);
    const QSize raised = m_frameSizes[kind];
    int rx = x + (normal.width() - raised.width()) / 2;
    if (index != Count() - 1)
        rx += m_dragOffset;
    rx = std::max(rx, 0);
    const int ry = y + (normal.height() - raised.height()) / 2;
    SkinDrawImage(dc, m_frames[kind], rx, ry);
    if (CPage* page = At(index))
        page->DrawFit(dc, rx, ry, m_pictureAreas[kind]);
    DrawShadowLabel(dc, QRect(QPoint(rx, ry), raised),
                    LoadFormatted(ids::IDS_MAIN_PAGE_NUMBER, index + 1));
}

void CFrameList::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint point = event->position().toPoint();
    m_changedByPress = false;
    const int hit = HitTest(point);
    // Beside the items nothing changes; a drag may still start from there.
    if (hit >= 0 && hit != m_selected) {
        Select(hit);
        m_dragOffset = 0;
        NotifyCurrent();
        m_changedByPress = true;
    }
    m_pressPoint = point;
    m_pressed = true;
    update();
}

void CFrameList::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressed || m_changedByPress)
        return QWidget::mouseMoveEvent(event);
    const QPoint point = event->position().toPoint();
    const int hit = HitTest(point);
    if (hit >= 0 && hit != m_selected) {
        Select(hit);
        m_pressPoint = point;
        m_dragOffset = 0;
        NotifyCurrent();
    } else {
        m_dragOffset = point.x() - m_pressPoint.x();
    }
    update();
}

void CFrameList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    if (m_pressed && !m_changedByPress) {
        const int hit = HitTest(event->position().toPoint());
        if (hit >= 0 && hit != m_selected) {
            Select(hit);
            NotifyCurrent();
        }
    }
    m_dragOffset = 0;
    m_pressed = m_changedByPress = false;
    update();
}

bool CFrameList::event(QEvent* event) {
    if (event->type() == QEvent::ScrollPrepare) {
        // A finger scrolls the strip only when its frames do not all fit: one frame's width of
        // travel is one page.
        const int pitch = FrameSize(false).width();
        if (!m_overflow || Count() < 2 || pitch <= 0 || m_selected < 0)
            return true; // not accepted: the press is a plain tap
        auto* prepare = static_cast<QScrollPrepareEvent*>(event);
        prepare->setViewportSize(size());
        prepare->setContentPosRange(QRectF(0, 0, qreal(pitch) * (Count() - 1), 0));
        prepare->setContentPos(QPointF(qreal(pitch) * m_selected, 0));
        prepare->accept();
        return true;
    }
    if (event->type() == QEvent::Scroll) {
        const int pitch = FrameSize(false).width();
        const auto* scroll = static_cast<QScrollEvent*>(event);
        const int index =
            pitch > 0 ? int(std::lround(scroll->contentPos().x() / pitch)) : m_selected;
        if (index >= 0 && index < Count() && index != m_selected) {
            m_dragOffset = 0;
            ChangeSelection(index);
        }
        return true;
    }
    return QWidget::event(event);
}

void CFrameList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left: SelectPrevious(); return;
    case Qt::Key_Right: SelectNext(); return;
    case Qt::Key_Home:
        if (m_selected > 0)
            ChangeSelection(0);
        return;
    case Qt::Key_End:
        if (m_selected >= 0 && m_selected + 1 < Count())
            ChangeSelection(Count() - 1);
        return;
    default: QWidget::keyPressEvent(event);
    }
}
