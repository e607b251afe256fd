#pragma once

// The soft-key bar at the bottom of the device screen: the left and right soft key of the top
// screen's menu bar. A key sends its command, or opens its popup menu just above the bar.

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
    // Presses a key as a tap would.
    void PressKey(bool left);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const CSoftKey* Key(bool left) const;
    void FillMenu(QMenu* menu, const std::vector<CMenuItem>& items);

    CScreen* m_screen = nullptr;
    int m_pressed = -1;  // 0 left, 1 right
};
