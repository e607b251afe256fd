#include "program/ScanApp.h"

#include "app/AppSettings.h"
#include "app/Log.h"
#include "camera/CameraState.h"
#include "platform/Registry.h"
#include "program/AboutDlg.h"
#include "program/SplashDlg.h"
#include "resources/ResourceIds.h"
#include "screens/MainDlg.h"
#include "skin/binding/SkinBinding.h"
#include "tests/support/TempHome.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/MessageBox.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/QuestionBox.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using Trace = std::vector<QString>;

class CTracedMain : public CMainDlg {
public:
    CTracedMain(CScreen* owner, Trace& trace) : CMainDlg(owner), m_trace(trace) {}

protected:
    void OnClose() override { m_trace.push_back("mainScreenClosed"); }

private:
    Trace& m_trace;
};

class StartupTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_device = std::make_unique<CDeviceWindow>(QSize(480, 640));
        m_device->show();
        // A device with a camera: the main screen then starts without its camera notice,
        // which would wait for an answer.
        ASSERT_TRUE(WriteCameraHardwareValue(true));
        SetMessageBoxHandler([this](const QString& text, const QString& title) {
            m_boxes.push_back(title + ": " + text);
        });
    }
    void TearDown() override {
        SetMessageBoxHandler({});
        UnbindSkinLibrary();
        m_device.reset();
        CTempHomeTest::TearDown();
    }

    // The real services, each call written to the trace first.
    CStartupServices Traced(const QString& skinFolder,
                            const std::function<void(CMainDlg&)>& onMain) {
        CStartupServices real = DefaultStartupServices();
        CStartupServices s = real;
        s.openLog = [this, real](const QString& path) {
            m_trace.push_back("openLog");
            m_logPath = path;
            real.openLog(path);
        };
        s.loadSettings = [this, real] {
            m_trace.push_back("loadSettings");
            real.loadSettings();
        };
        s.bindSkin = [this, skinFolder](int* error) {
            m_trace.push_back("bindSkin");
            m_settingsInRegistryAtBinding =
                SettingsKey("SCAN_SETTINGS").Read<std::uint32_t>("PageSize").has_value();
            return BindSkinLibraryFrom(skinFolder, ProcessLog(), error);
        };
        s.startImaging = [this, real] {
            m_trace.push_back("startImaging");
            return real.startImaging();
        };
        s.stopImaging = [this, real] {
            m_trace.push_back("stopImaging");
            real.stopImaging();
        };
        s.saveSettings = [this, real] {
            m_trace.push_back("saveSettings");
            return real.saveSettings();
        };
        s.flushRegistry = [this, real](platform::HKEY root) {
            m_trace.push_back(QStringLiteral("flush %1").arg(root, 0, 16));
            real.flushRegistry(root);
        };
        s.closeLog = [this, real] {
            m_trace.push_back("closeLog");
            real.closeLog();
        };
        s.makeMainScreen = [this, onMain](CScreen* owner) -> std::unique_ptr<CScreen> {
            m_trace.push_back("mainScreen");
            m_splash = dynamic_cast<CSplashDlg*>(owner);
            auto main = std::make_unique<CTracedMain>(owner, m_trace);
            CMainDlg* raw = main.get();
            QTimer::singleShot(50, raw, [raw, onMain] { onMain(*raw); });
            return main;
        };
        return s;
    }
    // The skin libraries are built beside the test programs.
    static QString SkinFolder() { return QCoreApplication::applicationDirPath(); }

    std::unique_ptr<CDeviceWindow> m_device;
    Trace m_trace;
    std::vector<QString> m_boxes;
    QString m_logPath;
    bool m_settingsInRegistryAtBinding = false;
    CSplashDlg* m_splash = nullptr;
};

const Trace kShutDown = {"stopImaging",    "saveSettings",   "flush 80000000", "flush 80000001",
                         "flush 80000002", "flush 80000003", "closeLog"};

Trace Join(Trace a, const Trace& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(StartupTest, StartsAndEndsInTheFixedOrder) {
    std::vector<CScreen*> stackWhileMain;
    bool initialisedBeforeMain = false;
    const int status = CScanApp(Traced(SkinFolder(), [&](CMainDlg& main) {
                           stackWhileMain = m_device->Stack();
                           initialisedBeforeMain =
                               m_splash && m_splash->IsInitialised() && m_splash->LogoPicture() > 0;
                           main.SendCommand(ids::ID_FILE_EXIT);
                       })).InitInstance();

    EXPECT_EQ(status, 0);
    EXPECT_EQ(m_trace, Join({"openLog", "loadSettings", "bindSkin", "startImaging", "mainScreen",
                             "mainScreenClosed"},
                            kShutDown));
    ASSERT_EQ(stackWhileMain.size(), 2u);
    EXPECT_EQ(stackWhileMain[0], m_splash);
    EXPECT_TRUE(initialisedBeforeMain);
    EXPECT_TRUE(m_device->Stack().empty());
    EXPECT_EQ(WaitDepth(), 0);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(m_logPath, QDir(Home()).filePath("Quillmark.log"));
    EXPECT_EQ(ProcessLog(), nullptr);
    // The shut-down saved the settings into the registry file.
    EXPECT_TRUE(ReadFile(PathIn("registry.reg")).contains("\"PageSize\"=dword:"));
}

TEST_F(StartupTest, CancelOnTheMainScreenStillSavesTheSettings) {
    CScanApp(Traced(SkinFolder(), [](CMainDlg& main) {
        main.SendCommand(IDCANCEL);
    })).InitInstance();
    EXPECT_EQ(m_trace, Join({"openLog", "loadSettings", "bindSkin", "startImaging", "mainScreen",
                             "mainScreenClosed"},
                            kShutDown));
}

TEST_F(StartupTest, AMissingSkinLibraryShowsError4097AndEndsAfterLoadingTheSettings) {
    QDir(Home()).mkpath("empty");
    const int status = CScanApp(Traced(PathIn("empty"), [](CMainDlg&) {})).InitInstance();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(m_boxes,
              (std::vector<QString>{"Quillmark Mobile: Critical application error #4097."}));
    EXPECT_EQ(m_trace, Join({"openLog", "loadSettings", "bindSkin", "startImaging"}, kShutDown));
    EXPECT_TRUE(m_settingsInRegistryAtBinding)
        << "settings were loaded, defaults written, before binding";
    EXPECT_EQ(WaitDepth(), 0);
    EXPECT_TRUE(m_device->Stack().empty());
}

TEST_F(StartupTest, FrameCommandOneChangesNothingAndTwoRunsTheAboutBox) {
    std::vector<CScreen*> before, afterOne;
    bool aboutShown = false;
    std::vector<CScreen*> afterAbout;
    CScanApp(Traced(SkinFolder(), [&](CMainDlg& main) {
        before = m_device->Stack();
        m_splash->PostMessage(ids::WM_FRAME_COMMAND, ids::kFrameCommandNothing);
        QTest::qWait(100);
        afterOne = m_device->Stack();
        main.SendCommand(ids::ID_HELP_ABOUT); // posts WM_FRAME_COMMAND 2 to the splash
        // The About box runs its own loop inside this wait: a timer answers it from there.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* about = dynamic_cast<CAboutDlg*>(m_device->TopScreen())) {
                aboutShown = true;
                about->SendCommand(ids::ID_ABOUT_CLOSE);
            }
        });
        poll.start(20);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return aboutShown && m_device->TopScreen() == &main; }, 3000));
        poll.stop();
        afterAbout = m_device->Stack();
        main.SendCommand(ids::ID_FILE_EXIT);
    })).InitInstance();
    EXPECT_EQ(afterOne, before);
    EXPECT_TRUE(aboutShown);
    EXPECT_EQ(afterAbout, before);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(StartupTest, FrameCommandFourOpensTheHelpPageAndSaysSoWhenNoViewerTakesIt) {
    QDir(Home()).mkpath("system");
    qputenv("QUILLMARK_DATA_DIR", QFile::encodeName(PathIn("system")));
    WriteFile(PathIn("system/quillmark.htm"), "<html></html>");
    // No browser: xdg-open ends with 3.
    WriteFile(PathIn("opener.sh"), QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexit 3\n")
                                       .arg(PathIn("opened.txt"))
                                       .toUtf8());
    QFile::setPermissions(PathIn("opener.sh"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QUILLMARK_OPENER", QFile::encodeName(PathIn("opener.sh")));
    QString caption, heading, body;
    CScanApp(Traced(SkinFolder(), [&](CMainDlg& main) {
        main.SendCommand(ids::ID_HELP_HELP); // posts WM_FRAME_COMMAND 4 to the splash
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = dynamic_cast<CQuestionBox*>(m_device->TopScreen());
                box && box->HasPainted()) {
                caption = box->Caption();
                heading = box->Heading();
                body = box->GetDlgItemText(ids::IDC_QB_BODY);
                box->SendCommand(ids::IDOK_COMMAND);
            }
        });
        poll.start(20);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !heading.isEmpty() && m_device->TopScreen() == &main; }, 60000));
        poll.stop();
        main.SendCommand(ids::ID_FILE_EXIT);
    })).InitInstance();
    qunsetenv("QUILLMARK_OPENER");
    qunsetenv("QUILLMARK_DATA_DIR");
    EXPECT_EQ(ReadFile(PathIn("opened.txt")), PathIn("system/quillmark.htm").toUtf8() + "\n");
    EXPECT_EQ(caption, "Error");
    EXPECT_EQ(heading, "Could not open file");
    EXPECT_EQ(body, "Could not open the help page 'quillmark.htm'. Please check if you have a web "
                    "browser installed on your device.");
    EXPECT_TRUE(m_boxes.empty());
}

} // namespace
