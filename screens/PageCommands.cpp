#include "screens/PageCommands.h"

#include "resources/ResourceIds.h"
#include "screens/PageChooserDlg.h"
#include "session/PageOperations.h"
#include "session/Session.h"
#include "text/Strings.h"
#include "ui/toolkit/QuestionBox.h"

namespace {

struct CChooserTexts {
    std::uint16_t title, subtitle, prompt;
};

// Runs the chooser for the current page; the chosen index, or -1 when there was nothing to
// choose or the user cancelled.
int ChoosePage(CScreen* owner, const CPageChoices& choices, const CChooserTexts& texts) {
    if (!choices.HasChoices())
        return -1;
    CPageChooserDlg chooser(owner);
    chooser.SetChoices(choices);
    chooser.SetHeader(LoadFormatted(texts.title), LoadFormatted(texts.subtitle));
    chooser.SetPrompt(LoadFormatted(texts.prompt));
    if (chooser.DoModal() != IDOK)
        return -1;
    return chooser.Result();
}

} // namespace

void PrepareDeleteQuestion(CQuestionBox& box) {
    using namespace ids;
    box.SetKind(CQuestionBox::kCancelOkRadio);
    box.SetTitles(LoadFormatted(IDS_DELETE), LoadFormatted(IDS_DELETE_IMAGE));
    box.SetBody(LoadFormatted(IDS_DO_REALLY_WISH_REMOVE));
    box.SetOptionTexts(LoadFormatted(IDS_REMOVE_IMAGE_DELETE_IMAGE),
                       LoadFormatted(IDS_ONLY_REMOVE_IMAGE_FROM));
    box.SetPictures(IDB_MSG_ATTENTION, 0, 500);
}

bool DeletePage(CScreen* owner, CSession& session) {
    CQuestionBox box(owner);
    PrepareDeleteQuestion(box);
    if (box.Show() != kResultOk)
        return false;
    return RemoveCurrentPage(session, box.GetChoice() == 0);
}

bool MovePageUp(CSession& session) {
    return MoveCurrentPageUp(session);
}

bool MovePageDown(CSession& session) {
    return MoveCurrentPageDown(session);
}

bool MovePageAfter(CScreen* owner, CSession& session) {
    using namespace ids;
    const int current = session.CurrentIndex();
    if (!session.Pages().IsValidIndex(current))
        return false;
    const int target =
        ChoosePage(owner, MoveAfterChoices(current, session.PageCount()),
                   {IDS_MOVE_PAGE_AFTER, IDS_SELECT_WHERE_WISH_MOVE, IDS_SELECT_DESTINATION_PAGE});
    return target >= 0 && MoveCurrentPageAfter(session, target);
}

bool MovePageBefore(CScreen* owner, CSession& session) {
    using namespace ids;
    const int current = session.CurrentIndex();
    if (!session.Pages().IsValidIndex(current))
        return false;
    const int target = ChoosePage(
        owner, MoveBeforeChoices(current, session.PageCount()),
        {IDS_MOVE_PAGE_BEFORE, IDS_SELECT_WHERE_WISH_MOVE_1168, IDS_SELECT_DESTINATION_PAGE_1169});
    return target >= 0 && MoveCurrentPageBefore(session, target);
}

bool SwapPage(CScreen* owner, CSession& session) {
    using namespace ids;
    const int current = session.CurrentIndex();
    if (!session.Pages().IsValidIndex(current))
        return false;
    const int target =
        ChoosePage(owner, SwapChoices(current, session.PageCount()),
                   {IDS_SWAP_PAGE, IDS_SELECT_PAGE_SWAP, IDS_SELECT_DESTINATION_PAGE_1172});
    return target >= 0 && SwapCurrentPageWith(session, target);
}

bool AddBlankPage(CSession& session) {
    return AppendBlankPage(session);
}

bool NewSession(CScreen* owner, CSession& session) {
    using namespace ids;
    if (session.PageCount() > 0) {
        CQuestionBox box(owner);
        box.SetKind(CQuestionBox::kNoYes);
        box.SetTitles(LoadFormatted(IDS_WARNING), LoadFormatted(IDS_START_NEW_SESSION));
        box.SetBody(LoadFormatted(IDS_STARTING_NEW_SESSION_WILL));
        box.SetPictures(IDB_MSG_ATTENTION, 0, 500);
        if (box.Show() != kResultOk)
            return false;
    }
    session.ClearSession();
    return true;
}
