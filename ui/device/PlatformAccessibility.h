#pragma once

// Accessibility of the platform's own widgets (screens, the soft-key bar): installs the
// factory that gives them their interfaces. Qt keeps one list of factories per process and
// ignores a second installation of the same one, so every screen and bar may call it.

class CSoftKeyBar;

void InstallPlatformAccessibility();

// Tells assistive tools that a soft key's menu opened or closed.
void NotifySoftKeyMenu(CSoftKeyBar* bar, bool left, bool open);
