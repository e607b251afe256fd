#pragma once

// A device window with the build's skin library bound, in a fresh home folder, and a way to
// answer the next modal screen once it is up: the settings pages' and import commands' tests.

#include "platform/screen/DeviceWindow.h"
#include "platform/screen/Screen.h"
#include "tests/support/TempHome.h"
#include "ui/binding/SkinBinding.h"

#include <QCoreApplication>
#include <QTimer>

#include <functional>
#include <memory>

class CSettingsScreenTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_device = std::make_unique<CDeviceWindow>(QSize(480, 640));
        m_device->show();
        ASSERT_TRUE(BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), nullptr));
    }
    void TearDown() override {
        m_device.reset();
        UnbindSkinLibrary();
        CTempHomeTest::TearDown();
    }
    // Once a screen other than `below` is on top and has painted, `act` runs on it from the
    // event loop. Gives up after a few seconds without one.
    void WhenScreenOpens(CScreen* below, std::function<void(CScreen*)> act) {
        auto* timer = new QTimer(m_device.get());
        auto ticks = std::make_shared<int>(0);
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, below, act, ticks] {
            CScreen* top = m_device->TopScreen();
            if (top && top != below && top->HasPainted()) {
                timer->stop();
                timer->deleteLater();
                act(top);
            } else if (++*ticks > 1000) {
                timer->stop();
                timer->deleteLater();
            }
        });
        timer->start();
    }

    std::unique_ptr<CDeviceWindow> m_device;
};
