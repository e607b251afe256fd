#pragma once

// The start-up window. Its first paint brings up the log, the settings, the skin and imaging,
// then runs the main screen modally on top of itself; it stays underneath for the whole run to
// answer the main screen's frame commands (About, Help), and takes everything down again when
// it closes.

#include "program/StartupServices.h"
#include "ui/toolkit/Dialog.h"

#include <cstdint>

class CSplashDlg : public CDialog {
public:
    explicit CSplashDlg(CStartupServices services = DefaultStartupServices());
    ~CSplashDlg() override;

    bool IsInitialised() const { return m_initialised; }
    // Whether the skin was bound (the main screen runs only then).
    bool InitialisationSucceeded() const { return m_succeeded; }
    std::int32_t SplashPicture() const { return m_splash; }
    std::int32_t LogoPicture() const { return m_logo; }
    // The main screen while it runs, else null.
    CScreen* MainScreen() const { return m_main; }

    // The web address shown on the splash and in the About box.
    static QString WebAddress();

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void OnFirstPaint() override;
    void OnMessage(unsigned message, qintptr wParam, qintptr lParam) override;
    void OnClose() override;
    void Layout() override;

private:
    void Initialise();
    void ShutDown();
    void PostQuit();

    CStartupServices m_services;
    QString m_productName;
    QString m_versionText;
    QString m_webAddress;
    QString m_supportAddress;
    QString m_status;
    bool m_initialised = false;
    bool m_succeeded = false;
    bool m_shutDown = false;
    std::int32_t m_splash = 0;
    std::int32_t m_logo = 0;
    CScreen* m_main = nullptr;
};
