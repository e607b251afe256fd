#pragma once

// The Scan command of the main screen: one still picture from the camera becomes a page.

class CScreen;
class CSession;

// Asks the camera for one picture at the CameraRes resolution and appends it as a page;
// shows the command's messages itself. True when a page was added.
bool ScanNewPage(CScreen* owner, CSession& session);
