#include "screens/MainDlg.h"

#include "platform/Registry.h"
#include "platform/screen/DeviceWindow.h"
#include "platform/screen/SoftKeyBar.h"
#include "resources/ResourceIds.h"
#include "tests/support/TempHome.h"
#include "ui/binding/SkinBinding.h"

#include <QCoreApplication>

#include <QTest>
#include <QTimer>

namespace {

using namespace ids;

class COwner : public CScreen {
public:
    std::vector<std::pair<unsigned, qintptr>> messages;

protected:
    void OnMessage(unsigned message, qintptr w, qintptr) override { messages.push_back({message, w}); }
};

class MainDlgTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_device = std::make_unique<CDeviceWindow>(QSize(480, 640));
        m_device->show();
        BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), nullptr);
    }
    void TearDown() override {
        UnbindSkinLibrary();
        m_device.reset();
        CTempHomeTest::TearDown();
    }
    int Run(CMainDlg& main, std::function<void()> act) {
        QTimer::singleShot(0, &main, act);
        QTimer::singleShot(2000, &main, [&] { main.EndDialog(-1); });
        return main.DoModal();
    }
    std::unique_ptr<CDeviceWindow> m_device;
};

TEST_F(MainDlgTest, MenuBar130CarriesTheWholeCommandTable) {
    CMainDlg main;
    main.ShowModeless();
    ASSERT_NE(main.MenuBar(), nullptr);
    const CMenuTemplate& bar = *main.MenuBar();
    EXPECT_EQ(bar.id, IDR_MENU_MAIN);
    EXPECT_EQ(m_device->SoftKeys()->KeyText(true), "Tools");
    EXPECT_EQ(m_device->SoftKeys()->KeyText(false), "Scan");
    EXPECT_EQ(MenuPath(bar, ID_FILE_EXIT), (std::vector<QString>{"Tools", "File", "Exit"}));
    EXPECT_EQ(MenuPath(bar, ID_HELP_ABOUT), (std::vector<QString>{"Tools", "Help", "About"}));
    EXPECT_EQ(MenuPath(bar, ID_ADD_FROM_FOLDER), (std::vector<QString>{"Tools", "Add", "Add from folder..."}));
    EXPECT_EQ(MenuPath(bar, ID_SETTINGS_PDF), (std::vector<QString>{"Tools", "Settings", "PDF output"}));
    for (int command : {ID_SCAN, ID_ADD_FROM_FILE, ID_ADD_BLANK_PAGE, ID_IMAGE_EDIT, ID_IMAGE_DELETE,
                        ID_IMAGE_SWAP, ID_IMAGE_MOVE_BEFORE, ID_IMAGE_MOVE_AFTER, ID_IMAGE_MOVE_UP,
                        ID_IMAGE_MOVE_DOWN, ID_SETTINGS_CAMERA, ID_SETTINGS_IMPORT, ID_SETTINGS_EMBEDDING,
                        ID_SETTINGS_MISC, ID_HELP_HELP, ID_FILE_CREATE_PDF, ID_FILE_NEW_SESSION,
                        ID_FILE_LIBRARY})
        EXPECT_FALSE(MenuPath(bar, command).empty()) << command;
    main.DestroyScreen();
}

TEST_F(MainDlgTest, ExitAndOkEndWithIdOkCancelWithIdCancel) {
    {
        CMainDlg main;
        EXPECT_EQ(Run(main, [&] { main.SendCommand(ID_FILE_EXIT); }), IDOK);
    }
    {
        CMainDlg main;
        EXPECT_EQ(Run(main, [&] { main.SendCommand(IDOK); }), IDOK);
    }
    CMainDlg main;
    EXPECT_EQ(Run(main, [&] { main.SendCommand(IDCANCEL); }), IDCANCEL);
}

TEST_F(MainDlgTest, AboutAndHelpAskTheOwnerAndOtherCommandsDoNothingYet) {
    COwner owner;
    CMainDlg main(&owner);
    bool stillRunning = false;
    Run(main, [&] {
        main.SendCommand(ID_HELP_ABOUT);
        main.SendCommand(ID_HELP_HELP);
        for (int command : {ID_ADD_FROM_FILE, ID_FILE_LIBRARY, ID_SETTINGS_MISC, ID_IMAGE_DELETE})
            EXPECT_TRUE(main.SendCommand(command));
        QCoreApplication::processEvents();
        stillRunning = main.IsRunning() && m_device->TopScreen() == &main;
        main.SendCommand(ID_FILE_EXIT);
    });
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(owner.messages, (std::vector<std::pair<unsigned, qintptr>>{
                                  {WM_FRAME_COMMAND, kFrameCommandAbout}, {WM_FRAME_COMMAND, kFrameCommandHelp}}));
}

TEST_F(MainDlgTest, ScanNeedsACameraAndPageCommandsNeedPages) {
    {
        CMainDlg main;
        EXPECT_FALSE(main.HasCamera());
        Run(main, [&] {
            EXPECT_TRUE(QTest::qWaitFor([&] { return main.HasPainted(); }, 1000));
            QCoreApplication::processEvents();
            main.SendCommand(ID_FILE_EXIT);
        });
        EXPECT_FALSE(main.IsCommandEnabled(ID_SCAN));
        EXPECT_FALSE(main.IsCommandEnabled(IDC_BUTTON_SCAN));
        EXPECT_FALSE(main.IsCommandEnabled(IDC_BUTTON_MAKE_PDF));
        EXPECT_FALSE(main.IsCommandEnabled(IDC_BUTTON_DELETE));
        EXPECT_TRUE(main.IsCommandEnabled(ID_IMAGE_DELETE));  // menu entries stay selectable
    }
    using namespace platform;
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "System\\State\\Hardware", &key), ERROR_SUCCESS);
    const std::uint32_t one = 1;
    RegSetValueEx(key, "Camera", REG_DWORD, &one, sizeof one);
    RegCloseKey(key);
    CMainDlg main;
    EXPECT_TRUE(main.HasCamera());
    main.RefreshControls();
    EXPECT_TRUE(main.IsCommandEnabled(ID_SCAN));
}

TEST_F(MainDlgTest, LayoutPlacesTheBigButtonsAndThePanel) {
    CMainDlg main;
    QRect scan, panel, preview;
    int height = 0;
    Run(main, [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return main.HasPainted(); }, 1000));
        QCoreApplication::processEvents();
        scan = main.Control(IDC_BUTTON_SCAN)->geometry();
        panel = main.PanelRect();
        preview = main.PreviewRect();
        height = main.height();
        main.SendCommand(ID_FILE_EXIT);
    });
    EXPECT_EQ(scan.size(), QSize(128, 128));
    EXPECT_EQ(scan.left(), (480 - 3 * 128 - 2 * 32) / 2);
    EXPECT_EQ(scan.top(), height - 140);
    EXPECT_EQ(panel.left(), (480 - 2 * 8 - 180) + 8);
    EXPECT_EQ(panel.right(), 480 - 8 - 1);
    EXPECT_EQ(preview.topLeft(), QPoint(8, 8));
    EXPECT_EQ(preview.width(), (480 - 2 * 8 - 180) - 8);
}

}  // namespace
