#pragma once

// The main screen: preview of the current page, the thumbnail strip, the three big buttons
// (Scan, Make PDF, Delete) and the menu bar with "Tools" and "Scan". It runs modally inside the
// start-up window from start-up to Exit and asks that window for About and Help.

#include "ui/toolkit/Dialog.h"

#include <QRect>

#include <cstdint>

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(CScreen* owner = nullptr);
    ~CMainDlg() override;

    bool HasCamera() const { return m_camera; }
    int PageCount() const { return 0; }
    // Scan is enabled exactly with a camera, Make PDF and Delete exactly with pages.
    void RefreshControls();
    QRect PreviewRect() const { return m_preview; }
    QRect PanelRect() const { return m_panel; }

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void OnFirstPaint() override;
    void Layout() override;

private:
    void Exit();
    void AskOwner(int frameCommand);

    bool m_camera = false;
    bool m_layoutReady = false;
    std::int32_t m_logo = 0;
    QRect m_preview;
    QRect m_panel;
    QRect m_strip;
};

// Whether the device reports a camera (HKEY_LOCAL_MACHINE\System\State\Hardware "Camera" = 1).
bool CameraPresent();
