#include "ui/toolkit/SkinButtonAccessible.h"

#include "ui/device/Screen.h"
#include "ui/toolkit/SkinButton.h"

#include <QPointer>
#include <QTimer>

namespace {

QAccessible::Role RoleOf(const CSkinButton* button) {
    if (button->IsCheckBoxMode())
        return QAccessible::CheckBox;
    if (button->HasDropDownMenu())
        return QAccessible::ButtonMenu;
    return QAccessible::PushButton;
}

} // namespace

QString StripMnemonic(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                out += text[++i];
            continue;
        }
        out += text[i];
    }
    return out;
}

CSkinButtonAccessible::CSkinButtonAccessible(CSkinButton* button)
    : QAccessibleWidget(button, RoleOf(button)) {}

CSkinButton* CSkinButtonAccessible::Button() const {
    return static_cast<CSkinButton*>(widget());
}

QString CSkinButtonAccessible::MenuName() const {
    CScreen* screen = nullptr;
    for (QWidget* w = Button()->parentWidget(); w && !screen; w = w->parentWidget())
        screen = dynamic_cast<CScreen*>(w);
    if (!screen || !screen->MenuBar())
        return {};
    const CMenuTemplate& menu = *screen->MenuBar();
    for (const auto& [id, control] : screen->Controls()) {
        if (control != Button())
            continue;
        auto alias = menu.buttonCommands.find(id);
        return MenuText(menu, alias == menu.buttonCommands.end() ? id : alias->second);
    }
    return {};
}

QString CSkinButtonAccessible::text(QAccessible::Text t) const {
    const CSkinButton* button = Button();
    switch (t) {
    case QAccessible::Name:
        if (!button->accessibleName().isEmpty())
            return button->accessibleName();
        if (QString caption = StripMnemonic(button->text()).simplified(); !caption.isEmpty())
            return caption;
        return MenuName();
    case QAccessible::Description:
        if (!button->accessibleDescription().isEmpty())
            return button->accessibleDescription();
        return button->WebAddress();
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::Role CSkinButtonAccessible::role() const {
    return RoleOf(Button());
}

QAccessible::State CSkinButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const CSkinButton* button = Button();
    s.pressed = button->isDown();
    s.defaultButton = button->isDefault();
    if (button->IsCheckBoxMode()) {
        s.checkable = true;
        s.checked = button->isChecked();
    }
    if (button->HasDropDownMenu())
        s.hasPopup = true;
    return s;
}

QStringList CSkinButtonAccessible::actionNames() const {
    QStringList names;
    if (Button()->isEnabled()) {
        names << pressAction();
        if (Button()->IsCheckBoxMode())
            names << toggleAction();
        if (Button()->HasDropDownMenu())
            names << showMenuAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void CSkinButtonAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction() && actionName != toggleAction() &&
        actionName != showMenuAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (!Button()->isEnabled())
        return;
    // A press may run a modal screen: it happens once the tool's request has returned.
    QPointer<CSkinButton> button = Button();
    QTimer::singleShot(0, button, [button] {
        if (button)
            button->click();
    });
}

QStringList CSkinButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction() && !Button()->shortcut().isEmpty())
        return {Button()->shortcut().toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
