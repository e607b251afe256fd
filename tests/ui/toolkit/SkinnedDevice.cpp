#include "SkinnedDevice.h"

#include "ui/binding/SkinBinding.h"

#include <QCoreApplication>

void CSkinnedDeviceTest::SetUp() {
    CTempHomeTest::SetUp();
    UseScreen(QSize(480, 640));
}

void CSkinnedDeviceTest::TearDown() {
    m_device.reset();
    UnbindSkinLibrary();
    CTempHomeTest::TearDown();
}

void CSkinnedDeviceTest::UseScreen(const QSize& size) {
    m_device.reset();
    m_device = std::make_unique<CDeviceWindow>(size);
    m_device->show();
    ASSERT_TRUE(BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), nullptr))
        << "the skin libraries are built into the build folder's bin/";
    ASSERT_NE(SkinManager(), nullptr);
}
