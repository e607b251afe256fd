#include "tests/support/SkinnedDeviceTest.h"

#include "skin/binding/SkinBinding.h"
#include "tests/support/SaneTestBackend.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

namespace {

// Upper bound of every wait: generous, so a loaded machine only makes a test slower.
constexpr int kWaitMs = 30000;
constexpr int kPollMs = 5;

} // namespace

void CSkinnedDeviceTest::SetUp() {
    CTempHomeTest::SetUp();
    // Screens that list scanners find SANE's test scanners, never the machine's.
    UseSaneTestBackend();
    UseScreen(QSize(480, 640));
}

void CSkinnedDeviceTest::TearDown() {
    m_device.reset();
    UnbindSkinLibrary();
    CTempHomeTest::TearDown();
}

void CSkinnedDeviceTest::UseScreen(const QSize& size) {
    m_device.reset();
    UnbindSkinLibrary();
    m_device = std::make_unique<CDeviceWindow>(size);
    m_device->show();
    ASSERT_TRUE(BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), nullptr))
        << "the skin libraries are built into the build folder's bin/";
    ASSERT_NE(SkinManager(), nullptr);
}

void CSkinnedDeviceTest::WhenScreenOpens(CScreen* below, const std::function<void(CScreen*)>& act) {
    auto* timer = new QTimer(m_device.get());
    auto ticks = std::make_shared<int>(0);
    timer->setInterval(kPollMs);
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, below, act, ticks] {
        CScreen* top = m_device->TopScreen();
        if (top && top != below && top->HasPainted()) {
            timer->stop();
            timer->deleteLater();
            act(top);
        } else if (++*ticks > kWaitMs / kPollMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

bool CSkinnedDeviceTest::WaitFor(const std::function<bool()>& ready) {
    return QTest::qWaitFor(ready, kWaitMs);
}
