#pragma once

// The page commands of the main screen with their questions: the screen asks here, the
// session changes through the page operations (session/PageOperations.h). Each command
// checks its preconditions and otherwise does nothing, without a message.

class CQuestionBox;
class CScreen;
class CSession;

// Sets the box up as the delete question: kind 3, "Only remove the image from the list"
// chosen at first.
void PrepareDeleteQuestion(CQuestionBox& box);

// The kind-3 question ("Only remove the image from the list" chosen at first); Ok removes
// the current page, with its file when the first choice was taken. True when a page went.
bool DeletePage(CScreen* owner, CSession& session);
// The current page exchanged with its neighbour; it stays the current page.
bool MovePageUp(CSession& session);
bool MovePageDown(CSession& session);
// The page chooser, then the move or swap; no dialog when it would offer nothing.
bool MovePageAfter(CScreen* owner, CSession& session);
bool MovePageBefore(CScreen* owner, CSession& session);
bool SwapPage(CScreen* owner, CSession& session);
// A blank page at the end, only when there is a current page.
bool AddBlankPage(CSession& session);
// Asks (kind 1) only when the session has pages; true when the session was cleared.
bool NewSession(CScreen* owner, CSession& session);
