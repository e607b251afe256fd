#pragma once

// The progress control as assistive tools see it: a progress bar whose value is the position
// within the range, whose value text is what the bar shows ("45%" or the caller's text), and
// whose description holds the time estimates beside it.

#include <QAccessibleWidget>

class CProgressCtrl;

class CProgressCtrlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit CProgressCtrlAccessible(CProgressCtrl* control);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 0; }

private:
    CProgressCtrl* Control() const;
};
