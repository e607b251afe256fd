#pragma once

// The scroll bars of the editor's view: the visible page, the zoomed picture's size as the
// content, and the two positions, with the rules of CScrollAxis (line step 10, page steps,
// positions kept in range and rescaled when the page changes size). The view's own scroll
// bars show the state; moving them (by hand or from here) reaches the view through
// QAbstractScrollArea::scrollContentsBy.

#include "imaging/ScrollAxis.h"

#include <QPoint>
#include <QSize>

#include <Qt>

class QAbstractScrollArea;
class QScrollBar;

class CScrollState {
public:
    explicit CScrollState(QAbstractScrollArea* view);

    // Stores the content size and updates the bars.
    void SetContentSize(QSize content);
    QSize ContentSize() const { return m_content; }
    // Takes the view's visible area as the page and configures both bars.
    void Update();
    // A scroll message for one bar; true when the position changed.
    bool Scroll(Qt::Orientation bar, EScrollCode code, int trackPosition = 0);
    // Moves both positions (kept in range).
    void ScrollTo(QPoint position);
    // The bars' positions were moved by hand: the axes follow them.
    void SyncFromBars();

    QPoint Position() const { return {m_x.Position(), m_y.Position()}; }
    QSize Page() const { return m_page; }
    const CScrollAxis& Axis(Qt::Orientation bar) const { return bar == Qt::Horizontal ? m_x : m_y; }

private:
    void ConfigureBar(QScrollBar* bar, const CScrollAxis& axis, int position);

    QAbstractScrollArea* m_view;
    QSize m_content{0, 0};
    QSize m_page{0, 0};
    CScrollAxis m_x;
    CScrollAxis m_y;
    bool m_configuring = false;
};
