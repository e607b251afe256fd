#include "ui/device/SoftKeyBarAccessible.h"

#include "ui/device/SoftKeyBar.h"
#include "ui/device/VirtualAccessible.h"

#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QTimer>

CSoftKeyBarAccessible::CSoftKeyBarAccessible(CSoftKeyBar* bar)
    : QAccessibleWidget(bar, QAccessible::ToolBar) {
    // Qt's registry owns a registered interface; the analyzer takes a system header's function
    // for one that never keeps what it is given.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    m_keys[0] = QAccessible::registerAccessibleInterface(MakeKey(true));
    m_keys[1] = QAccessible::registerAccessibleInterface(MakeKey(false));
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
}

CSoftKeyBarAccessible::~CSoftKeyBarAccessible() {
    for (QAccessible::Id id : m_keys)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

CSoftKeyBar* CSoftKeyBarAccessible::Bar() const {
    return static_cast<CSoftKeyBar*>(widget());
}

CVirtualAccessible* CSoftKeyBarAccessible::MakeKey(bool left) {
    QPointer<CSoftKeyBar> bar = Bar();
    CVirtualAccessible::CCallbacks c;
    c.valid = [bar, left] { return bar && !bar->KeyText(left).isEmpty(); };
    c.text = [bar, left](QAccessible::Text t) {
        return t == QAccessible::Name ? bar->KeyText(left) : QString();
    };
    c.keyBindings = [left](const QString& action) {
        if (action != QAccessibleActionInterface::pressAction())
            return QStringList();
        return QStringList{QKeySequence(left ? Qt::Key_F1 : Qt::Key_F2).toString()};
    };
    c.rect = [bar, left] { return bar->KeyRect(left); };
    c.state = [bar, left] {
        QAccessible::State s;
        s.disabled = !bar->IsKeyEnabled(left);
        if (bar->HasMenu(left)) {
            s.hasPopup = true;
            s.expandable = true;
            s.expanded = bar->IsMenuOpenOn(left);
        }
        s.pressed = bar->IsMenuOpenOn(left);
        return s;
    };
    c.actions = [bar, left] {
        QStringList names{QAccessibleActionInterface::pressAction()};
        if (bar->HasMenu(left))
            names << QAccessibleActionInterface::showMenuAction();
        return names;
    };
    // Assistive tools expect an action to return: the key is pressed once control is back in
    // the event loop, as a tap would be (a menu runs its own loop).
    c.doAction = [bar, left](const QString&) {
        QTimer::singleShot(0, bar, [bar, left] {
            if (bar)
                bar->PressKey(left, true);
        });
    };
    c.children = [bar, left]() -> std::vector<QAccessibleInterface*> {
        const CSoftKeyBar* b = bar.data();
        if (b && b->IsMenuOpenOn(left))
            if (QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(b->OpenMenu()))
                return {menu};
        return {};
    };
    return new CVirtualAccessible(Bar(), QAccessible::PushButton, std::move(c));
}

QAccessibleInterface* CSoftKeyBarAccessible::Key(bool left) const {
    return QAccessible::accessibleInterface(m_keys[left ? 0 : 1]);
}

std::vector<QAccessibleInterface*> CSoftKeyBarAccessible::Present() const {
    std::vector<QAccessibleInterface*> keys;
    for (bool left : {true, false})
        if (!Bar()->KeyText(left).isEmpty())
            keys.push_back(Key(left));
    return keys;
}

int CSoftKeyBarAccessible::childCount() const {
    return int(Present().size());
}

QAccessibleInterface* CSoftKeyBarAccessible::child(int index) const {
    const auto keys = Present();
    return index >= 0 && index < int(keys.size()) ? keys[index] : nullptr;
}

int CSoftKeyBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto keys = Present();
    for (int i = 0; i < int(keys.size()); ++i)
        if (keys[i] == child)
            return i;
    return -1;
}

QAccessibleInterface* CSoftKeyBarAccessible::childAt(int x, int y) const {
    for (QAccessibleInterface* key : Present())
        if (key->rect().contains(x, y))
            return key;
    return nullptr;
}
