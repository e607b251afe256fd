#include "session/PageOperations.h"

#include "session/Session.h"

#include <algorithm>

void CPageChoices::SetPages(int currentIndex, int pageCount) {
    m_current = currentIndex;
    m_count = pageCount;
}

void CPageChoices::Exclude(int index) {
    m_excluded.push_back(index);
}

bool CPageChoices::HasChoices() const {
    return !Choices().empty();
}

std::vector<int> CPageChoices::Choices() const {
    std::vector<int> choices;
    for (int i = 0; i < m_count; ++i)
        if (std::find(m_excluded.begin(), m_excluded.end(), i) == m_excluded.end())
            choices.push_back(i);
    return choices;
}

CPageChoices MoveAfterChoices(int current, int pageCount) {
    CPageChoices choices;
    choices.SetPages(current, pageCount);
    choices.Exclude(current);
    if (current > 0)
        choices.Exclude(current - 1);
    return choices;
}

CPageChoices MoveBeforeChoices(int current, int pageCount) {
    CPageChoices choices;
    choices.SetPages(current, pageCount);
    choices.Exclude(current);
    choices.Exclude(current + 1);
    return choices;
}

CPageChoices SwapChoices(int current, int pageCount) {
    CPageChoices choices;
    choices.SetPages(current, pageCount);
    choices.Exclude(current);
    return choices;
}

bool MovePageTo(CSession& session, int from, int to) {
    CPageList& pages = session.Pages();
    if (!pages.IsValidIndex(from) || to < 0 || to > pages.Size())
        return false;
    pages.InsertAt(MovedIndex(from, to), pages.TakeAt(from));
    CSessionListener& view = session.Listener();
    view.StripMove(from, to);
    // The moved page stays the current page wherever it lands.
    view.StripSelect(MovedIndex(from, to));
    view.Redraw();
    return true;
}

namespace {

bool SwapAndSelect(CSession& session, int current, int other) {
    if (!session.SwapPages(current, other))
        return false;
    session.Listener().StripSelect(other);
    session.Listener().Redraw();
    return true;
}

} // namespace

bool MoveCurrentPageUp(CSession& session) {
    const int current = session.CurrentIndex();
    if (!session.Pages().IsValidIndex(current) || current == 0)
        return false;
    return SwapAndSelect(session, current, current - 1);
}

bool MoveCurrentPageDown(CSession& session) {
    const int current = session.CurrentIndex();
    if (!session.Pages().IsValidIndex(current) || current >= session.PageCount() - 1)
        return false;
    return SwapAndSelect(session, current, current + 1);
}

bool MoveCurrentPageAfter(CSession& session, int target) {
    const int current = session.CurrentIndex();
    if (!session.Pages().IsValidIndex(current) || !session.Pages().IsValidIndex(target) ||
        target == current)
        return false;
    return MovePageTo(session, current, target + 1);
}

bool MoveCurrentPageBefore(CSession& session, int target) {
    const int current = session.CurrentIndex();
    if (!session.Pages().IsValidIndex(current) || !session.Pages().IsValidIndex(target) ||
        target == current)
        return false;
    return MovePageTo(session, current, target);
}

bool SwapCurrentPageWith(CSession& session, int target) {
    const int current = session.CurrentIndex();
    if (!session.Pages().IsValidIndex(current) || !session.Pages().IsValidIndex(target) ||
        target == current)
        return false;
    return SwapAndSelect(session, current, target);
}

bool AppendBlankPage(CSession& session) {
    if (!session.CurrentPage())
        return false;
    session.Listener().PreviewShow(nullptr, 0);
    session.AddPage(std::make_unique<CPage>());
    return true;
}

bool RemoveCurrentPage(CSession& session, bool deleteFile) {
    CPage* page = session.CurrentPage();
    if (!page)
        return false;
    if (deleteFile)
        page->deleteFileRequested = 1;
    session.RemoveCurrentPage();
    return true;
}
