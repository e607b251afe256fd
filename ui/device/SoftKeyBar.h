#pragma once

// The soft-key bar at the bottom of the device screen: the left and right soft key of the top
// screen's menu bar. A key sends its command, or opens its popup menu just above the bar.
// F1 presses the left key and F2 the right one, as on the handheld's emulator; an open menu
// is driven with the arrow keys, Enter and Escape.

#include <QWidget>

class CScreen;
class QMenu;
struct CSoftKey;
struct CMenuItem;

class CSoftKeyBar : public QWidget {
public:
    explicit CSoftKeyBar(QWidget* parent);

    void SetScreen(CScreen* screen);
    CScreen* Screen() const { return m_screen; }

    // What a key shows; empty when the screen has no bar or the key is unused.
    QString KeyText(bool left) const;
    bool IsKeyEnabled(bool left) const;
    // Whether the key opens a menu.
    bool HasMenu(bool left) const;
    // Presses a key as a tap would; a key whose menu is open closes it. From the keyboard the
    // menu opens with its first entry selected.
    void PressKey(bool left, bool fromKeyboard = false);
    // Where a key is drawn, in the bar's coordinates, and the face of its text.
    QRect KeyRect(bool left) const;
    QFont KeyFont() const;
    // The popup menu while it is open, else null; and which key opened it.
    QMenu* OpenMenu() const { return m_menu; }
    // Open means shown: assistive tools hear of it once the user can see it.
    bool IsMenuOpenOn(bool left) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const CSoftKey* Key(bool left) const;

    CScreen* m_screen = nullptr;
    int m_pressed = -1; // 0 left, 1 right
    QMenu* m_menu = nullptr;
};

// Fills a popup with menu entries whose choice reaches `screen` as a menu command: separators,
// sub-menus, entries greyed and ticked as the screen says. The soft keys' popups and the menus
// a long press opens are both made this way.
void FillCommandMenu(QMenu* menu, const std::vector<CMenuItem>& items, CScreen* screen);
