#include "tests/screens/ScreenTestSupport.h"

#include "ui/binding/SkinBinding.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QTimer>

void CScreenTest::SetUp() {
    CTempHomeTest::SetUp();
    UseScreen(QSize(480, 640));
}

void CScreenTest::TearDown() {
    m_device.reset();
    UnbindSkinLibrary();
    CTempHomeTest::TearDown();
}

void CScreenTest::UseScreen(const QSize& size) {
    m_device.reset();
    UnbindSkinLibrary();
    m_device = std::make_unique<CDeviceWindow>(size);
    m_device->show();
    ASSERT_TRUE(BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), nullptr))
        << "the skin libraries are built into the build folder's bin/";
}

QString CScreenTest::Picture(const QString& name, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = PathIn(name);
    EXPECT_TRUE(image.save(path, nullptr, 100)) << path.toStdString();
    return path;
}

void CScreenTest::WhenScreenOpens(CScreen* below, std::function<void(CScreen*)> act) {
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

bool CScreenTest::WaitFor(const std::function<bool()>& ready) {
    return QTest::qWaitFor(ready, 5000);
}
