#pragma once

// The Edit command of the main screen (and a tap on the preview): the image editor on one page.

class CScreen;
class CSession;

// Opens the editor on the page at index. True when the page's picture was changed (the caller
// rebuilds the thumbnail and the preview).
bool EditPage(CScreen* owner, CSession& session, int index);
