#pragma once

// The page operations behind the main screen's "Tools" menu and its "Delete" button, without
// their questions: the screen asks, these change the session. Each checks its preconditions
// and reports false (changing nothing) when they do not hold. The strip follows every change
// through the session's listener.

#include <QString>

#include <utility>
#include <vector>

class CSession;

// The one move rule of the page list and the strip: the entry taken out at `from` is put in
// front of the entry that was at `to` (to == count puts it at the end). Returns the index the
// entry ends at: `to` for a backward move, `to - 1` for a forward one.
inline int MovedIndex(int from, int to) {
    return from < to ? to - 1 : to;
}

// Applies the move rule to an array; false (unchanged) unless from is in 0..size-1 and to in
// 0..size.
template <typename T> bool MoveEntry(std::vector<T>& entries, int from, int to) {
    const int size = int(entries.size());
    if (from < 0 || from >= size || to < 0 || to > size)
        return false;
    T entry = std::move(entries[std::size_t(from)]);
    entries.erase(entries.begin() + from);
    entries.insert(entries.begin() + MovedIndex(from, to), std::move(entry));
    return true;
}

// The pages a chooser offers: every index of 0..count-1 that is not excluded, ascending.
class CPageChoices {
public:
    void SetPages(int currentIndex, int pageCount);
    void Exclude(int index);
    bool HasChoices() const;
    std::vector<int> Choices() const;
    int CurrentIndex() const { return m_current; }
    int PageCount() const { return m_count; }

private:
    int m_current = -1;
    int m_count = -1;
    std::vector<int> m_excluded;
};

// What "Move after page...", "Move before page..." and "Swap with page..." offer for the page
// at `current`: never the page itself, nor the place it already holds.
CPageChoices MoveAfterChoices(int current, int pageCount);
CPageChoices MoveBeforeChoices(int current, int pageCount);
CPageChoices SwapChoices(int current, int pageCount);

// Moves the page at `from` in front of the page at `to` (pageCount: to the end), in the list
// and the strip alike; the strip then selects the moved page and the screen is redrawn.
bool MovePageTo(CSession& session, int from, int to);
// The current page one place up or down (exchanged with its neighbour); it stays current.
bool MoveCurrentPageUp(CSession& session);
bool MoveCurrentPageDown(CSession& session);
// The current page immediately behind / in front of the page at `target`.
bool MoveCurrentPageAfter(CSession& session, int target);
bool MoveCurrentPageBefore(CSession& session, int target);
// Exchanges the current page with the page at `target`, which becomes the current index.
bool SwapCurrentPageWith(CSession& session, int target);
// Appends a blank page at the end (not after the current page); only with a current page.
bool AppendBlankPage(CSession& session);
// Removes the current page; with `deleteFile` the page asks for its file to go with it (the
// DeleteFile setting still decides). False without a current page.
bool RemoveCurrentPage(CSession& session, bool deleteFile);
