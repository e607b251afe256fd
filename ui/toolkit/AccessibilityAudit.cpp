#include "ui/toolkit/AccessibilityAudit.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QRect>
#include <QWidget>

namespace {

bool IsInteractive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::MenuItem:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ScrollBar:
    case QAccessible::ComboBox:
    case QAccessible::PageTab: return true;
    default: return false;
    }
}

QString RoleName(QAccessible::Role role) {
    const char* key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key ? QString::fromLatin1(key) : QString::number(int(role));
}

void Walk(QAccessibleInterface* iface, QStringList& path, QStringList& problems, int depth) {
    // Deep enough for any screen; a cycle in a broken tree cannot run away.
    if (!iface || !iface->isValid() || depth > 64)
        return;
    const QAccessible::State state = iface->state();
    if (state.invisible || state.offscreen)
        return;
    const QString name = iface->text(QAccessible::Name).trimmed();
    if (IsInteractive(iface->role()) && name.isEmpty()) {
        const QRect r = iface->rect();
        problems << QStringLiteral("%1 at %2,%3 %4x%5 in %6")
                        .arg(RoleName(iface->role()))
                        .arg(r.x())
                        .arg(r.y())
                        .arg(r.width())
                        .arg(r.height())
                        .arg(path.join(QStringLiteral(" / ")));
    }
    path << (name.isEmpty() ? RoleName(iface->role()) : name);
    for (int i = 0; i < iface->childCount(); ++i)
        Walk(iface->child(i), path, problems, depth + 1);
    path.removeLast();
}

} // namespace

QStringList FindUnnamedControls(QWidget* root) {
    QStringList problems;
    QStringList path;
    Walk(QAccessible::queryAccessibleInterface(root), path, problems, 0);
    return problems;
}
