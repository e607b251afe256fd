#include "ui/toolkit/ProgressCtrlAccessible.h"

#include "ui/toolkit/ProgressCtrl.h"

CProgressCtrlAccessible::CProgressCtrlAccessible(CProgressCtrl* control)
    : QAccessibleWidget(control, QAccessible::ProgressBar) {}

CProgressCtrl* CProgressCtrlAccessible::Control() const {
    return static_cast<CProgressCtrl*>(widget());
}

QString CProgressCtrlAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Value: return Control()->BarText();
    case QAccessible::Description: {
        if (!Control()->accessibleDescription().isEmpty())
            return Control()->accessibleDescription();
        QStringList parts;
        for (const QString& part : {Control()->LeftText(), Control()->RightText()})
            if (!part.isEmpty())
                parts << part;
        return parts.join(QStringLiteral(", "));
    }
    default: return QAccessibleWidget::text(t);
    }
}

void* CProgressCtrlAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant CProgressCtrlAccessible::currentValue() const {
    return Control()->GetPos();
}

QVariant CProgressCtrlAccessible::maximumValue() const {
    int lower = 0, upper = 0;
    Control()->GetRange(lower, upper);
    return upper;
}

QVariant CProgressCtrlAccessible::minimumValue() const {
    int lower = 0, upper = 0;
    Control()->GetRange(lower, upper);
    return lower;
}
