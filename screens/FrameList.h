#pragma once

// The thumbnail strip of the main screen: one small framed thumbnail per page, the selected
// page raised in a larger frame. When the pages do not all fit, the selected frame slides
// from the left edge to the right edge as the selection goes from the first to the last page
// and the others are laid out around it. Tap selects, dragging scrubs through the pages, the
// left and right arrow keys step. A finger flicks through the pages when they do not all fit. The
// strip holds the current-page selection of the session; it does not own the pages it shows (unless
// Clear is told to destroy them).

#include "imaging/OffscreenDC.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <vector>

class CPage;

// Told when the pen or the arrow keys changed the selection.
class CFrameListListener {
public:
    virtual ~CFrameListListener() = default;
    virtual void OnFrameSelected(int index) = 0;
};

class CFrameList : public QWidget {
public:
    explicit CFrameList(QWidget* parent = nullptr);
    ~CFrameList() override;

    void SetListener(CFrameListListener* listener) { m_listener = listener; }

    // Appends the page and selects it; the first page of an empty strip decides whether the
    // frames are portrait or landscape. Returns its index.
    int Add(CPage* page);
    // Ignored outside 0..count-1. Removing the selected item keeps the selection at the same
    // index, or on the one before when it was the last.
    void RemoveAt(int index);
    void RemoveSelected();
    // Exchanges two items; the selected index stays.
    void Swap(int a, int b);
    // Puts the item at from in front of the item that was at to (count: at the end), the
    // same rule as the page list's.
    void Move(int from, int to);
    // Empties the strip (destroying the pages only with deleteItems); portrait frames again.
    void Clear(bool deleteItems);

    // An index at or beyond the count selects the last item; a negative one changes nothing.
    void Select(int index);
    void SelectPrevious();
    void SelectNext();
    // Tells the listener the current selection.
    void NotifyCurrent();
    // Selects the item and tells the listener, as a tap on it does.
    void Choose(int index);

    // The client area becomes (0, 0, width, height); the back buffer is made again.
    void SetArea(int width, int height);
    // The normal frame's height of the current orientation plus the margins.
    int PreferredHeight() const;
    // The height the main screen lays the strip out with before it has pages.
    int FixedHeight() const;

    int Count() const { return int(m_items.size()); }
    CPage* At(int index) const;
    int Selected() const { return m_selected; }
    int SelectedX() const { return m_selectedX; }
    bool IsOverflow() const { return m_overflow; }
    bool IsPortraitMode() const { return m_portraitMode; }
    int DragOffset() const { return m_dragOffset; }
    // The frames' rectangles of the last paint, one per item (hit testing).
    const std::vector<QRect>& ItemRects() const { return m_itemRects; }
    // The frame sizes of the current orientation.
    QSize FrameSize(bool raised) const;
    // The item whose frame contains the point (client coordinates), or -1.
    int HitTest(const QPoint& point) const;
    // What the last paint drew (tests and screenshots).
    const QImage& BackBuffer() const { return m_backBuffer.Image(); }

protected:
    // Kinetic scrolling by finger: the scroller's position is the selected page.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum EFrame { kPortrait, kLandscape, kPortraitRaised, kLandscapeRaised, kFrameCount };

    EFrame FrameKind(bool raised) const;
    void PaintItems(QPainter& dc);
    void DrawItem(QPainter& dc, int index, int x, int y);
    void DrawRaised(QPainter& dc, int index, int x, int y);
    void ChangeSelection(int index);
    void SelectionChanged();
    // Assistive tools read the items again.
    void ItemsChanged();

    std::vector<CPage*> m_items;
    int m_selected = -1;
    bool m_portraitMode = true;
    std::int32_t m_frames[kFrameCount] = {};
    QSize m_frameSizes[kFrameCount];
    QRect m_pictureAreas[kFrameCount];
    int m_selectedX = 0;
    bool m_overflow = false;
    std::vector<QRect> m_itemRects;
    bool m_pressed = false;
    bool m_changedByPress = false;
    QPoint m_pressPoint;
    int m_dragOffset = 0;
    CFrameListListener* m_listener = nullptr;
    COffscreenDC m_backBuffer;
    QRect m_area;
};

// The page label of the strip and the preview: white text with a black shadow, its
// bottom-right corner 3s inside the bottom-right corner of `reference`.
void DrawShadowLabel(QPainter& dc, const QRect& reference, const QString& text);
// White text with a black shadow, its top-left corner at `topLeft`.
void DrawShadowText(QPainter& dc, const QPoint& topLeft, const QString& text);
