#pragma once

// The device window: one top-level window that is the handheld's screen. Its size is the
// emulated screen size: fixed (--screen WxH, tests, the tour) or whatever the host gives it
// (a phone's whole screen, a desktop window the user resizes), every change reaching the
// screens as a display change. A task bar at the top shows the current screen's title and the time,
// the soft-key bar at the bottom carries the current screen's menu bar, and the screens of the
// program are stacked full-size in between. Ctrl+R turns the device.

#include "platform/WindowPlan.h"

#include <QSize>
#include <QWidget>

#include <vector>

class CScreen;
class CSoftKeyBar;
class CTaskBar;

class CDeviceWindow : public QWidget {
public:
    explicit CDeviceWindow(const QSize& screenSize = {480, 640});
    ~CDeviceWindow() override;

    // The window of the running program, or null.
    static CDeviceWindow* Instance();
    // The window of the running program, which screens need to be shown. Without one the
    // process stops with a message saying so: whoever shows screens creates the window.
    static CDeviceWindow* EnsureInstance();

    // What the host offers: the primary screen's available size and the shell's names.
    static platform::ScreenFacts HostScreenFacts();
    // Opens the window as planned: fixed, full screen or as a resizable window.
    void ShowAs(const platform::WindowPlan& plan);

    // Fixes the emulated screen (GetSystemMetrics answers with it) and the window to `size`,
    // and re-lays out every screen on the stack, which receives a display change.
    void SetScreenSize(const QSize& size);
    // Lets the host size the window from `initial` on; each new size is a display change.
    void FollowWindowSize(const QSize& initial);
    bool FollowsWindowSize() const { return m_follows; }
    QSize ScreenSize() const;
    // The window is on a display of `ratio` physical pixels per logical one: when that is new,
    // it becomes the device's (platform::DeviceScreenRatio) and every screen on the stack is
    // told (CScreen::OnRatioChange) and repainted. Called when the window moves to another
    // screen and when it is shown.
    void ApplyScreenRatio(qreal ratio);

    // Swaps width and height, as turning the device does. A window the shell sizes (full
    // screen, maximised) turns with the shell instead.
    void Turn();

    // 2 on a screen whose shorter side is at least 480 pixels, else 1: the bars scale with it.
    int Scale() const;
    int BarHeight() const;
    // Where screens live, in window coordinates.
    QRect ScreenArea() const;

    CScreen* TopScreen() const;
    const std::vector<CScreen*>& Stack() const { return m_stack; }
    CSoftKeyBar* SoftKeys() const { return m_softKeys; }

    // The whole device screen as the user sees it.
    QImage Grab();

    // Called by screens.
    void PushScreen(CScreen* screen);
    void PopScreen(CScreen* screen);
    void RefreshBars();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Relayout();
    // Makes `size` the emulated screen and tells every screen.
    void ApplyScreenSize(const QSize& size);

    std::vector<CScreen*> m_stack;
    QWidget* m_area;
    CTaskBar* m_taskBar;
    CSoftKeyBar* m_softKeys;
    bool m_follows = false;
};
