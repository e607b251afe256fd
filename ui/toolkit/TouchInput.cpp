#include "ui/toolkit/TouchInput.h"

#include "ui/device/Screen.h"
#include "ui/device/SoftKeyBar.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPointingDevice>
#include <QScreen>
#include <QScroller>
#include <QScrollerProperties>
#include <QStyleHints>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTouchEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kTargetMillimetres = 7.0;
constexpr double kPhoneDiagonalMillimetres = 7.5 * 25.4;
// A held finger rolls on its pad by a millimetre or two; the drag distance of a mouse (a few
// logical pixels, a millimetre on a phone at scale 2) is far too tight for it.
constexpr double kHoldWobbleMillimetres = 3.0;

// Set while a held press is handed on: that press was seen (and timed) when it was made.
bool g_replayingPress = false;

// A finger on a flickable widget: the press waits until it is clear whether the finger taps
// (then the widget gets the press and the release, as from a mouse) or scrolls (then the
// widget sees nothing of it, so a flick neither selects nor activates what it passes over).
// A press the scroller does not take (nothing to scroll, or the widget refused it) goes
// through at once.
class CFingerFilter : public QObject {
public:
    explicit CFingerFilter(QWidget* target) : QObject(target), m_target(target) {
        QScroller* scroller = QScroller::scroller(target);
        connect(scroller, &QScroller::stateChanged, this, [this](QScroller::State state) {
            // Dragging, or a tap that stops a gliding list, is the scroller's.
            if (state == QScroller::Dragging ||
                (state == QScroller::Pressed && m_lastState == QScroller::Scrolling))
                m_scrolled = true;
            m_lastState = state;
        });
        target->installEventFilter(this);
    }

    // Hands a held press to the widget now (a long press selects what it is on).
    void DeliverPress() {
        std::unique_ptr<QEvent> press = m_pending ? std::move(m_pending) : TouchPress();
        m_touchPress.reset();
        if (!press)
            return;
        m_replaying = g_replayingPress = true;
        QCoreApplication::sendEvent(m_target, press.get());
        m_replaying = g_replayingPress = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_target || m_replaying)
            return false;
        const QEvent::Type type = event->type();
        if (type == QEvent::TouchBegin) {
            HoldTouchPress(static_cast<QTouchEvent*>(event));
            return false;
        }
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
            type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!IsFromTouch(mouse))
            return false;
        QScroller* scroller = QScroller::scroller(m_target);
        switch (type) {
        case QEvent::MouseButtonPress:
            // The scroller saw the touch first: Pressed means it may take the gesture.
            m_engaged = scroller->state() == QScroller::Pressed;
            m_scrolled = m_scrolled && m_engaged;
            if (!m_engaged)
                return false;
            m_pending.reset(mouse->clone());
            m_touchPress.reset();
            return true;
        case QEvent::MouseButtonDblClick:
            if (!m_engaged || m_scrolled)
                return m_engaged;
            DeliverPress();
            return false;
        case QEvent::MouseMove:
            if (!m_engaged)
                return false;
            return true;
        default: { // release
            if (!m_engaged)
                return false;
            const bool scrolled = m_scrolled;
            m_engaged = m_scrolled = false;
            if (scrolled) {
                m_pending.reset();
                m_touchPress.reset();
                return true;
            }
            DeliverPress();
            return false;
        }
        }
    }

private:
    // A finger that comes down again where it was just lifted makes Qt send no press, only a
    // double click, and the flick gesture swallows double clicks while its scroller holds the
    // finger: the widget would see a release without a press, the tap would be lost and a long
    // press after it would select nothing. So the press is taken from the touch itself; the
    // mouse press, when it does come, replaces it.
    void HoldTouchPress(const QTouchEvent* touch) {
        if (touch->points().size() != 1 ||
            QScroller::scroller(m_target)->state() != QScroller::Pressed)
            return;
        m_engaged = true;
        m_pending.reset();
        m_touchPress = touch->points().front().globalPosition();
        m_touchModifiers = touch->modifiers();
    }

    // The press a touch stands for. It is made only when needed and on the mouse, not on the
    // touch screen: an event made on a device moves that device's point, the finger's own.
    std::unique_ptr<QEvent> TouchPress() const {
        if (!m_touchPress)
            return nullptr;
        const QPointF global = *m_touchPress;
        return std::make_unique<QMouseEvent>(
            QEvent::MouseButtonPress, m_target->mapFromGlobal(global),
            m_target->window()->mapFromGlobal(global), global, Qt::LeftButton, Qt::LeftButton,
            m_touchModifiers, Qt::MouseEventSynthesizedByQt);
    }

    QWidget* m_target;
    std::unique_ptr<QEvent> m_pending;
    std::optional<QPointF> m_touchPress;
    Qt::KeyboardModifiers m_touchModifiers;
    bool m_engaged = false;
    bool m_scrolled = false;
    bool m_replaying = false;
    QScroller::State m_lastState = QScroller::Inactive;
};

// The filter of a flickable widget (the classes here have no meta-objects of their own, so
// they are told apart by their C++ types).
CFingerFilter* FingerFilterOf(const QWidget* target) {
    for (QObject* child : target->children())
        if (auto* finger = dynamic_cast<CFingerFilter*>(child))
            return finger;
    return nullptr;
}

// Watches one widget for the long press, the right click and the Menu key.
class CLongPress : public QObject {
public:
    // `keyboardOnly` watches only for the Menu key (a scrolled view, whose viewport takes the
    // pointer: a press the viewport leaves would otherwise be seen twice).
    CLongPress(QWidget* target, std::function<void(const QPoint&)> open, bool keyboardOnly)
        : QObject(target), m_target(target), m_open(std::move(open)), m_keyboardOnly(keyboardOnly) {
        m_timer.setSingleShot(true);
        m_timer.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* pressed = m_target.data();
            if (!pressed)
                return;
            // A finger the scroller has taken is moving the view, however slowly.
            if (QScroller::hasScroller(pressed)) {
                const QScroller::State state = QScroller::scroller(pressed)->state();
                if (state == QScroller::Dragging || state == QScroller::Scrolling)
                    return;
            }
            // What the finger rests on is selected first, as a tap would select it.
            if (CFingerFilter* finger = FingerFilterOf(pressed))
                finger->DeliverPress();
            m_open(pressed->mapToGlobal(m_pressPoint));
        });
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QWidget* target = m_target.data();
        if (!target || watched != target)
            return false;
        if (m_keyboardOnly && event->type() != QEvent::ContextMenu)
            return false;
        switch (event->type()) {
        case QEvent::TouchBegin: {
            // A widget that takes touches (a flickable one) sees the finger here first; its
            // mouse press may never come (see the finger filter).
            const auto* touch = static_cast<QTouchEvent*>(event);
            if (touch->points().size() == 1 && !g_replayingPress)
                Start(touch->points().front().position().toPoint());
            break;
        }
        case QEvent::TouchUpdate: {
            const auto* touch = static_cast<QTouchEvent*>(event);
            if (touch->points().size() != 1)
                m_timer.stop();
            else
                Follow(touch->points().front().position().toPoint());
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // A finger put down again where it was just lifted arrives as a double click only.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (IsFromTouch(mouse) && mouse->button() == Qt::LeftButton && !g_replayingPress &&
                !(m_timer.isActive() && Near(mouse->position().toPoint())))
                Start(mouse->position().toPoint());
            break;
        }
        case QEvent::MouseMove:
            Follow(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::MouseButtonRelease:
        case QEvent::Hide:
        case QEvent::FocusOut: m_timer.stop(); break;
        case QEvent::ContextMenu: {
            m_timer.stop();
            const auto* menu = static_cast<QContextMenuEvent*>(event);
            if (m_keyboardOnly && menu->reason() != QContextMenuEvent::Keyboard)
                return false;
            // From the keyboard the menu opens at the widget's centre, where its focus is.
            const QPoint at = menu->reason() == QContextMenuEvent::Keyboard
                                  ? target->mapToGlobal(target->rect().center())
                                  : menu->globalPos();
            m_open(at);
            return true;
        }
        default: break;
        }
        return false;
    }

private:
    void Start(const QPoint& at) {
        m_pressPoint = at;
        m_tolerance = LongPressTolerance(m_target.data());
        m_timer.start();
    }
    bool Near(const QPoint& at) const {
        return (at - m_pressPoint).manhattanLength() < m_tolerance;
    }
    // A finger that wanders is scrolling or dragging, not holding.
    void Follow(const QPoint& at) {
        if (m_timer.isActive() && !Near(at))
            m_timer.stop();
    }

    QPointer<QWidget> m_target;
    std::function<void(const QPoint&)> m_open;
    bool m_keyboardOnly;
    QTimer m_timer;
    QPoint m_pressPoint;
    int m_tolerance = 0;
};

void GrabTouchFlick(QWidget* target) {
    if (FingerFilterOf(target))
        return;
    QScroller::grabGesture(target, QScroller::TouchGesture);
    QScroller* scroller = QScroller::scroller(target);
    QScrollerProperties properties = scroller->scrollerProperties();
    // A list that springs back past its ends looks broken in a page-sized view; it stops at
    // its ends instead.
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    scroller->setScrollerProperties(properties);
    new CFingerFilter(target);
    // A long press must see the press before the finger filter holds it back (the filter
    // installed last is asked first).
    for (QObject* child : target->children()) {
        if (dynamic_cast<CLongPress*>(child)) {
            target->removeEventFilter(child);
            target->installEventFilter(child);
        }
    }
}

// Rows at least a finger high.
class CTouchRowDelegate : public QStyledItemDelegate {
public:
    explicit CTouchRowDelegate(QAbstractItemView* view) : QStyledItemDelegate(view), m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), MinimumTouchTarget(m_view)));
        return size;
    }

private:
    QAbstractItemView* m_view;
};

} // namespace

void EnableFlicking(QAbstractScrollArea* view) {
    if (auto* items = qobject_cast<QAbstractItemView*>(view)) {
        items->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        items->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    }
    GrabTouchFlick(view->viewport());
}

void EnableFlicking(QWidget* widget) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        return EnableFlicking(area);
    GrabTouchFlick(widget);
}

bool IsFromTouch(const QMouseEvent* event) {
    const QInputDevice* device = event->device();
    return (device && device->type() == QInputDevice::DeviceType::TouchScreen) ||
           event->source() == Qt::MouseEventSynthesizedByQt;
}

void OpenOnLongPress(QWidget* target, std::function<void(const QPoint& global)> open) {
    // Item views take their presses on the viewport.
    QWidget* watched = target;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(target)) {
        watched = area->viewport();
        // The Menu key reaches the view itself, not its viewport.
        new CLongPress(target, open, true);
    }
    new CLongPress(watched, std::move(open), false);
    target->setContextMenuPolicy(Qt::DefaultContextMenu);
}

void ShowCommandMenu(CScreen* screen, const std::vector<CMenuItem>& items, const QPoint& global) {
    if (!screen || items.empty())
        return;
    QMenu menu(screen);
    menu.setAccessibleName(screen->accessibleName());
    FillCommandMenu(&menu, items, screen);
    // Kept inside the device screen, as the soft keys' popups are.
    const QSize hint = menu.sizeHint();
    const QRect area(screen->mapToGlobal(QPoint(0, 0)), screen->size());
    QPoint at = global;
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - hint.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - hint.height())));
    menu.exec(at);
}

bool ShowMenuBranch(CScreen* screen, int command, const QPoint& global) {
    const CMenuTemplate* bar = screen ? screen->MenuBar() : nullptr;
    const std::vector<CMenuItem>* items = bar ? MenuBranch(*bar, command) : nullptr;
    if (!items)
        return false;
    ShowCommandMenu(screen, *items, global);
    return true;
}

int MinimumTouchTarget(const QSizeF& physicalMillimetres, double logicalDotsPerInch) {
    const double diagonal = std::hypot(physicalMillimetres.width(), physicalMillimetres.height());
    if (diagonal <= 0 || diagonal > kPhoneDiagonalMillimetres || logicalDotsPerInch <= 0)
        return 0;
    return int(std::ceil(logicalDotsPerInch * kTargetMillimetres / 25.4));
}

int LongPressTolerance(double logicalDotsPerInch) {
    const int finger = logicalDotsPerInch > 0
                           ? int(std::ceil(logicalDotsPerInch * kHoldWobbleMillimetres / 25.4))
                           : 0;
    return std::max(QApplication::startDragDistance(), finger);
}

int LongPressTolerance(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    return LongPressTolerance(screen ? screen->physicalDotsPerInchY() : 0.0);
}

int MinimumTouchTarget(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    return MinimumTouchTarget(screen->physicalSize(), screen->physicalDotsPerInchY());
}

void FitRowsForTouch(QAbstractItemView* view) {
    view->setItemDelegate(new CTouchRowDelegate(view));
}
