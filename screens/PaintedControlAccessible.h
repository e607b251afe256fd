#pragma once

// Accessibility of the main screen's self-painted controls: the strip reads as a list whose
// items are its pages ("Page 1", "Page 2", ...), the current one selected, and whose value is
// the current page ("Page 2 of 5"); the preview reads as a picture that can be pressed (it
// opens the editor). Names and descriptions come from the widgets' accessible name and
// description, which the controls keep up to date.

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

class CFrameList;

class CPaintedControlAccessible : public QAccessibleWidget {
public:
    CPaintedControlAccessible(QWidget* widget, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

// The strip: one list item per page, in the strip's order.
class CFrameListAccessible : public CPaintedControlAccessible {
public:
    explicit CFrameListAccessible(CFrameList* strip);
    ~CFrameListAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    CFrameList* Strip() const;
    // Makes or drops item interfaces so there is one per page.
    void SyncItems() const;

    mutable std::vector<QAccessible::Id> m_items;
};

// One page of the strip, known by its place.
class CFrameListItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CFrameListItemAccessible(CFrameList* strip, int index);

    // The action that selects the page, as a tap on it does.
    static const QString& SelectAction();

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    QString localizedActionName(const QString& actionName) const override;
    QString localizedActionDescription(const QString& actionName) const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int Index() const { return m_index; }

private:
    // The strip while it lives and still has this page; null otherwise.
    CFrameList* Strip() const;

    QPointer<CFrameList> m_strip;
    int m_index;
};

// Registers the interfaces for CFrameList and CStaticThumb ahead of the application's own.
// The controls call it first thing in their constructors: Qt keeps the first interface it
// makes for a widget, and setting a name already makes one.
void InstallPaintedControlAccessibility();
