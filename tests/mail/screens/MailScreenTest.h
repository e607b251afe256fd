#pragma once

// A device window with the build's skin library, a fresh home folder, a PDF to send and a way
// to answer the screens the send screen opens.

#include "app/AppSettings.h"
#include "platform/screen/DeviceWindow.h"
#include "tests/mail/MailTestSupport.h"
#include "tests/support/TempHome.h"

#include <functional>
#include <memory>

class CMailScreenTest : public CTempHomeTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Once a screen other than `below` is on top and has painted, `act` runs on it from the
    // event loop (so it may end it).
    void WhenScreenOpens(CScreen* below, std::function<void(CScreen*)> act);
    static bool WaitFor(const std::function<bool()>& ready);
    void AddAccount(CMailAccount account);

    std::unique_ptr<CDeviceWindow> m_device;
    CAppSettings m_settings;
    QString m_pdf;
};
