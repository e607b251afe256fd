#include "tests/support/TouchGestures.h"

#include <QPointingDevice>
#include <QTest>
#include <QWidget>

QPointingDevice* TestTouchScreen() {
    static QPointingDevice* device =
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return device;
}

void Flick(QWidget* target, QPoint from, QPoint to, int steps) {
    QTest::touchEvent(target->window(), TestTouchScreen()).press(0, from, target);
    for (int i = 1; i <= steps; ++i) {
        QTest::qWait(15);
        const QPoint at = from + (to - from) * i / steps;
        QTest::touchEvent(target->window(), TestTouchScreen()).move(0, at, target);
    }
    QTest::touchEvent(target->window(), TestTouchScreen()).release(0, to, target);
}

void Tap(QWidget* target, QPoint at) {
    QTest::touchEvent(target->window(), TestTouchScreen()).press(0, at, target);
    QTest::touchEvent(target->window(), TestTouchScreen()).release(0, at, target);
}

void Hold(QWidget* target, QPoint at, int milliseconds) {
    QTest::touchEvent(target->window(), TestTouchScreen()).press(0, at, target);
    QTest::qWait(milliseconds);
    QTest::touchEvent(target->window(), TestTouchScreen()).release(0, at, target);
}
