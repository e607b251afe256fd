#pragma once

// How the screens follow the session. The thumbnail strip mirrors the page list and owns the
// current-page selection; the preview shows the current page; the main screen adapts its
// layout. The session calls these in the order its operations describe, so a screen that
// implements them never has to look at the list itself.

class CPage;

class CSessionListener {
public:
    virtual ~CSessionListener() = default;

    // The strip. StripAdd appends the page, selects it and returns its index.
    virtual int StripAdd(CPage* page) = 0;
    // Removes the selected item; the strip chooses the new selection.
    virtual void StripRemoveSelected() = 0;
    virtual void StripSwap(int a, int b) = 0;
    // Puts the item at from in front of the item that was at to (to == count: at the end),
    // by the same rule as the page list (MovedIndex, session/PageOperations.h).
    virtual void StripMove(int from, int to) = 0;
    virtual void StripSelect(int index) = 0;
    virtual void StripClear() = 0;
    // The selected index; outside 0..count-1 when there is no current page.
    virtual int StripSelected() const = 0;

    // The preview shows `page` labelled with `number` (page numbers from 1); a null page
    // clears it.
    virtual void PreviewShow(CPage* page, int number) = 0;

    // The list has just received its first page (the main screen fits its strip to it).
    virtual void OnFirstPage(CPage* /*page*/) {}
    // Before a session is cleared: a pending PDF progress window goes away.
    virtual void OnSessionClearing() {}
    // After a session was cleared: the screen's orientation goes back to portrait.
    virtual void OnSessionCleared() {}
    // The page order changed in a way that needs a full redraw.
    virtual void Redraw() {}
};
