#pragma once

// The round shutter button of the camera screen, for a finger or a mouse; assistive tools see
// a push button named "Capture". Space presses it when it has the focus.

#include <QAbstractButton>

class CShutterButton : public QAbstractButton {
public:
    explicit CShutterButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
