#pragma once

// The selection as the thumbnail strip keeps it, for a session without screens (the pdf
// command, tests): adding selects the new page; removing the selected page keeps the index,
// or moves to the one before when the last page went; clearing leaves no selection.

#include "session/SessionListener.h"

class CPageSelection : public CSessionListener {
public:
    int StripAdd(CPage* page) override;
    void StripRemoveSelected() override;
    void StripSwap(int, int) override {}
    void StripMove(int, int) override {}
    void StripSelect(int index) override;
    void StripClear() override;
    int StripSelected() const override { return m_selected; }
    void PreviewShow(CPage*, int) override {}

    int Count() const { return m_count; }

private:
    int m_count = 0;
    int m_selected = -1;
};
