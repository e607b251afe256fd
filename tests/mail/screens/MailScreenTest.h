#pragma once

// A device window with the build's skin library, a fresh home folder, a PDF to send and a way
// to answer the screens the send screen opens.

#include "app/AppSettings.h"
#include "tests/mail/MailTestSupport.h"
#include "tests/support/SkinnedDeviceTest.h"

class CMailScreenTest : public CSkinnedDeviceTest {
protected:
    void SetUp() override;
    void AddAccount(CMailAccount account);

    CAppSettings m_settings;
    QString m_pdf;
};
