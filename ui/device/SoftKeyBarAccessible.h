#pragma once

// The soft-key bar as assistive tools see it: a tool bar whose keys are buttons named by their
// text, disabled with the key, pressed by the press action; a key with a menu shows it with
// its menu action and, while it is open, has the menu (its entries as menu items) as child.

#include <QAccessibleWidget>

class CSoftKeyBar;
class CVirtualAccessible;

class CSoftKeyBarAccessible : public QAccessibleWidget {
public:
    explicit CSoftKeyBarAccessible(CSoftKeyBar* bar);
    ~CSoftKeyBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The key's element (left or right), whether it shows or not.
    QAccessibleInterface* Key(bool left) const;

private:
    CSoftKeyBar* Bar() const;
    CVirtualAccessible* MakeKey(bool left);
    std::vector<QAccessibleInterface*> Present() const;

    QAccessible::Id m_keys[2] = {0, 0};
};
