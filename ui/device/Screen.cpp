#include "ui/device/Screen.h"

#include "ui/device/DeviceWindow.h"
#include "ui/device/PlatformAccessibility.h"
#include "ui/device/SoftKeyBar.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

CScreen::CScreen(CScreen* owner) : QWidget(nullptr), m_owner(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    InstallPlatformAccessibility();
    hide();
}

CScreen::~CScreen() {
    for (auto& [id, timer] : m_timers)
        delete timer;
    m_timers.clear();
    // Off the stack without OnClose: the subclass part is gone already, and this class's own
    // OnClose does nothing.
    if (m_onStack) {
        m_onStack = false;
        if (CDeviceWindow* device = CDeviceWindow::Instance())
            device->PopScreen(this);
    }
}

void CScreen::PutOnStack() {
    CDeviceWindow* device = CDeviceWindow::EnsureInstance();
    m_onStack = true;
    device->PushScreen(this);
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    device->RefreshBars();
}

void CScreen::TakeOffStack() {
    m_onStack = false;
    OnClose();
    if (CDeviceWindow* device = CDeviceWindow::Instance())
        device->PopScreen(this);
}

int CScreen::DoModal() {
    m_ended = false;
    m_result = 0;
    PutOnStack();
    if (!m_ended) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    TakeOffStack();
    return m_result;
}

void CScreen::ShowModeless() {
    m_ended = false;
    PutOnStack();
}

void CScreen::DestroyScreen() {
    if (m_onStack && !m_loop)
        TakeOffStack();
}

void CScreen::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_loop)
        m_loop->exit(result);
}

bool CScreen::SendCommand(int command) {
    // A disabled command cannot be chosen, whichever way it arrives.
    if (!IsCommandEnabled(command))
        return false;
    return OnCommand(command);
}

void CScreen::PostCommand(int command) {
    QMetaObject::invokeMethod(
        this, [this, command] { SendCommand(command); }, Qt::QueuedConnection);
}

void CScreen::OnCommandId(int command, std::function<void()> handler) {
    m_handlers[command] = std::move(handler);
}

bool CScreen::OnCommand(int command) {
    auto it = m_handlers.find(command);
    if (it != m_handlers.end()) {
        it->second();
        return true;
    }
    if (command == IDOK) {
        OnOK();
        return true;
    }
    if (command == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CScreen::EnableCommand(int command, bool enable) {
    if (enable)
        m_disabled.erase(command);
    else
        m_disabled.insert(command);
    if (QWidget* control = Control(command))
        control->setEnabled(enable);
    if (m_onStack)
        if (CDeviceWindow* device = CDeviceWindow::Instance())
            device->RefreshBars();
}

bool CScreen::IsCommandEnabled(int command) const {
    return !m_disabled.contains(command);
}

void CScreen::ChooseMenuItem(int command) {
    QMetaObject::invokeMethod(
        this,
        [this, command] {
            if (IsMenuItemEnabled(command))
                OnCommand(command);
        },
        Qt::QueuedConnection);
}

void CScreen::EnableMenuItem(int command, bool enable) {
    if (enable)
        m_greyedMenuItems.erase(command);
    else
        m_greyedMenuItems.insert(command);
}

void CScreen::CheckMenuItem(int command, bool checked) {
    if (checked)
        m_checkedMenuItems.insert(command);
    else
        m_checkedMenuItems.erase(command);
}

bool CScreen::IsMenuItemEnabled(int command) const {
    return !m_greyedMenuItems.contains(command);
}

void CScreen::EnableSoftKey(bool left, bool enable) {
    m_softKeyDisabled[left ? 0 : 1] = !enable;
    if (m_onStack)
        if (CDeviceWindow* device = CDeviceWindow::Instance())
            device->RefreshBars();
}

void CScreen::SetPictureDescription(int id, const QRect& rect, const QString& description) {
    if (description.isEmpty())
        m_pictures.erase(id);
    else
        m_pictures[id] = CPictureInfo{rect, description};
}

void CScreen::PostMessage(unsigned message, qintptr wParam, qintptr lParam) {
    QMetaObject::invokeMethod(
        this, [this, message, wParam, lParam] { OnMessage(message, wParam, lParam); },
        Qt::QueuedConnection);
}

void CScreen::OnMessage(unsigned, qintptr, qintptr) {}

void CScreen::SetMenuBar(const CMenuTemplate& menu) {
    m_menu = menu;
    m_hasMenuBar = true;
    if (m_onStack)
        if (CDeviceWindow* device = CDeviceWindow::Instance())
            device->RefreshBars();
}

void CScreen::RemoveMenuBar() {
    m_hasMenuBar = false;
    m_menu = {};
    if (m_onStack)
        if (CDeviceWindow* device = CDeviceWindow::Instance())
            device->RefreshBars();
}

void CScreen::SetTimer(int id, int milliseconds) {
    KillTimer(id);
    auto* timer = new QTimer(this);
    timer->setInterval(milliseconds);
    QObject::connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
    m_timers[id] = timer;
    timer->start();
}

void CScreen::SetSingleShotTimer(int id, int milliseconds) {
    SetTimer(id, milliseconds);
    QTimer* timer = m_timers[id];
    timer->setSingleShot(true);
    // A one-shot timer forgets itself after firing, so HasTimer tells whether it is pending.
    QObject::connect(timer, &QTimer::timeout, this, [this, id, timer] {
        auto it = m_timers.find(id);
        if (it != m_timers.end() && it->second == timer) {
            m_timers.erase(it);
            timer->deleteLater();
        }
    });
}

void CScreen::KillTimer(int id) {
    auto it = m_timers.find(id);
    if (it == m_timers.end())
        return;
    it->second->stop();
    it->second->deleteLater();
    m_timers.erase(it);
}

bool CScreen::HasTimer(int id) const {
    return m_timers.contains(id);
}

void CScreen::OnTimer(int) {}

void CScreen::AddControl(int id, QWidget* control) {
    m_controls[id] = control;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // A check box or radio button reports its state however it changed: a click, a key,
        // a screen reader's Toggle action or the program itself. A click on one toggles it
        // first, so the click itself adds nothing; a plain button reports its clicks.
        QObject::connect(button, &QAbstractButton::clicked, this, [this, id, button] {
            if (!button->isCheckable())
                SendCommand(id);
        });
        QObject::connect(button, &QAbstractButton::toggled, this, [this, id, button](bool on) {
            // In a group only the button that became checked speaks for the change.
            if (on || !button->autoExclusive())
                SendCommand(id);
        });
    }
    if (m_disabled.contains(id))
        control->setEnabled(false);
}

QWidget* CScreen::Control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void CScreen::OnPaint(QPainter& painter) {
    painter.fillRect(rect(), Qt::white);
}

void CScreen::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_buffer.size() != size() * ratio || m_buffer.devicePixelRatio() != ratio) {
        m_buffer = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_buffer.setDevicePixelRatio(ratio);
    }
    {
        QPainter painter(&m_buffer);
        painter.fillRect(rect(), Qt::white);
        OnPaint(painter);
    }
    QPainter(this).drawImage(0, 0, m_buffer);
    if (!m_painted) {
        m_painted = true;
        QMetaObject::invokeMethod(
            this, [this] { OnFirstPaint(); }, Qt::QueuedConnection);
    }
}

bool CScreen::OnKeyDown(int) {
    return false;
}

void CScreen::keyPressEvent(QKeyEvent* event) {
    if (OnKeyDown(event->key()))
        return;
    // The soft keys' shortcuts need an active window; a key that still reaches the screen
    // presses them here.
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_F2) {
        if (CDeviceWindow* device = CDeviceWindow::Instance();
            device && device->TopScreen() == this)
            device->SoftKeys()->PressKey(event->key() == Qt::Key_F1, true);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        SendCommand(IDCANCEL);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CScreen::focusNextPrevChild(bool next) {
    std::vector<QWidget*> chain;
    for (QWidget* w : findChildren<QWidget*>())
        if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy() && w->window() == window())
            chain.push_back(w);
    if (chain.empty())
        return false;
    // Reading order: rows by their top edge, then left to right; a few pixels of difference
    // in the top edge still count as one row.
    const int tolerance = 4;
    auto pos = [this](QWidget* w) { return w->mapTo(this, QPoint(0, 0)); };
    std::stable_sort(chain.begin(), chain.end(), [&](QWidget* a, QWidget* b) {
        const QPoint pa = pos(a), pb = pos(b);
        if (std::abs(pa.y() - pb.y()) > tolerance)
            return pa.y() < pb.y();
        return pa.x() < pb.x();
    });
    QWidget* current = focusWidget();
    while (current && current != this &&
           std::find(chain.begin(), chain.end(), current) == chain.end())
        current = current->parentWidget();
    auto it = std::find(chain.begin(), chain.end(), current);
    QWidget* target;
    if (it == chain.end())
        target = next ? chain.front() : chain.back();
    else if (next)
        target = std::next(it) == chain.end() ? chain.front() : *std::next(it);
    else
        target = it == chain.begin() ? chain.back() : *std::prev(it);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void CScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
}
