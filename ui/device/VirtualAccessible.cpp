#include "ui/device/VirtualAccessible.h"

CVirtualAccessible::CVirtualAccessible(QWidget* owner, QAccessible::Role role, CCallbacks callbacks)
    : m_owner(owner), m_role(role), m_callbacks(std::move(callbacks)) {}

bool CVirtualAccessible::isValid() const {
    return m_owner && (!m_callbacks.valid || m_callbacks.valid());
}

QWindow* CVirtualAccessible::window() const {
    const QWidget* owner = m_owner.data();
    return owner ? owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CVirtualAccessible::parent() const {
    return m_owner ? QAccessible::queryAccessibleInterface(m_owner.data()) : nullptr;
}

QAccessibleInterface* CVirtualAccessible::child(int index) const {
    if (!isValid() || !m_callbacks.children)
        return nullptr;
    const auto list = m_callbacks.children();
    return index >= 0 && index < int(list.size()) ? list[index] : nullptr;
}

int CVirtualAccessible::childCount() const {
    return isValid() && m_callbacks.children ? int(m_callbacks.children().size()) : 0;
}

int CVirtualAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!isValid() || !m_callbacks.children)
        return -1;
    const auto list = m_callbacks.children();
    for (int i = 0; i < int(list.size()); ++i)
        if (list[i] == child)
            return i;
    return -1;
}

QAccessibleInterface* CVirtualAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}

QString CVirtualAccessible::text(QAccessible::Text t) const {
    return isValid() && m_callbacks.text ? m_callbacks.text(t) : QString();
}

QRect CVirtualAccessible::rect() const {
    if (!isValid() || !m_callbacks.rect)
        return {};
    const QRect r = m_callbacks.rect();
    // The callback may have run code that destroyed the owner.
    const QWidget* owner = m_owner.data();
    return owner ? QRect(owner->mapToGlobal(r.topLeft()), r.size()) : QRect();
}

QAccessible::State CVirtualAccessible::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    if (m_callbacks.state)
        s = m_callbacks.state();
    // The callback may have run code that destroyed the owner.
    const QWidget* owner = m_owner.data();
    if (!owner) {
        s.invalid = true;
        return s;
    }
    if (!owner->isVisible())
        s.invisible = true;
    return s;
}

void* CVirtualAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface && m_callbacks.actions)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList CVirtualAccessible::actionNames() const {
    return isValid() && m_callbacks.actions ? m_callbacks.actions() : QStringList();
}

void CVirtualAccessible::doAction(const QString& actionName) {
    if (isValid() && m_callbacks.doAction && actionNames().contains(actionName))
        m_callbacks.doAction(actionName);
}

QStringList CVirtualAccessible::keyBindingsForAction(const QString& actionName) const {
    return isValid() && m_callbacks.keyBindings ? m_callbacks.keyBindings(actionName)
                                                : QStringList();
}
