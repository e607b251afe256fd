#include "screens/ScrollState.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include <algorithm>

CScrollState::CScrollState(QAbstractScrollArea* view) : m_view(view) {}

void CScrollState::SetContentSize(QSize content) {
    m_content = content;
    Update();
}

void CScrollState::Update() {
    if (!m_view)
        return;
    // Setting a bar's range can show or hide it, which resizes the view and calls back.
    if (m_configuring)
        return;
    m_configuring = true;
    // A shown bar takes room from the other direction, so the page is settled once the bars
    // have settled: at most two rounds.
    for (int round = 0; round < 3; ++round) {
        const QSize page = m_view->viewport()->size();
        m_page = page;
        m_x.Configure(page.width(), m_content.width());
        m_y.Configure(page.height(), m_content.height());
        ConfigureBar(m_view->horizontalScrollBar(), m_x, m_x.Position());
        ConfigureBar(m_view->verticalScrollBar(), m_y, m_y.Position());
        if (m_view->viewport()->size() == page)
            break;
    }
    m_configuring = false;
    m_view->viewport()->update();
}

void CScrollState::ConfigureBar(QScrollBar* bar, const CScrollAxis& axis, int position) {
    bar->setSingleStep(CScrollAxis::kLineStep);
    bar->setPageStep(std::max(1, axis.Page()));
    bar->setRange(0, axis.MaxPosition());
    bar->setValue(position);
}

bool CScrollState::Scroll(Qt::Orientation bar, EScrollCode code, int trackPosition) {
    CScrollAxis& axis = bar == Qt::Horizontal ? m_x : m_y;
    const int target = axis.PositionFor(code, trackPosition);
    if (axis.MoveTo(target) == 0)
        return false;
    QScrollBar* scrollBar =
        bar == Qt::Horizontal ? m_view->horizontalScrollBar() : m_view->verticalScrollBar();
    scrollBar->setValue(axis.Position());
    return true;
}

void CScrollState::ScrollTo(QPoint position) {
    m_x.MoveTo(position.x());
    m_y.MoveTo(position.y());
    // Moving the first bar brings the axes in line with both bars, so take the targets first.
    const QPoint target = Position();
    m_view->horizontalScrollBar()->setValue(target.x());
    m_view->verticalScrollBar()->setValue(target.y());
}

void CScrollState::SyncFromBars() {
    // While the bars are configured from the axes, the axes lead.
    if (m_configuring)
        return;
    m_x.MoveTo(m_view->horizontalScrollBar()->value());
    m_y.MoveTo(m_view->verticalScrollBar()->value());
}
