#pragma once

// A skinned button as assistive tools see it: a push button (a check box in check-box mode,
// a menu button with a drop-down menu) named by its accessible name, else its caption, else
// the menu text of the command it sends (a button that shows only a picture); it can be
// pressed (and toggled, or its menu shown) and tells when it is disabled, pressed or checked.

#include <QAccessibleWidget>

class CSkinButton;

class CSkinButtonAccessible : public QAccessibleWidget {
public:
    explicit CSkinButtonAccessible(CSkinButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    CSkinButton* Button() const;
    QString MenuName() const;
};

// A caption as read aloud: "&&" is a literal "&", a single "&" only marks a shortcut.
QString StripMnemonic(const QString& text);
