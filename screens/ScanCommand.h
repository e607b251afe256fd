#pragma once

// The Scan command of the main screen: one still picture from the camera becomes a page, or,
// when the settings chose a scanner, every sheet it scans does.

class CScreen;
class CSession;

// Asks the camera for one picture at the CameraRes resolution and appends it as a page, or
// scans from the scanner of the settings (PageSource), appending each page as it arrives;
// shows the command's messages itself. True when a page was added.
bool ScanNewPage(CScreen* owner, CSession& session);
