#include "ui/device/PlatformAccessibility.h"

#include "ui/device/Screen.h"
#include "ui/device/ScreenAccessible.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/device/SoftKeyBarAccessible.h"

namespace {

// Our widgets carry no meta-object of their own, so Qt asks with the Qt base class's name;
// the object itself tells what it is.
QAccessibleInterface* PlatformFactory(const QString&, QObject* object) {
    if (auto* screen = dynamic_cast<CScreen*>(object))
        return new CScreenAccessible(screen);
    if (auto* bar = dynamic_cast<CSoftKeyBar*>(object))
        return new CSoftKeyBarAccessible(bar);
    return nullptr;
}

} // namespace

void InstallPlatformAccessibility() {
    QAccessible::installFactory(&PlatformFactory);
}

void NotifySoftKeyMenu(CSoftKeyBar* bar, bool left, bool) {
    if (!QAccessible::isActive())
        return;
    auto* iface = dynamic_cast<CSoftKeyBarAccessible*>(QAccessible::queryAccessibleInterface(bar));
    if (!iface || !iface->Key(left))
        return;
    QAccessible::State changed;
    changed.expanded = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(iface->Key(left), changed);
    QAccessible::updateAccessibility(&event);
}
