#include "ui/toolkit/ToolkitAccessibility.h"

#include "ui/device/PlatformAccessibility.h"
#include "ui/toolkit/ProgressCtrl.h"
#include "ui/toolkit/ProgressCtrlAccessible.h"
#include "ui/toolkit/SkinButton.h"
#include "ui/toolkit/SkinButtonAccessible.h"

namespace {

// The controls carry no meta-object of their own: Qt asks with the Qt base class's name.
QAccessibleInterface* ToolkitFactory(const QString&, QObject* object) {
    if (auto* button = dynamic_cast<CSkinButton*>(object))
        return new CSkinButtonAccessible(button);
    if (auto* progress = dynamic_cast<CProgressCtrl*>(object))
        return new CProgressCtrlAccessible(progress);
    return nullptr;
}

} // namespace

void InstallToolkitAccessibility() {
    InstallPlatformAccessibility();
    QAccessible::installFactory(&ToolkitFactory);
}
