#include "screens/PaintedControlAccessible.h"

#include "screens/FrameList.h"
#include "screens/StaticThumb.h"

namespace {

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* strip = dynamic_cast<CFrameList*>(object))
        return new CPaintedControlAccessible(strip, QAccessible::List);
    if (auto* preview = dynamic_cast<CStaticThumb*>(object))
        return new CPaintedControlAccessible(preview, QAccessible::Graphic);
    return nullptr;
}

} // namespace

CPaintedControlAccessible::CPaintedControlAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString CPaintedControlAccessible::text(QAccessible::Text t) const {
    // The current page is the control's value as well as its description.
    if (t == QAccessible::Value)
        return widget()->accessibleDescription();
    return QAccessibleWidget::text(t);
}

QStringList CPaintedControlAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (dynamic_cast<const CStaticThumb*>(widget()))
        names << pressAction();
    return names;
}

void CPaintedControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        if (auto* preview = dynamic_cast<CStaticThumb*>(widget())) {
            preview->Activate();
            return;
        }
    QAccessibleWidget::doAction(actionName);
}

void InstallPaintedControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}
