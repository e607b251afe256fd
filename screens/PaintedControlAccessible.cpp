#include "screens/PaintedControlAccessible.h"

#include "resources/ResourceIds.h"
#include "screens/FrameList.h"
#include "screens/StaticThumb.h"
#include "text/Catalogue.h"
#include "text/Strings.h"

namespace {

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* strip = dynamic_cast<CFrameList*>(object))
        return new CFrameListAccessible(strip);
    if (auto* preview = dynamic_cast<CStaticThumb*>(object))
        return new CPaintedControlAccessible(preview, QAccessible::Graphic);
    return nullptr;
}

} // namespace

CPaintedControlAccessible::CPaintedControlAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString CPaintedControlAccessible::text(QAccessible::Text t) const {
    // The current page is the control's value as well as its description.
    if (t == QAccessible::Value)
        return widget()->accessibleDescription();
    return QAccessibleWidget::text(t);
}

QStringList CPaintedControlAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (dynamic_cast<const CStaticThumb*>(widget()))
        names << pressAction();
    return names;
}

void CPaintedControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        if (auto* preview = dynamic_cast<CStaticThumb*>(widget())) {
            preview->Activate();
            return;
        }
    QAccessibleWidget::doAction(actionName);
}

CFrameListAccessible::CFrameListAccessible(CFrameList* strip)
    : CPaintedControlAccessible(strip, QAccessible::List) {}

CFrameListAccessible::~CFrameListAccessible() {
    for (QAccessible::Id id : m_items)
        QAccessible::deleteAccessibleInterface(id);
}

CFrameList* CFrameListAccessible::Strip() const {
    return static_cast<CFrameList*>(widget());
}

void CFrameListAccessible::SyncItems() const {
    const std::size_t count = std::size_t(Strip()->Count());
    while (m_items.size() > count) {
        QAccessible::deleteAccessibleInterface(m_items.back());
        m_items.pop_back();
    }
    while (m_items.size() < count)
        m_items.push_back(QAccessible::registerAccessibleInterface(
            new CFrameListItemAccessible(Strip(), int(m_items.size()))));
}

int CFrameListAccessible::childCount() const {
    return Strip()->Count();
}

QAccessibleInterface* CFrameListAccessible::child(int index) const {
    SyncItems();
    if (index < 0 || index >= int(m_items.size()))
        return nullptr;
    return QAccessible::accessibleInterface(m_items[std::size_t(index)]);
}

int CFrameListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    SyncItems();
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (QAccessible::accessibleInterface(m_items[i]) == child)
            return int(i);
    return -1;
}

QAccessibleInterface* CFrameListAccessible::childAt(int x, int y) const {
    const int hit = Strip()->HitTest(Strip()->mapFromGlobal(QPoint(x, y)));
    return hit >= 0 ? child(hit) : nullptr;
}

CFrameListItemAccessible::CFrameListItemAccessible(CFrameList* strip, int index)
    : m_strip(strip), m_index(index) {}

const QString& CFrameListItemAccessible::SelectAction() {
    static const QString name = QStringLiteral("Select");
    return name;
}

CFrameList* CFrameListItemAccessible::Strip() const {
    CFrameList* strip = m_strip.data();
    return strip && m_index < strip->Count() ? strip : nullptr;
}

bool CFrameListItemAccessible::isValid() const {
    return Strip() != nullptr;
}

QWindow* CFrameListItemAccessible::window() const {
    QAccessibleInterface* strip = parent();
    return strip ? strip->window() : nullptr;
}

QAccessibleInterface* CFrameListItemAccessible::parent() const {
    return m_strip ? QAccessible::queryAccessibleInterface(m_strip.data()) : nullptr;
}

QString CFrameListItemAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name)
        return LoadFormatted(ids::IDS_PAGE, m_index + 1);
    return {};
}

QRect CFrameListItemAccessible::rect() const {
    const CFrameList* strip = Strip();
    if (!strip || m_index >= int(strip->ItemRects().size()))
        return {};
    const QRect local = strip->ItemRects()[std::size_t(m_index)];
    return QRect(strip->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State CFrameListItemAccessible::state() const {
    QAccessible::State state;
    const CFrameList* strip = Strip();
    if (!strip) {
        state.invalid = true;
        return state;
    }
    state.selectable = true;
    state.focusable = true;
    const bool current = strip->Selected() == m_index;
    state.selected = current;
    state.focused = current && strip->hasFocus();
    // Beside the strip's window (when the pages overflow) an item is not on the screen.
    const QRect local = m_index < int(strip->ItemRects().size())
                            ? strip->ItemRects()[std::size_t(m_index)]
                            : QRect();
    state.invisible = !strip->isVisible();
    state.offscreen = !local.intersects(strip->rect());
    return state;
}

void* CFrameListItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList CFrameListItemAccessible::actionNames() const {
    return isValid() ? QStringList{SelectAction(), pressAction()} : QStringList{};
}

// Action names are identifiers assistive tools call by; only what they read out is translated.
QString CFrameListItemAccessible::localizedActionName(const QString& actionName) const {
    return actionName == SelectAction()
               ? TranslateText("FrameList", "Select")
               : QAccessibleActionInterface::localizedActionName(actionName);
}

QString CFrameListItemAccessible::localizedActionDescription(const QString& actionName) const {
    return actionName == SelectAction()
               ? TranslateText("FrameList", "Makes this page the current page")
               : QAccessibleActionInterface::localizedActionDescription(actionName);
}

void CFrameListItemAccessible::doAction(const QString& actionName) {
    CFrameList* strip = Strip();
    if (strip && (actionName == SelectAction() || actionName == pressAction()))
        strip->Choose(m_index);
}

void InstallPaintedControlAccessibility() {
    // Qt asks the factory installed last first, and the application installs one for every
    // widget when it starts: ours has to come after it to answer for these controls.
    QAccessible::removeFactory(&Factory);
    QAccessible::installFactory(&Factory);
}
