#pragma once

// The headless tour of --screenshots: goes through start-up, shows every screen the program
// has (splash, main screen, About box, a question box of each kind), writes one PNG of the
// device screen for each and ends through Exit and the normal shut-down.

#include "program/StartupServices.h"

#include <QString>
#include <QStringList>

#include <functional>

class CDeviceWindow;

class CScreenshotTour {
public:
    CScreenshotTour(const QString& folder, CDeviceWindow* device);

    // Hooks the tour into start-up.
    void Install(CStartupServices& services);
    // Failed also when the tour did not get through every screen (start-up ended early).
    bool Failed() const { return m_failed || !m_completed; }
    QStringList Written() const { return m_written; }

private:
    void Shot(const QString& name);
    void WaitFor(std::function<bool()> ready, std::function<void()> then);
    void OnMainScreen();
    void ShowQuestionBoxes();

    QString m_folder;
    CDeviceWindow* m_device;
    CSplashDlg* m_splash = nullptr;
    bool m_failed = false;
    bool m_completed = false;
    QStringList m_written;
};
