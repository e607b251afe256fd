#pragma once

// An element that assistive tools see although it is no widget of its own: a soft key of the
// soft-key bar, a picture a screen paints itself. Its owner widget answers every question
// through the callbacks, so the element always tells the owner's current state; it is valid
// while the owner lives and `isValid` says it is.

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class CVirtualAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    struct CCallbacks {
        std::function<QString(QAccessible::Text)> text;
        std::function<QRect()> rect; // in the owner's coordinates
        std::function<QAccessible::State()> state;
        std::function<bool()> valid;
        // The action names it offers and what each does.
        std::function<QStringList()> actions;
        std::function<void(const QString&)> doAction;
        std::function<QStringList(const QString&)> keyBindings;
        // Elements below this one (the open menu of a soft key).
        std::function<std::vector<QAccessibleInterface*>()> children;
    };

    CVirtualAccessible(QWidget* owner, QAccessible::Role role, CCallbacks callbacks);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<QWidget> m_owner;
    QAccessible::Role m_role;
    CCallbacks m_callbacks;
};
