#include "ui/device/DeviceWindow.h"

#include "platform/Device.h"
#include "ui/device/Screen.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/device/TaskBar.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace {
CDeviceWindow* g_instance = nullptr;
} // namespace

CDeviceWindow::CDeviceWindow(const QSize& screenSize)
    : m_area(new QWidget(this)), m_taskBar(new CTaskBar(this)), m_softKeys(new CSoftKeyBar(this)) {
    g_instance = this;
    setWindowTitle(QStringLiteral("Quillmark Mobile"));
    m_area->setAutoFillBackground(false);
    auto* turn = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    turn->setContext(Qt::ApplicationShortcut);
    QObject::connect(turn, &QShortcut::activated, this, [this] { Turn(); });
    // The skin pictures are chosen for the physical pixels of the screen the window opens on.
    platform::SetDeviceScreenRatio(devicePixelRatioF());
    SetScreenSize(screenSize);
}

CDeviceWindow::~CDeviceWindow() {
    for (CScreen* screen : m_stack)
        screen->setParent(nullptr);
    m_stack.clear();
    if (g_instance == this)
        g_instance = nullptr;
}

CDeviceWindow* CDeviceWindow::Instance() {
    return g_instance;
}

CDeviceWindow* CDeviceWindow::EnsureInstance() {
    // A window made here would outlive its screens and hide whose job it was to make it.
    if (!g_instance)
        qFatal("A screen was shown before the device window was created: the program (or the "
               "test) must create its CDeviceWindow first.");
    return g_instance;
}

platform::ScreenFacts CDeviceWindow::HostScreenFacts() {
    platform::ScreenFacts facts;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        facts.available = screen->availableSize();
    facts.desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    facts.formFactor = qEnvironmentVariable("PLASMA_PLATFORM");
    return facts;
}

void CDeviceWindow::ShowAs(const platform::WindowPlan& plan) {
    switch (plan.mode) {
    case platform::EWindowMode::kFixed:
        SetScreenSize(plan.size);
        show();
        break;
    case platform::EWindowMode::kFullScreen:
        FollowWindowSize(plan.size);
        showFullScreen();
        break;
    case platform::EWindowMode::kResizable:
        FollowWindowSize(plan.size);
        show();
        break;
    }
}

void CDeviceWindow::SetScreenSize(const QSize& size) {
    m_follows = false;
    platform::SetDeviceScreenSize(size);
    setFixedSize(platform::DeviceScreenSize());
    ApplyScreenSize(platform::DeviceScreenSize());
}

void CDeviceWindow::FollowWindowSize(const QSize& initial) {
    m_follows = true;
    // The layouts keep the scale they start at, so a window that starts at the large scale
    // cannot shrink below the smallest large screen, where the bars and buttons still fit.
    const QSize smallest = std::min(initial.width(), initial.height()) >= 480
                               ? QSize(480, 480)
                               : platform::kSmallestWindowSize;
    setMinimumSize(smallest);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize size = initial.expandedTo(smallest);
    resize(size);
    ApplyScreenSize(size);
}

void CDeviceWindow::ApplyScreenSize(const QSize& size) {
    platform::SetDeviceScreenSize(size);
    Relayout();
    for (CScreen* screen : m_stack)
        screen->NotifyDisplayChange();
    RefreshBars();
}

void CDeviceWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_follows && size() != ScreenSize() && !size().isEmpty())
        ApplyScreenSize(size());
}

void CDeviceWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window may open on another screen than the one it was made for.
    ApplyScreenRatio(devicePixelRatioF());
}

bool CDeviceWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // Sent to every widget of a window that went to another screen (Qt makes no public event
    // of it): the skin pictures, back buffers and thumbnails follow its density.
    if (event->type() == QEvent::ScreenChangeInternal)
        ApplyScreenRatio(devicePixelRatioF());
    return handled;
}

void CDeviceWindow::ApplyScreenRatio(qreal ratio) {
    if (!(ratio > 0) || qFuzzyCompare(ratio, platform::DeviceScreenRatio()))
        return;
    platform::SetDeviceScreenRatio(ratio);
    for (CScreen* screen : m_stack)
        screen->NotifyRatioChange();
    update();
}

QSize CDeviceWindow::ScreenSize() const {
    return platform::DeviceScreenSize();
}

void CDeviceWindow::Turn() {
    if (!m_follows)
        SetScreenSize(ScreenSize().transposed());
    else if (!(windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized)))
        resize(ScreenSize().transposed());
}

int CDeviceWindow::Scale() const {
    const QSize s = ScreenSize();
    return std::min(s.width(), s.height()) >= 480 ? 2 : 1;
}

int CDeviceWindow::BarHeight() const {
    return 26 * Scale();
}

QRect CDeviceWindow::ScreenArea() const {
    const QSize s = ScreenSize();
    return QRect(0, BarHeight(), s.width(), s.height() - 2 * BarHeight());
}

void CDeviceWindow::Relayout() {
    const QSize s = ScreenSize();
    m_taskBar->setGeometry(0, 0, s.width(), BarHeight());
    m_area->setGeometry(ScreenArea());
    m_softKeys->setGeometry(0, s.height() - BarHeight(), s.width(), BarHeight());
    for (CScreen* screen : m_stack)
        screen->setGeometry(0, 0, m_area->width(), m_area->height());
}

CScreen* CDeviceWindow::TopScreen() const {
    return m_stack.empty() ? nullptr : m_stack.back();
}

QImage CDeviceWindow::Grab() {
    return grab().toImage();
}

void CDeviceWindow::PushScreen(CScreen* screen) {
    std::erase(m_stack, screen);
    if (CScreen* below = TopScreen())
        below->hide();
    m_stack.push_back(screen);
    screen->setParent(m_area);
    screen->setGeometry(0, 0, m_area->width(), m_area->height());
    screen->show();
    screen->raise();
    screen->setFocus();
    RefreshBars();
}

void CDeviceWindow::PopScreen(CScreen* screen) {
    const bool wasTop = TopScreen() == screen;
    std::erase(m_stack, screen);
    screen->hide();
    screen->setParent(nullptr);
    if (wasTop)
        if (CScreen* top = TopScreen()) {
            top->show();
            top->setFocus();
        }
    RefreshBars();
}

void CDeviceWindow::RefreshBars() {
    CScreen* top = TopScreen();
    m_softKeys->SetScreen(top);
    m_taskBar->SetTitle(top && !top->windowTitle().isEmpty() ? top->windowTitle() : windowTitle());
}

void CDeviceWindow::closeEvent(QCloseEvent* event) {
    // Closing the host window ends every running screen as its Cancel would, from the top,
    // so the program still goes through its normal shut-down.
    event->ignore();
    for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it)
        (*it)->EndDialog(IDCANCEL);
}
