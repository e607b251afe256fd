#pragma once

// Touch as phones expect it, in one place for every screen: views glide on after a flick
// (kinetic scrolling), a long press opens what a right click opens, and rows are big enough for
// a finger on a phone-sized screen. A mouse keeps its desktop meaning throughout: pressing and
// dragging with the button still selects; only a finger flicks.

#include "ui/device/MenuTemplate.h"

#include <QSizeF>

#include <functional>
#include <vector>

class CScreen;
class QAbstractItemView;
class QAbstractScrollArea;
class QMouseEvent;
class QPoint;
class QWidget;

// A finger dragged over the view scrolls it and a flick keeps it moving, slowing down; item
// views scroll by pixels so the motion is smooth.
void EnableFlicking(QAbstractScrollArea* view);
// The same for a widget that scrolls itself: it answers QScrollPrepareEvent (accepting it
// with its content range and position) and follows QScrollEvent.
void EnableFlicking(QWidget* widget);

// Whether a mouse event stands for a finger on a touch screen (Qt makes one from every touch
// a widget does not take itself).
bool IsFromTouch(const QMouseEvent* event);

// A finger held still on `target` for the platform's press-and-hold time, a right click and
// the Menu key (or Shift+F10) call `open` with the point in global coordinates. The long
// press leaves the press itself to the target, so a tap on a row still selects it first.
void OpenOnLongPress(QWidget* target, std::function<void(const QPoint& global)> open);
// How far, in logical pixels, a held finger may wander and still hold: about 3 mm, and never
// less than the platform's drag distance.
int LongPressTolerance(double logicalDotsPerInch);
int LongPressTolerance(const QWidget* widget);

// Shows `items` as a popup at `global`; a chosen entry reaches `screen` as a menu command,
// exactly as from its soft key. Returns once the popup is closed.
void ShowCommandMenu(CScreen* screen, const std::vector<CMenuItem>& items, const QPoint& global);
// Opens the popup or sub-menu of the screen's bar that holds `command` at `global`; false when
// the screen's bar carries no such popup.
bool ShowMenuBranch(CScreen* screen, int command, const QPoint& global);

// The smallest height, in logical pixels, a row or button needs for a finger: about 7 mm on a
// phone-sized screen (diagonal up to 7.5 inches), 0 on larger ones (where a mouse is at home)
// and when the physical size is unknown.
int MinimumTouchTarget(const QSizeF& physicalMillimetres, double logicalDotsPerInch);
// The same for the screen the widget is on.
int MinimumTouchTarget(const QWidget* widget);
// The view's rows are at least MinimumTouchTarget high (and keep their own height otherwise).
void FitRowsForTouch(QAbstractItemView* view);
