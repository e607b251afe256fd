#include "ui/device/ScreenAccessible.h"

#include "ui/device/Screen.h"
#include "ui/device/VirtualAccessible.h"

#include <QPointer>

CScreenAccessible::CScreenAccessible(CScreen* screen)
    : QAccessibleWidget(screen, QAccessible::Dialog) {}

CScreenAccessible::~CScreenAccessible() {
    for (const auto& [picture, id] : m_pictures)
        QAccessible::deleteAccessibleInterface(id);
}

CScreen* CScreenAccessible::Screen() const {
    return static_cast<CScreen*>(widget());
}

QString CScreenAccessible::text(QAccessible::Text t) const {
    const CScreen* screen = Screen();
    if (t == QAccessible::Name) {
        if (!screen->accessibleName().isEmpty())
            return screen->accessibleName();
        if (!screen->windowTitle().isEmpty())
            return screen->windowTitle();
        // Untitled screens show the device window's title in the task bar.
        return screen->window() ? screen->window()->windowTitle() : QString();
    }
    if (t == QAccessible::Description)
        return screen->accessibleDescription();
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* CScreenAccessible::Picture(int id) const {
    auto it = m_pictures.find(id);
    if (it != m_pictures.end())
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(it->second))
            return iface;
    QPointer<CScreen> screen = Screen();
    CVirtualAccessible::CCallbacks c;
    // Each callback reads the guarded pointer once: the screen may be gone by the time an
    // assistive tool asks.
    c.valid = [screen, id] {
        const CScreen* s = screen.data();
        return s && s->PictureDescriptions().contains(id);
    };
    c.text = [screen, id](QAccessible::Text t) {
        const CScreen* s = screen.data();
        if (!s || t != QAccessible::Name)
            return QString();
        auto found = s->PictureDescriptions().find(id);
        return found != s->PictureDescriptions().end() ? found->second.description : QString();
    };
    c.rect = [screen, id] {
        const CScreen* s = screen.data();
        if (!s)
            return QRect();
        auto found = s->PictureDescriptions().find(id);
        return found != s->PictureDescriptions().end() ? found->second.rect : QRect();
    };
    auto* picture = new CVirtualAccessible(Screen(), QAccessible::Graphic, std::move(c));
    m_pictures[id] = QAccessible::registerAccessibleInterface(picture);
    return picture;
}

int CScreenAccessible::childCount() const {
    return QAccessibleWidget::childCount() + int(Screen()->PictureDescriptions().size());
}

QAccessibleInterface* CScreenAccessible::child(int index) const {
    const int controls = QAccessibleWidget::childCount();
    if (index < controls)
        return QAccessibleWidget::child(index);
    index -= controls;
    const auto& pictures = Screen()->PictureDescriptions();
    if (index < 0 || index >= int(pictures.size()))
        return nullptr;
    return Picture(std::next(pictures.begin(), index)->first);
}

int CScreenAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int controls = QAccessibleWidget::childCount();
    if (child && child->object())
        return QAccessibleWidget::indexOfChild(child);
    int i = 0;
    for (const auto& [id, info] : Screen()->PictureDescriptions()) {
        auto it = m_pictures.find(id);
        if (it != m_pictures.end() && QAccessible::accessibleInterface(it->second) == child)
            return controls + i;
        ++i;
    }
    return -1;
}
