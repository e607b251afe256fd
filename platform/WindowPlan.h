#pragma once

// How the device window opens on the host: the one decision between a phone shell, a desktop
// and a size fixed on the command line, made from plain facts so it can be tested without a
// display.

#include <QSize>
#include <QString>

#include <optional>

namespace platform {

struct ScreenFacts {
    // The primary screen's available area in logical pixels (without panels); empty when the
    // platform has no screen to ask.
    QSize available;
    // XDG_CURRENT_DESKTOP, a colon-separated list such as "Phosh:GNOME".
    QString desktop;
    // PLASMA_PLATFORM, which Plasma Mobile sets to "phone:handset".
    QString formFactor;
    // --screen WxH, already turned for --landscape.
    std::optional<QSize> requested;
    // --landscape without a size: the desktop window opens turned.
    bool turned = false;
};

enum class EWindowMode {
    kFixed,      // exactly the requested size, neither resized nor maximised
    kFullScreen, // the whole screen of a phone; the shell gives the size
    kResizable,  // a desktop window the user resizes and maximises
};

struct WindowPlan {
    EWindowMode mode = EWindowMode::kResizable;
    QSize size; // the size to open at; the window follows whatever it gets afterwards
};

// The default window on a desktop and the smallest size a resizable window accepts (the
// smallest screen the layouts are made for).
inline constexpr QSize kDesktopWindowSize{480, 640};
inline constexpr QSize kSmallestWindowSize{240, 240};
// A screen whose shorter available side is at most this many logical pixels is a phone's.
inline constexpr int kPhoneShortSide = 720;

// True for the shells made for phones (Phosh, Plasma Mobile, Sxmo, Lomiri).
bool IsMobileShell(const QString& desktop, const QString& formFactor);
WindowPlan PlanWindow(const ScreenFacts& facts);

} // namespace platform
