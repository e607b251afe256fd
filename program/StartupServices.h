#pragma once

// The process-wide services the start-up window brings up and takes down, in their order.
// The program uses the real ones; tests wrap them to watch the order.

#include "platform/Registry.h"

#include <QString>

#include <functional>
#include <memory>

class CScreen;
class CSplashDlg;

struct CStartupServices {
    std::function<void(const QString& path)> openLog;
    std::function<void()> loadSettings;
    // False ends start-up; `error` then holds the critical error number to show, or 0.
    std::function<bool(int* error)> bindSkin;
    std::function<bool()> startImaging;
    std::function<void()> stopImaging;
    std::function<bool()> saveSettings;
    std::function<void(platform::HKEY root)> flushRegistry;
    std::function<void()> closeLog;
    // Creates the main screen with the start-up window as its owner.
    std::function<std::unique_ptr<CScreen>(CScreen* owner)> makeMainScreen;
    // Runs once the splash shows its pictures, just before the main screen starts.
    std::function<void(CSplashDlg& splash)> beforeMainScreen;
    // After the main screen was made, before it runs: offers the session a run that did not
    // end cleanly left behind, and has the main screen keep its recovery record. Empty: no
    // record is kept (the screenshot tour).
    std::function<void(CScreen* owner, CScreen& main)> recoverSession;
};

// The real services. With `diagnosticLog` every record of the program reaches the log.
CStartupServices DefaultStartupServices(bool diagnosticLog = false);

// The log file: Quillmark.log in the program's own folder.
QString StartupLogPath();
