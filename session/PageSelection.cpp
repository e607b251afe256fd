#include "session/PageSelection.h"

int CPageSelection::StripAdd(CPage* page) {
    if (!page)
        return -1;
    ++m_count;
    StripSelect(m_count - 1);
    return m_count - 1;
}

void CPageSelection::StripRemoveSelected() {
    if (m_selected < 0 || m_selected >= m_count)
        return;
    --m_count;
    StripSelect(m_selected);
}

void CPageSelection::StripSelect(int index) {
    if (index >= m_count)
        index = m_count - 1;
    if (index < 0) {
        if (m_count == 0)
            m_selected = -1;
        return;
    }
    m_selected = index;
}

void CPageSelection::StripClear() {
    m_count = 0;
    m_selected = -1;
}
