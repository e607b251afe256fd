#include "tests/mail/screens/MailScreenTest.h"

#include "mail/AccountStore.h"
#include "platform/screen/Screen.h"
#include "ui/binding/SkinBinding.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

void CMailScreenTest::SetUp() {
    CTempHomeTest::SetUp();
    m_device = std::make_unique<CDeviceWindow>(QSize(480, 640));
    m_device->show();
    ASSERT_TRUE(BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), nullptr))
        << "the skin libraries are built into the build folder's bin/";
    QDir().mkpath(PathIn("docs"));
    m_pdf = PathIn("docs/20261208_0930.pdf");
    ASSERT_TRUE(MakeTestPdf(m_pdf));
}

void CMailScreenTest::TearDown() {
    m_device.reset();
    UnbindSkinLibrary();
    CTempHomeTest::TearDown();
}

void CMailScreenTest::WhenScreenOpens(CScreen* below, std::function<void(CScreen*)> act) {
    auto* timer = new QTimer(m_device.get());
    auto ticks = std::make_shared<int>(0);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, below, act, ticks] {
        CScreen* top = m_device->TopScreen();
        if (top && top != below && top->HasPainted()) {
            timer->stop();
            timer->deleteLater();
            act(top);
        } else if (++*ticks > 6000) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

bool CMailScreenTest::WaitFor(const std::function<bool()>& ready) {
    return QTest::qWaitFor(ready, 30000);
}

void CMailScreenTest::AddAccount(CMailAccount account) {
    QString error;
    ASSERT_TRUE(CAccountStore().Add(account, &error)) << error.toStdString();
}
