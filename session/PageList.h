#pragma once

// The session's pages in page order: a growable array of owned page records. When it has to
// grow and no growth step is set, it grows by size / 8 elements, at least 4 and at most 1024.

#include "session/Page.h"

#include <memory>
#include <vector>

class CPageList {
public:
    CPageList() = default;
    ~CPageList();
    CPageList(const CPageList&) = delete;
    CPageList& operator=(const CPageList&) = delete;

    int Size() const { return int(m_pages.size()); }
    int Capacity() const { return m_capacity; }
    bool IsValidIndex(int index) const { return index >= 0 && index < Size(); }
    // The page at index, or null outside 0..size-1.
    CPage* At(int index) const;

    // The DeleteFile setting, given to every page of the list now and to every page added
    // later, so that a page destroyed by or taken from the list follows it. On by default.
    void SetDeleteFileSetting(bool on);
    bool DeleteFileSetting() const { return m_deleteFileSetting; }

    // 0 means "choose by the size" (the rule above).
    void SetGrowthStep(int step) { m_growthStep = step; }
    int GrowthStep() const { return m_growthStep; }

    // Appends a page (ignored when null) and returns its index, or -1.
    int Append(std::unique_ptr<CPage> page);
    // Puts a page in front of index (index == size appends).
    void InsertAt(int index, std::unique_ptr<CPage> page);
    // Takes the page out without destroying it.
    std::unique_ptr<CPage> TakeAt(int index);
    // Destroys the page at index (its file rules apply).
    void RemoveAt(int index);
    void Swap(int a, int b);
    // Destroys every page and empties the list.
    void Clear();

private:
    void GrowFor(int newSize);

    std::vector<CPage*> m_pages;
    int m_capacity = 0;
    int m_growthStep = 0;
    bool m_deleteFileSetting = true;
};
