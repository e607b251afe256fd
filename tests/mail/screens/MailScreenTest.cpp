#include "tests/mail/screens/MailScreenTest.h"

#include "mail/AccountStore.h"
#include "ui/device/Screen.h"

#include <QDir>

void CMailScreenTest::SetUp() {
    CSkinnedDeviceTest::SetUp();
    QDir().mkpath(PathIn("docs"));
    m_pdf = PathIn("docs/20261208_0930.pdf");
    ASSERT_TRUE(MakeTestPdf(m_pdf));
}

void CMailScreenTest::AddAccount(CMailAccount account) {
    QString error;
    ASSERT_TRUE(CAccountStore().Add(account, &error)) << error.toStdString();
}
