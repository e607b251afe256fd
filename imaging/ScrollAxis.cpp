#include "imaging/ScrollAxis.h"

#include <algorithm>

void CScrollAxis::Configure(int page, int content) {
    m_content = std::max(0, content);
    if (page <= 0 || page >= m_content) {
        m_page = 0;
        m_position = 0;
        return;
    }
    if (m_position > 0 && m_page > 0)
        m_position = int(float(m_position) * float(page) / float(m_page));
    m_page = page;
    m_position = std::clamp(m_position, 0, MaxPosition());
}

int CScrollAxis::MaxPosition() const {
    return m_page > 0 ? std::max(0, m_content - m_page) : 0;
}

int CScrollAxis::PositionFor(EScrollCode code, int trackPosition) const {
    int position = m_position;
    switch (code) {
    case EScrollCode::LineBack: position -= kLineStep; break;
    case EScrollCode::LineForward: position += kLineStep; break;
    case EScrollCode::PageBack: position -= m_page; break;
    case EScrollCode::PageForward: position += m_page; break;
    case EScrollCode::ThumbPosition:
    case EScrollCode::ThumbTrack: position = trackPosition; break;
    case EScrollCode::Other: break;
    }
    return std::clamp(position, 0, MaxPosition());
}

int CScrollAxis::MoveTo(int position) {
    const int old = m_position;
    m_position = std::clamp(position, 0, MaxPosition());
    return m_position - old;
}
