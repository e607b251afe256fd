#pragma once

// A finger on a touch screen for screen tests: real touch events from a touch-screen device,
// as a phone's compositor delivers them, so the widgets see what they would see there.

#include <QPoint>

class QPointingDevice;
class QWidget;

// The touch screen of the tests (made once, owned by Qt).
QPointingDevice* TestTouchScreen();
// A finger put down at `from`, moved to `to` in `steps` even steps a few milliseconds apart
// (a flick), and lifted there. Points are in `target`'s coordinates.
void Flick(QWidget* target, QPoint from, QPoint to, int steps = 8);
// A finger put down and lifted at once.
void Tap(QWidget* target, QPoint at);
// A finger put down at `at` and held still for `milliseconds` while events run, then lifted.
void Hold(QWidget* target, QPoint at, int milliseconds);
