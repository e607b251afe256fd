#pragma once

// A screen as assistive tools see it: a dialog named by its title (the task bar's text when it
// has none of its own), described by its accessible description, whose children are its
// controls followed by the pictures it paints itself (each a graphic named by its description).

#include <QAccessibleWidget>

#include <map>

class CScreen;

class CScreenAccessible : public QAccessibleWidget {
public:
    explicit CScreenAccessible(CScreen* screen);
    ~CScreenAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    CScreen* Screen() const;
    QAccessibleInterface* Picture(int id) const;

    // Picture elements by the screen's picture identifier, made when first asked for.
    mutable std::map<int, QAccessible::Id> m_pictures;
};
