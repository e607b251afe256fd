#pragma once

// Accessibility of the main screen's self-painted controls: the strip reads as a list whose
// value is the current page ("Page 2 of 5"), the preview as a picture that can be pressed
// (it opens the editor). Name and description come from the widget's accessible name and
// description, which the controls keep up to date.

#include <QAccessibleWidget>

class CPaintedControlAccessible : public QAccessibleWidget {
public:
    CPaintedControlAccessible(QWidget* widget, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

// Registers the interfaces for CFrameList and CStaticThumb once per process.
void InstallPaintedControlAccessibility();
