#include "ui/device/SoftKeyBar.h"

#include "ui/device/PlatformAccessibility.h"
#include "ui/device/Screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

CSoftKeyBar::CSoftKeyBar(QWidget* parent) : QWidget(parent) {
    InstallPlatformAccessibility();
    for (const bool left : {true, false}) {
        auto* key = new QShortcut(QKeySequence(left ? Qt::Key_F1 : Qt::Key_F2), parent);
        key->setContext(Qt::ApplicationShortcut);
        QObject::connect(key, &QShortcut::activated, this, [this, left] { PressKey(left, true); });
    }
}

void CSoftKeyBar::SetScreen(CScreen* screen) {
    m_screen = screen;
    update();
}

const CSoftKey* CSoftKeyBar::Key(bool left) const {
    if (!m_screen || !m_screen->MenuBar())
        return nullptr;
    const CSoftKey& key = left ? m_screen->MenuBar()->left : m_screen->MenuBar()->right;
    return key.IsEmpty() ? nullptr : &key;
}

QString CSoftKeyBar::KeyText(bool left) const {
    const CSoftKey* key = Key(left);
    return key ? key->text : QString();
}

bool CSoftKeyBar::IsKeyEnabled(bool left) const {
    const CSoftKey* key = Key(left);
    if (!key || !m_screen->IsSoftKeyEnabled(left))
        return false;
    return !key->popup.empty() || m_screen->IsCommandEnabled(key->command);
}

bool CSoftKeyBar::HasMenu(bool left) const {
    const CSoftKey* key = Key(left);
    return key && !key->popup.empty();
}

bool CSoftKeyBar::IsMenuOpenOn(bool left) const {
    return m_menu && m_menu->isVisible() && m_pressed == (left ? 0 : 1);
}

QFont CSoftKeyBar::KeyFont() const {
    QFont font(QStringList{"Tahoma", "DejaVu Sans Condensed", "DejaVu Sans"});
    font.setPixelSize(height() * 12 / 26);
    font.setBold(true);
    return font;
}

QRect CSoftKeyBar::KeyRect(bool left) const {
    const int half = width() / 2;
    return left ? QRect(0, 0, half, height()) : QRect(half, 0, width() - half, height());
}

void FillCommandMenu(QMenu* menu, const std::vector<CMenuItem>& items, CScreen* screen) {
    for (const CMenuItem& item : items) {
        if (item.IsSeparator()) {
            menu->addSeparator();
        } else if (!item.children.empty()) {
            FillCommandMenu(menu->addMenu(item.text), item.children, screen);
        } else {
            QAction* action = menu->addAction(item.text);
            // Entries are greyed only on the screen's explicit wish, never by a disabled command.
            action->setEnabled(screen->IsMenuItemEnabled(item.command));
            if (screen->IsMenuItemChecked(item.command)) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            const int command = item.command;
            QPointer<CScreen> target = screen;
            QObject::connect(action, &QAction::triggered, menu, [target, command] {
                // An entry chosen by an assistive tool closes the menu as a tap on it would.
                for (QWidget* popup = QApplication::activePopupWidget(); popup && popup->close();
                     popup = QApplication::activePopupWidget()) {
                }
                if (target)
                    target->ChooseMenuItem(command);
            });
        }
    }
}

void CSoftKeyBar::PressKey(bool left, bool fromKeyboard) {
    if (m_menu) {
        // The key of an open menu closes it, as a second tap outside the menu would.
        m_menu->close();
        return;
    }
    const CSoftKey* key = Key(left);
    if (!key || !IsKeyEnabled(left))
        return;
    if (key->popup.empty()) {
        m_screen->SendCommand(key->command);
        return;
    }
    QMenu menu(this);
    QFont font = menu.font();
    font.setPixelSize(height() * 12 / 26);
    menu.setFont(font);
    FillCommandMenu(&menu, key->popup, m_screen);
    const QSize hint = menu.sizeHint();
    const int x = left ? 0 : width() - hint.width();
    m_pressed = left ? 0 : 1;
    m_menu = &menu;
    update();
    if (fromKeyboard)
        QMetaObject::invokeMethod(
            &menu,
            [&menu] {
                // Down selects the first entry as the keyboard does, without opening its
                // submenu (setActiveAction would open it); Right or Enter opens it.
                if (menu.activeAction())
                    return;
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QCoreApplication::sendEvent(&menu, &down);
            },
            Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        &menu, [this, left] { NotifySoftKeyMenu(this, left, true); }, Qt::QueuedConnection);
    menu.exec(mapToGlobal(QPoint(x, -hint.height())));
    m_menu = nullptr;
    NotifySoftKeyMenu(this, left, false);
    m_pressed = -1;
    update();
}

void CSoftKeyBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    QLinearGradient band(r.topLeft(), r.bottomLeft());
    band.setColorAt(0, QColor(0x4a, 0x5d, 0x75));
    band.setColorAt(0.5, QColor(0x26, 0x33, 0x44));
    band.setColorAt(1, QColor(0x1b, 0x25, 0x32));
    p.fillRect(r, band);
    p.setPen(QColor(0x7f, 0x93, 0xab));
    p.drawLine(r.topLeft(), r.topRight());

    const int half = r.width() / 2;
    if (m_pressed >= 0)
        p.fillRect(QRect(m_pressed * half, 1, half, r.height() - 1), QColor(0x5b, 0x8c, 0xc9));
    p.setPen(QColor(0x10, 0x18, 0x22));
    p.drawLine(half, r.height() / 5, half, r.height() * 4 / 5);
    p.setPen(QColor(0x5a, 0x6c, 0x82));
    p.drawLine(half + 1, r.height() / 5, half + 1, r.height() * 4 / 5);

    p.setFont(KeyFont());
    for (int side = 0; side < 2; ++side) {
        const bool left = side == 0;
        const QString text = KeyText(left);
        if (text.isEmpty())
            continue;
        p.setPen(IsKeyEnabled(left) ? QColor(Qt::white) : QColor(0x8a, 0x96, 0xa6));
        p.drawText(QRect(side * half, 0, half, r.height()), Qt::AlignCenter, text);
    }
}

void CSoftKeyBar::mousePressEvent(QMouseEvent* event) {
    const int middle = width() / 2;
    const bool left = event->position().x() < middle;
    if (!Key(left) || !IsKeyEnabled(left))
        return;
    m_pressed = left ? 0 : 1;
    update();
}

void CSoftKeyBar::mouseReleaseEvent(QMouseEvent* event) {
    const int pressed = m_pressed;
    m_pressed = -1;
    update();
    if (pressed < 0 || !rect().contains(event->position().toPoint()))
        return;
    const int middle = width() / 2;
    const bool left = event->position().x() < middle;
    if ((pressed == 0) == left)
        PressKey(left);
}
