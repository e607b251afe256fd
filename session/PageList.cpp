#include "session/PageList.h"

#include <algorithm>
#include <utility>

CPageList::~CPageList() {
    Clear();
}

CPage* CPageList::At(int index) const {
    return IsValidIndex(index) ? m_pages[index] : nullptr;
}

void CPageList::GrowFor(int newSize) {
    if (newSize <= m_capacity)
        return;
    int step = m_growthStep;
    if (step <= 0)
        step = std::clamp(Size() / 8, 4, 1024);
    m_capacity = std::max(newSize, m_capacity + step);
    m_pages.reserve(std::size_t(m_capacity));
}

void CPageList::SetDeleteFileSetting(bool on) {
    m_deleteFileSetting = on;
    for (CPage* page : m_pages)
        page->deleteFileSetting = on;
}

int CPageList::Append(std::unique_ptr<CPage> page) {
    if (!page)
        return -1;
    page->deleteFileSetting = m_deleteFileSetting;
    GrowFor(Size() + 1);
    m_pages.push_back(page.release());
    return Size() - 1;
}

void CPageList::InsertAt(int index, std::unique_ptr<CPage> page) {
    if (!page || index < 0 || index > Size())
        return;
    page->deleteFileSetting = m_deleteFileSetting;
    GrowFor(Size() + 1);
    m_pages.insert(m_pages.begin() + index, page.release());
}

std::unique_ptr<CPage> CPageList::TakeAt(int index) {
    if (!IsValidIndex(index))
        return nullptr;
    std::unique_ptr<CPage> page(m_pages[index]);
    m_pages.erase(m_pages.begin() + index);
    return page;
}

void CPageList::RemoveAt(int index) {
    TakeAt(index).reset();
}

void CPageList::Swap(int a, int b) {
    if (IsValidIndex(a) && IsValidIndex(b))
        std::swap(m_pages[a], m_pages[b]);
}

void CPageList::Clear() {
    // Taken out first, so that a page's destruction never sees itself in the list.
    std::vector<CPage*> pages;
    pages.swap(m_pages);
    for (CPage* page : pages)
        delete page;
    m_capacity = 0;
}
