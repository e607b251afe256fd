#include "screens/MainDlg.h"

#include "app/AppSettings.h"
#include "camera/CameraState.h"
#include "resources/ResourceIds.h"
#include "screens/OpenedPictures.h"
#include "screens/PageChooserDlg.h"
#include "screens/StaticThumb.h"
#include "session/SessionFile.h"
#include "tests/screens/ScreenTestSupport.h"
#include "tests/support/TouchGestures.h"
#include "ui/device/MessageBox.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/RememberedAnswers.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QRadioButton>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

namespace {

using namespace ids;

class COwner : public CScreen {
public:
    std::vector<std::pair<unsigned, qintptr>> messages;

protected:
    void OnMessage(unsigned message, qintptr w, qintptr) override {
        messages.push_back({message, w});
    }
};

void SetCamera(bool present) {
    ASSERT_TRUE(WriteCameraHardwareValue(present));
}

class MainDlgTest : public CScreenTest {
protected:
    void SetUp() override {
        CScreenTest::SetUp();
        m_settings = AppSettings();
        AppSettings().deleteFile = 1;
        AppSettings().autoPortrait = 0;
        // The camera notice has its own test; elsewhere it stays silent.
        StoreRememberedAnswer(1, 1);
    }
    void TearDown() override {
        SetMessageBoxHandler({});
        AppSettings() = m_settings;
        CScreenTest::TearDown();
    }
    CAppSettings m_settings;
    // Shows the screen without a modal loop and waits for its first paint to have run.
    void Open(CMainDlg& main) {
        main.ShowModeless();
        ASSERT_TRUE(WaitFor([&] { return main.HasPainted() && main.LayoutCount() > 0; }));
    }
    // Runs the screen modally; `act` runs once it has painted. Returns the result code.
    int Run(CMainDlg& main, const std::function<void()>& act) {
        QTimer::singleShot(0, &main, [&main, act] {
            EXPECT_TRUE(WaitFor([&] { return main.HasPainted() && main.LayoutCount() > 0; }));
            act();
        });
        return main.DoModal();
    }
    // A page from a picture file of that size, named A.jpg, B.jpg ...
    void AddPicture(CMainDlg& main, const QString& name, int width = 60, int height = 80) {
        std::unique_ptr<CPage> page =
            main.Session().MakePageFromFile(Picture(name + ".jpg", width, height));
        ASSERT_NE(page, nullptr);
        main.Session().AddPage(std::move(page));
    }
    void AddPictures(CMainDlg& main, const QString& names) {
        for (QChar name : names)
            AddPicture(main, name);
    }
    static QString Order(CMainDlg& main) {
        QString order;
        for (int i = 0; i < main.PageCount(); ++i) {
            const CPage* page = main.Session().Pages().At(i);
            order += page->IsBlank() ? QStringLiteral("_") : QFileInfo(page->path).baseName();
            // The strip shows the same pages in the same order.
            EXPECT_EQ(main.Strip()->At(i), page) << i;
        }
        EXPECT_EQ(main.Strip()->Count(), main.PageCount());
        return order;
    }
    static QString Current(CMainDlg& main) {
        const CPage* page = main.Session().CurrentPage();
        EXPECT_EQ(main.Preview()->Page(), page); // the preview follows the selection
        return !page             ? QStringLiteral("-")
               : page->IsBlank() ? QStringLiteral("_")
                                 : QFileInfo(page->path).baseName();
    }
    // Sends a command whose screen opens modally; `answer` handles that screen.
    void CommandWithScreen(CMainDlg& main, int command,
                           const std::function<void(CScreen*)>& answer) {
        WhenScreenOpens(&main, answer);
        main.SendCommand(command);
    }
    // Chooses the entry with that text in the page chooser and confirms it.
    static void Choose(CScreen* screen, const QString& entry, QStringList* offered = nullptr) {
        auto* chooser = dynamic_cast<CPageChooserDlg*>(screen);
        ASSERT_NE(chooser, nullptr);
        EXPECT_TRUE(chooser->List()->isVisible());
        QStringList entries;
        for (int i = 0; i < chooser->List()->count(); ++i)
            entries << chooser->List()->itemText(i);
        if (offered)
            *offered = entries;
        EXPECT_FALSE(chooser->IsCommandEnabled(IDC_OK)); // nothing selected yet
        chooser->List()->setCurrentIndex(int(entries.indexOf(entry)));
        EXPECT_TRUE(chooser->IsCommandEnabled(IDC_OK));
        chooser->SendCommand(ID_OK);
    }
};

TEST_F(MainDlgTest, MenuBar130CarriesTheWholeCommandTable) {
    CMainDlg main;
    Open(main);
    ASSERT_NE(main.MenuBar(), nullptr);
    const CMenuTemplate& bar = *main.MenuBar();
    EXPECT_EQ(bar.id, IDR_MENU_MAIN);
    EXPECT_EQ(m_device->SoftKeys()->KeyText(true), "Tools");
    EXPECT_EQ(m_device->SoftKeys()->KeyText(false), "Scan");
    EXPECT_EQ(MenuPath(bar, ID_FILE_EXIT), (std::vector<QString>{"Tools", "File", "Exit"}));
    EXPECT_EQ(MenuPath(bar, ID_IMAGE_MOVE_AFTER),
              (std::vector<QString>{"Tools", "Image", "Move after page..."}));
    for (int command : {ID_SCAN,
                        ID_ADD_FROM_FILE,
                        ID_ADD_FROM_FOLDER,
                        ID_ADD_BLANK_PAGE,
                        ID_IMAGE_EDIT,
                        ID_IMAGE_DELETE,
                        ID_IMAGE_SWAP,
                        ID_IMAGE_MOVE_BEFORE,
                        ID_IMAGE_MOVE_UP,
                        ID_IMAGE_MOVE_DOWN,
                        ID_SETTINGS_CAMERA,
                        ID_SETTINGS_IMPORT,
                        ID_SETTINGS_EMBEDDING,
                        ID_SETTINGS_MISC,
                        ID_SETTINGS_PDF,
                        ID_HELP_HELP,
                        ID_HELP_ABOUT,
                        ID_FILE_CREATE_PDF,
                        ID_FILE_NEW_SESSION,
                        ID_FILE_LIBRARY})
        EXPECT_FALSE(MenuPath(bar, command).empty()) << command;
    main.DestroyScreen();
}

TEST_F(MainDlgTest, ALongPressOrRightClickOnAPageOffersThePageCommands) {
    CMainDlg main;
    AddPictures(main, "ABC");
    Open(main);
    ASSERT_EQ(Current(main), "C");
    std::vector<QStringList> menus;
    // Each menu that comes up is read and then chosen from: Move down, on the page pressed.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        QStringList entries;
        bool offered = false;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            entries << action->text();
            offered |= action->text() == MenuPath(*main.MenuBar(), ID_IMAGE_MOVE_DOWN).back();
        }
        menus.push_back(entries);
        menu->close();
        if (offered)
            main.ChooseMenuItem(ID_IMAGE_MOVE_DOWN);
    });
    watch.start(20);

    main.Strip()->grab();
    const QPoint first = main.Strip()->ItemRects()[0].center();
    Hold(main.Strip(), first, QGuiApplication::styleHints()->mousePressAndHoldInterval() + 300);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].size(), 7);
    EXPECT_EQ(menus[0].front(), MenuPath(*main.MenuBar(), ID_IMAGE_EDIT).back());
    // The press chose the page first: the menu's commands work on it.
    ASSERT_TRUE(WaitFor([&] { return Order(main) == "BAC"; }));
    EXPECT_EQ(Current(main), "A");

    // A right click opens the same menu.
    main.Strip()->grab();
    const QPoint second = main.Strip()->ItemRects()[1].center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, second, main.Strip()->mapToGlobal(second));
    QApplication::sendEvent(main.Strip(), &click);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[1], menus[0]);
    ASSERT_TRUE(WaitFor([&] { return Order(main) == "BCA"; }));
    main.DestroyScreen();
}

TEST_F(MainDlgTest, LayoutPlacesButtonsStripPreviewAndPanel) {
    CMainDlg main;
    Open(main);
    const int w = main.width(), h = main.height();
    const QRect scan = main.Control(IDC_BUTTON_SCAN)->geometry();
    EXPECT_EQ(scan, QRect((480 - 3 * 128 - 2 * 32) / 2, h - 140, 128, 128));
    EXPECT_EQ(main.Control(IDC_BUTTON_DELETE)->geometry().left(), scan.left() + 2 * (128 + 32));
    // Strip: FixedHeight (50s + 2 x 6s) above the buttons.
    EXPECT_EQ(main.StripRect(), QRect(8, h - 140 - 16 - 124, w - 16, 124));
    EXPECT_EQ(main.Strip()->geometry(), main.StripRect());
    EXPECT_TRUE(main.Strip()->isVisible());
    EXPECT_TRUE(main.Preview()->isVisible());
    const int previewRight = w - 16 - 180;
    EXPECT_EQ(main.PreviewRect(), QRect(8, 8, previewRight - 8, main.StripRect().top() - 16));
    EXPECT_EQ(main.PanelRect().left(), previewRight + 8);
    EXPECT_EQ(main.PanelRect().right(), w - 8 - 1);
    EXPECT_EQ(main.Session().ThumbBox(), main.PreviewRect().size());

    // The first page fits the strip to its frames: landscape frames 100 x 80 at VGA.
    const QRect before = main.StripRect();
    AddPicture(main, "L", 80, 60);
    EXPECT_EQ(main.StripRect().height(), 80 + 24 + 4);
    EXPECT_EQ(main.StripRect().bottom(), before.bottom());
    main.DestroyScreen();
}

TEST_F(MainDlgTest, TurningTheDeviceLaysOutOncePerChange) {
    CMainDlg main;
    Open(main);
    const int laidOut = main.LayoutCount();
    m_device->Turn();
    QCoreApplication::processEvents();
    EXPECT_EQ(main.LayoutCount(), laidOut + 1);
    EXPECT_GT(main.width(), main.height());
    EXPECT_EQ(main.Control(IDC_BUTTON_SCAN)->geometry().top(), main.height() - 140);
    m_device->Turn();
    QCoreApplication::processEvents();
    EXPECT_EQ(main.LayoutCount(), laidOut + 2);
    main.DestroyScreen();
}

TEST_F(MainDlgTest, ResizingAFreeWindowLaysTheScreenOutForEachNewSize) {
    m_device->FollowWindowSize(QSize(480, 640));
    CMainDlg main;
    Open(main);
    const int laidOut = main.LayoutCount();
    const int bars = 2 * m_device->BarHeight();
    for (const QSize& size : {QSize(600, 900), QSize(900, 560), QSize(480, 640)}) {
        m_device->resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(main.size(), QSize(size.width(), size.height() - bars));
        // The big buttons stay a centred row at the bottom; the strip spans the width.
        const int w = main.width(), h = main.height();
        EXPECT_EQ(main.Control(IDC_BUTTON_SCAN)->geometry(),
                  QRect((w - 3 * 128 - 2 * 32) / 2, h - 140, 128, 128))
            << size.width() << "x" << size.height();
        EXPECT_EQ(main.StripRect(), QRect(8, h - 140 - 16 - 124, w - 16, 124));
        EXPECT_EQ(main.PanelRect().right(), w - 8 - 1);
    }
    EXPECT_EQ(main.LayoutCount(), laidOut + 3);
    main.DestroyScreen();
}

TEST_F(MainDlgTest, ButtonsFollowCameraAndPagesWhileMenuEntriesStaySelectable) {
    {
        CMainDlg main;
        Open(main);
        EXPECT_FALSE(main.HasCamera());
        EXPECT_FALSE(main.IsCommandEnabled(ID_SCAN));
        EXPECT_FALSE(main.IsCommandEnabled(IDC_BUTTON_SCAN));
        EXPECT_FALSE(main.IsCommandEnabled(IDC_BUTTON_MAKE_PDF));
        EXPECT_FALSE(main.IsCommandEnabled(IDC_BUTTON_DELETE));
        EXPECT_TRUE(main.IsCommandEnabled(ID_IMAGE_DELETE));
        EXPECT_TRUE(main.IsCommandEnabled(ID_FILE_CREATE_PDF));
        // With an empty session the page commands do nothing harmful.
        for (int command : {ID_IMAGE_MOVE_UP, ID_IMAGE_MOVE_DOWN, ID_ADD_BLANK_PAGE, ID_IMAGE_SWAP,
                            ID_IMAGE_MOVE_AFTER, ID_IMAGE_MOVE_BEFORE, ID_IMAGE_EDIT, IDC_PREVIEW,
                            ID_FILE_NEW_SESSION})
            EXPECT_TRUE(main.SendCommand(command)) << command;
        EXPECT_EQ(m_device->TopScreen(), &main); // no chooser, no question
        EXPECT_EQ(main.PageCount(), 0);
        AddPictures(main, "A");
        main.RefreshControls();
        EXPECT_TRUE(main.IsCommandEnabled(IDC_BUTTON_MAKE_PDF));
        EXPECT_TRUE(main.IsCommandEnabled(IDC_BUTTON_DELETE));
        EXPECT_TRUE(main.Control(IDC_BUTTON_DELETE)->isEnabled());
        main.DestroyScreen();
    }
    SetCamera(true);
    CMainDlg main;
    EXPECT_TRUE(main.HasCamera());
    main.RefreshControls();
    EXPECT_TRUE(main.IsCommandEnabled(ID_SCAN));
    EXPECT_TRUE(main.IsCommandEnabled(IDC_BUTTON_SCAN));
}

TEST_F(MainDlgTest, AFolderSearchDisablesButtonsAndSoftKeysUntilItEnds) {
    SetCamera(true);
    CMainDlg main;
    Open(main);
    AddPictures(main, "A");
    main.SetBusy(true);
    for (int command : {IDC_BUTTON_SCAN, IDC_BUTTON_MAKE_PDF, IDC_BUTTON_DELETE, ID_SCAN})
        EXPECT_FALSE(main.IsCommandEnabled(command)) << command;
    EXPECT_FALSE(main.IsSoftKeyEnabled(true));
    EXPECT_FALSE(main.IsSoftKeyEnabled(false));
    EXPECT_FALSE(m_device->SoftKeys()->IsKeyEnabled(true));
    main.SetBusy(false);
    for (int command : {IDC_BUTTON_SCAN, IDC_BUTTON_MAKE_PDF, IDC_BUTTON_DELETE, ID_SCAN})
        EXPECT_TRUE(main.IsCommandEnabled(command)) << command;
    EXPECT_TRUE(main.IsSoftKeyEnabled(true));
    EXPECT_TRUE(m_device->SoftKeys()->IsKeyEnabled(true));
    main.DestroyScreen();
}

TEST_F(MainDlgTest, CameraNoticeShowsUntilItsBoxIsTicked) {
    StoreRememberedAnswer(1, -1);
    int shown = 0;
    bool kindAndTexts = false;
    auto closeNotice = [&](bool tick) {
        return [&, tick](CScreen* screen) {
            auto* box = dynamic_cast<CQuestionBox*>(screen);
            ASSERT_NE(box, nullptr);
            ++shown;
            kindAndTexts = box->Kind() == CQuestionBox::kDontShowAgain &&
                           box->Caption() == "Message" && box->Heading() == "No camera detected";
            if (tick)
                box->SendCommand(ID_QB_DONT_SHOW);
            box->SendCommand(IDOK_COMMAND);
        };
    };
    for (bool tick : {false, true, false}) {
        CMainDlg main;
        WhenScreenOpens(&main, closeNotice(tick));
        Run(main, [&] {
            // The notice ran inside the first paint; by now it is closed again.
            EXPECT_TRUE(WaitFor([&] { return m_device->TopScreen() == &main; }));
            main.SendCommand(IDCANCEL);
        });
    }
    EXPECT_EQ(shown, 2); // the third start after the tick shows nothing
    EXPECT_TRUE(kindAndTexts);
    EXPECT_EQ(ReadRememberedAnswer(1), 1);
}

TEST_F(MainDlgTest, AScannerChosenInTheSettingsEnablesScanWithoutACamera) {
    StoreRememberedAnswer(1, -1);
    const QString oldSource = AppSettings().pageSource;
    AppSettings().pageSource = "test:0";
    {
        CMainDlg main;
        Run(main, [&] {
            EXPECT_FALSE(main.HasCamera());
            EXPECT_TRUE(main.CanScan());
            EXPECT_TRUE(main.IsCommandEnabled(ID_SCAN));
            EXPECT_TRUE(main.IsCommandEnabled(IDC_BUTTON_SCAN));
            // No "No camera detected" notice: the pages come from the scanner.
            QTest::qWait(200);
            EXPECT_EQ(m_device->TopScreen(), &main);
            main.SendCommand(IDCANCEL);
        });
    }
    // Back to the camera, which is missing: Scan is off again.
    AppSettings().pageSource.clear();
    CMainDlg main;
    main.RefreshControls();
    EXPECT_FALSE(main.CanScan());
    EXPECT_FALSE(main.IsCommandEnabled(ID_SCAN));
    AppSettings().pageSource = oldSource;
}

// What a screen reader does with a check box or radio button: its Toggle action.
void ToggleByAccessibility(QWidget* control) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(access, nullptr);
    QAccessibleActionInterface* action = access->actionInterface();
    ASSERT_NE(action, nullptr);
    action->doAction(QAccessibleActionInterface::toggleAction());
}

TEST_F(MainDlgTest, TheCameraNoticeTickedByAScreenReaderStaysAway) {
    StoreRememberedAnswer(1, -1);
    bool ticked = false;
    CMainDlg main;
    WhenScreenOpens(&main, [&](CScreen* screen) {
        auto* box = dynamic_cast<CQuestionBox*>(screen);
        ASSERT_NE(box, nullptr);
        ToggleByAccessibility(box->Control(IDC_QB_CHECK));
        ticked = box->ControlAs<QCheckBox>(IDC_QB_CHECK)->isChecked();
        box->SendCommand(IDOK_COMMAND);
    });
    Run(main, [&] {
        EXPECT_TRUE(WaitFor([&] { return m_device->TopScreen() == &main; }));
        main.SendCommand(IDCANCEL);
    });
    EXPECT_TRUE(ticked);
    EXPECT_EQ(ReadRememberedAnswer(1), 1);
}

TEST_F(MainDlgTest, ExitWritesTheSessionFileByteForByteCancelWritesNothing) {
    const QString file = SessionFilePath();
    {
        CMainDlg main;
        EXPECT_EQ(Run(main,
                      [&] {
                          AddPictures(main, "A");
                          main.SendCommand(IDCANCEL);
                      }),
                  IDCANCEL);
        EXPECT_FALSE(QFile::exists(file));
    }
    CMainDlg main;
    const int result = Run(main, [&] {
        AddPictures(main, "AB");
        main.SendCommand(ID_ADD_BLANK_PAGE);
        main.Strip()->Select(1);
        main.SendCommand(ID_FILE_EXIT);
    });
    EXPECT_EQ(result, IDOK);
    QByteArray expected = QByteArray::fromHex("4245b5a3"
                                              "01000000"
                                              "03000000");
    for (const QString& path : {PathIn("A.jpg"), PathIn("B.jpg")}) {
        expected += QByteArray::fromHex("fffeff") + char(path.size());
        expected += QByteArray(reinterpret_cast<const char*>(path.utf16()), path.size() * 2);
    }
    expected += QByteArray::fromHex("fffeff00");
    EXPECT_EQ(ReadFile(file).toHex(), expected.toHex());
    // The pages went with the screen; their picture files stay.
    EXPECT_TRUE(QFile::exists(PathIn("A.jpg")));
}

TEST_F(MainDlgTest, ASessionFileThatCannotBeWrittenKeepsTheScreenOpen) {
    std::vector<QString> messages;
    SetMessageBoxHandler([&](const QString& text, const QString&) { messages.push_back(text); });
    const QString file = SessionFilePath();
    // The program folder refuses the file: read-only once the page's picture is in it, and
    // (for a test run as root, whom modes do not stop) a folder already holds the file's name.
    QDir().mkdir(file);
    CMainDlg main;
    bool stayed = false;
    int pagesAfterFailure = 0;
    const int result = Run(main, [&] {
        AddPictures(main, "A");
        QFile::setPermissions(Home(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        main.SendCommand(ID_FILE_EXIT);
        QCoreApplication::processEvents();
        stayed = main.IsRunning() && m_device->TopScreen() == &main;
        pagesAfterFailure = main.PageCount();
        QFile::setPermissions(Home(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QDir().rmdir(file);
        main.SendCommand(ID_FILE_EXIT); // a second Exit writes the whole file
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(pagesAfterFailure, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(file)) << messages[0].toStdString();
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ReadFile(file).left(12).toHex(), QByteArray("4245b5a30000000001000000"));
}

TEST_F(MainDlgTest, AboutAndHelpAskTheOwner) {
    COwner owner;
    CMainDlg main(&owner);
    Run(main, [&] {
        main.SendCommand(ID_HELP_ABOUT);
        main.SendCommand(ID_HELP_HELP);
        QCoreApplication::processEvents();
        main.SendCommand(IDCANCEL);
    });
    EXPECT_EQ(owner.messages,
              (std::vector<std::pair<unsigned, qintptr>>{{WM_FRAME_COMMAND, kFrameCommandAbout},
                                                         {WM_FRAME_COMMAND, kFrameCommandHelp}}));
}

TEST_F(MainDlgTest, MoveAfterAndBeforeThroughThePageChooser) {
    CMainDlg main;
    Open(main);
    AddPictures(main, "AB");
    // Page 2 current: nothing to move after, so no chooser opens.
    main.SendCommand(ID_IMAGE_MOVE_AFTER);
    EXPECT_EQ(m_device->TopScreen(), &main);
    QStringList offered;
    CommandWithScreen(main, ID_IMAGE_MOVE_BEFORE,
                      [&](CScreen* s) { Choose(s, "Page 1", &offered); });
    EXPECT_EQ(offered, QStringList{"Page 1"});
    EXPECT_EQ(Order(main), "BA");
    EXPECT_EQ(Current(main), "B");

    main.Session().ClearSession();
    AddPictures(main, "ABC");
    main.Strip()->Select(0);
    CommandWithScreen(main, ID_IMAGE_MOVE_AFTER,
                      [&](CScreen* s) { Choose(s, "Page 3", &offered); });
    EXPECT_EQ(offered, (QStringList{"Page 2", "Page 3"}));
    EXPECT_EQ(Order(main), "BCA");
    EXPECT_EQ(Current(main), "A");

    // C current: before page 2 gives A C B.
    main.Session().ClearSession();
    AddPictures(main, "ABC");
    CommandWithScreen(main, ID_IMAGE_MOVE_BEFORE,
                      [&](CScreen* s) { Choose(s, "Page 2", &offered); });
    EXPECT_EQ(offered, (QStringList{"Page 1", "Page 2"}));
    EXPECT_EQ(Order(main), "ACB");
    EXPECT_EQ(Current(main), "C");

    // Cancel changes nothing.
    CommandWithScreen(main, ID_IMAGE_SWAP, [](CScreen* s) { s->SendCommand(ID_PLATFORM_CANCEL); });
    EXPECT_EQ(Order(main), "ACB");
    CommandWithScreen(main, ID_IMAGE_SWAP, [&](CScreen* s) { Choose(s, "Page 3", &offered); });
    EXPECT_EQ(offered, (QStringList{"Page 1", "Page 3"}));
    EXPECT_EQ(Order(main), "ABC");
    EXPECT_EQ(Current(main), "C");
    EXPECT_EQ(main.Preview()->Number(), 3);
    main.DestroyScreen();
}

TEST_F(MainDlgTest, ThePageChooserWorksFromTheKeyboard) {
    CMainDlg main;
    Open(main);
    AddPictures(main, "ABC");
    bool okBeforeChoice = true;
    CommandWithScreen(main, ID_IMAGE_SWAP, [&](CScreen* s) {
        auto* chooser = dynamic_cast<CPageChooserDlg*>(s);
        ASSERT_NE(chooser, nullptr);
        QTest::keyClick(chooser->List(), Qt::Key_Return); // nothing chosen: Ok does nothing
        okBeforeChoice = !chooser->IsRunning();
        QTest::keyClick(chooser->List(), Qt::Key_Down); // "Page 1"
        QTest::keyClick(chooser->List(), Qt::Key_Return);
    });
    EXPECT_FALSE(okBeforeChoice);
    EXPECT_EQ(Order(main), "CBA");
    EXPECT_EQ(Current(main), "C");
    main.DestroyScreen();
}

TEST_F(MainDlgTest, UpDownBlankPageAndArrowKeys) {
    CMainDlg main;
    Open(main);
    AddPictures(main, "ABC");
    main.SendCommand(ID_IMAGE_MOVE_UP);
    EXPECT_EQ(Order(main), "ACB");
    EXPECT_EQ(Current(main), "C");
    main.SendCommand(ID_IMAGE_MOVE_UP);
    EXPECT_EQ(Order(main), "CAB");
    EXPECT_EQ(Current(main), "C");
    main.SendCommand(ID_IMAGE_MOVE_DOWN);
    EXPECT_EQ(Order(main), "ACB");
    // Arrow keys reach the strip whichever control has the focus.
    QTest::keyClick(main.Control(IDC_BUTTON_DELETE), Qt::Key_Left);
    EXPECT_EQ(Current(main), "A");
    QTest::keyClick(&main, Qt::Key_Right);
    QTest::keyClick(&main, Qt::Key_Right);
    EXPECT_EQ(Current(main), "B");
    EXPECT_EQ(main.Preview()->Number(), 3);
    main.Strip()->Select(0);
    main.SendCommand(ID_ADD_BLANK_PAGE);
    EXPECT_EQ(Order(main), "ACB_");
    EXPECT_EQ(Current(main), "_");
    main.DestroyScreen();
}

TEST_F(MainDlgTest, DeleteKeepsTheFileUnlessTheFirstChoiceIsTaken) {
    CMainDlg main;
    Open(main);
    AddPictures(main, "ABC");
    main.RefreshControls();
    int choiceAtStart = -1;
    CommandWithScreen(main, IDC_BUTTON_DELETE, [&](CScreen* s) {
        auto* box = dynamic_cast<CQuestionBox*>(s);
        ASSERT_NE(box, nullptr);
        choiceAtStart = box->GetChoice();
        box->SendCommand(IDC_QB_BUTTON_OK);
    });
    EXPECT_EQ(choiceAtStart, 1);
    EXPECT_EQ(Order(main), "AB");
    EXPECT_TRUE(QFile::exists(PathIn("C.jpg")));
    CommandWithScreen(main, ID_IMAGE_DELETE, [](CScreen* s) {
        s->ControlAs<QRadioButton>(IDC_QB_RADIO_FIRST)->click();
        s->SendCommand(IDOK_COMMAND);
    });
    EXPECT_EQ(Order(main), "A");
    EXPECT_FALSE(QFile::exists(PathIn("B.jpg")));
    CommandWithScreen(main, ID_IMAGE_DELETE, [](CScreen* s) { s->SendCommand(IDCANCEL_COMMAND); });
    EXPECT_EQ(Order(main), "A");
    main.DestroyScreen();
}

TEST_F(MainDlgTest, DeleteFollowsTheChoiceAScreenReaderMade) {
    CMainDlg main;
    Open(main);
    AddPictures(main, "AB");
    main.RefreshControls();
    CommandWithScreen(main, ID_IMAGE_DELETE, [](CScreen* s) {
        ToggleByAccessibility(s->Control(IDC_QB_RADIO_FIRST)); // "delete the file as well"
        s->SendCommand(IDOK_COMMAND);
    });
    EXPECT_EQ(Order(main), "A");
    EXPECT_FALSE(QFile::exists(PathIn("B.jpg")));
    main.DestroyScreen();
}

TEST_F(MainDlgTest, ThePreviewSaysWhichPageOfHowManyHoweverThePageWasChosen) {
    CMainDlg main;
    Open(main);
    AddPicture(main, "A", 60, 80);
    AddPicture(main, "B", 120, 90);
    main.SendCommand(ID_ADD_BLANK_PAGE);
    EXPECT_EQ(main.Preview()->accessibleDescription(), "Page 3 of 3, Blank page");
    // A tap on a frame of the strip.
    main.Strip()->Select(0);
    main.Strip()->NotifyCurrent();
    EXPECT_EQ(main.Preview()->accessibleDescription(), "Page 1 of 3, 60 x 80");
    QTest::keyClick(&main, Qt::Key_Right);
    EXPECT_EQ(main.Preview()->accessibleDescription(), "Page 2 of 3, 120 x 90");
    main.DestroyScreen();
}

TEST_F(MainDlgTest, EditOpensTheEditorOnPicturePagesOnly) {
    CMainDlg main;
    Open(main);
    QTest::mouseClick(main.Preview(), Qt::LeftButton); // no page: nothing opens
    EXPECT_EQ(m_device->TopScreen(), &main);
    AddPictures(main, "A");
    main.SendCommand(ID_ADD_BLANK_PAGE);
    main.SendCommand(ID_IMAGE_EDIT); // a blank page has no picture to edit
    EXPECT_EQ(m_device->TopScreen(), &main);
    main.Strip()->Select(0);
    bool editorOpened = false;
    WhenScreenOpens(&main, [&](CScreen* editor) {
        editorOpened = true;
        editor->EndDialog(IDCANCEL);
    });
    QTest::mouseClick(main.Preview(), Qt::LeftButton);
    EXPECT_TRUE(editorOpened);
    EXPECT_EQ(m_device->TopScreen(), &main);
    EXPECT_EQ(Current(main), "A");
    main.DestroyScreen();
}

TEST_F(MainDlgTest, NewSessionAsksOnlyWhenThereArePages) {
    CMainDlg main;
    Open(main);
    AddPictures(main, "AB");
    CommandWithScreen(main, ID_FILE_NEW_SESSION,
                      [](CScreen* s) { s->SendCommand(IDCANCEL_COMMAND); });
    EXPECT_EQ(Order(main), "AB");
    CommandWithScreen(main, ID_FILE_NEW_SESSION, [](CScreen* s) { s->SendCommand(IDOK_COMMAND); });
    EXPECT_EQ(Order(main), "");
    EXPECT_EQ(Current(main), "-");
    EXPECT_EQ(main.Session().scanCounter, 1);
    EXPECT_FALSE(main.IsCommandEnabled(IDC_BUTTON_DELETE));
    main.SendCommand(ID_FILE_NEW_SESSION); // empty: no question
    EXPECT_EQ(m_device->TopScreen(), &main);
    main.DestroyScreen();
}

// Pictures named on the command line or handed over by a second start become pages in the
// order given once the main screen runs, and wait while another screen is on top of it.
TEST_F(MainDlgTest, HandedOverPicturesBecomePagesInOrderOnceTheScreenIsOnTop) {
    const QString c = Picture("C.jpg", 60, 80);
    const QString a = Picture("A.png", 80, 60);
    HandOverPictures({c, a}); // before the screen exists, as from the command line
    CMainDlg main;
    Open(main);
    ASSERT_TRUE(WaitFor([&] { return main.PageCount() == 2; }));
    EXPECT_EQ(Order(main), "CA");

    // A second start while a question is open: nothing is added under it.
    const QString b = Picture("B.jpg", 60, 80);
    CQuestionBox* open = nullptr;
    WhenScreenOpens(&main, [&](CScreen* top) {
        open = dynamic_cast<CQuestionBox*>(top);
        HandOverPictures({b, PathIn("missing.jpg")});
        QTest::qWait(600); // the screen retries every 250 ms; it must keep waiting
        EXPECT_EQ(main.PageCount(), 2);
        // Closing the question lets the pictures in; the missing one is named in a message.
        WhenScreenOpens(&main, [&](CScreen* error) {
            auto* box = dynamic_cast<CQuestionBox*>(error);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->Heading(), "Could not import image");
            error->SendCommand(IDOK_COMMAND);
        });
        top->SendCommand(IDOK_COMMAND);
    });
    main.SendCommand(ID_FILE_NEW_SESSION);
    ASSERT_NE(open, nullptr);
    ASSERT_TRUE(WaitFor([&] { return main.PageCount() >= 1 && Current(main) == "B"; }));
    EXPECT_TRUE(QFileInfo::exists(b));
    main.DestroyScreen();
}

} // namespace
