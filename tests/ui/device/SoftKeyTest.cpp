#include "ui/device/SoftKeyBar.h"

#include "ui/device/DeviceWindow.h"
#include "ui/device/Screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kFirst = 501, kSecond = 502, kRight = 503, kTools = 504;

class SoftKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_device.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_device));
        for (int command : {kFirst, kSecond, kRight})
            m_screen.OnCommandId(command, [this, command] { m_chosen.push_back(command); });
        m_screen.SetMenuBar(CMenuTemplate{
            150,
            CSoftKey{"Tools",
                     kTools,
                     {CMenuItem{"First", kFirst, {}}, CMenuItem{"Second", kSecond, {}}}},
            CSoftKey{"Scan", kRight, {}},
            {}});
        m_screen.ShowModeless();
    }
    void TearDown() override { m_screen.DestroyScreen(); }

    CSoftKeyBar* Bar() { return m_device.SoftKeys(); }
    // Runs `inMenu` once the left key's menu is open (the menu runs its own loop, so a timer
    // watches for it), then returns when the menu has closed again.
    void WithOpenMenu(const std::function<void(QMenu*)>& inMenu, bool byKey = true) {
        bool opened = false;
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QMenu* menu = Bar()->OpenMenu();
            if (!menu || !menu->isVisible())
                return;
            watch.stop();
            opened = true;
            inMenu(menu);
        });
        watch.start();
        if (byKey)
            QTest::keyClick(&m_screen, Qt::Key_F1);
        else
            Bar()->PressKey(true);
        EXPECT_TRUE(opened);
        EXPECT_EQ(Bar()->OpenMenu(), nullptr);
    }

    CDeviceWindow m_device{QSize(480, 640)};
    CScreen m_screen;
    std::vector<int> m_chosen;
};

TEST_F(SoftKeyTest, F2PressesTheRightKeyAndF1OpensTheMenuWhichTheArrowsAndEnterDrive) {
    QTest::keyClick(&m_screen, Qt::Key_F2);
    EXPECT_EQ(m_chosen, (std::vector<int>{kRight}));

    WithOpenMenu([](QMenu* menu) {
        // Opened from the keyboard, the first entry is selected at once.
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->activeAction() != nullptr; }));
        EXPECT_EQ(menu->activeAction()->text(), "First");
        QTest::keyClick(menu, Qt::Key_Down);
        EXPECT_EQ(menu->activeAction()->text(), "Second");
        QTest::keyClick(menu, Qt::Key_Return);
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_chosen.size() == 2; }));
    EXPECT_EQ(m_chosen, (std::vector<int>{kRight, kSecond}));
}

TEST_F(SoftKeyTest, EscapeClosesTheMenuWithoutChoosing) {
    WithOpenMenu([](QMenu* menu) { QTest::keyClick(menu, Qt::Key_Escape); });
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_chosen.empty());
}

TEST_F(SoftKeyTest, PressingTheKeyOfAnOpenMenuClosesIt) {
    WithOpenMenu([this](QMenu*) { Bar()->PressKey(true, true); }, false);
    EXPECT_TRUE(m_chosen.empty());
}

TEST_F(SoftKeyTest, ADisabledCommandLeavesItsMenuEntryChoosable) {
    m_screen.EnableCommand(kFirst, false);
    WithOpenMenu([](QMenu* menu) {
        ASSERT_EQ(menu->actions().size(), 2);
        EXPECT_TRUE(menu->actions()[0]->isEnabled());
        menu->actions()[0]->trigger();
        menu->close();
    });
    // The entry reaches its handler, which checks its own preconditions.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_chosen.empty(); }));
    EXPECT_EQ(m_chosen, (std::vector<int>{kFirst}));
}

TEST_F(SoftKeyTest, AnEntryTriggeredInASubMenuClosesEveryPopup) {
    m_screen.SetMenuBar(CMenuTemplate{
        152,
        CSoftKey{"Tools", kTools, {CMenuItem{"File", 0, {CMenuItem{"Exit", kSecond, {}}}}}},
        CSoftKey{},
        {}});
    WithOpenMenu([](QMenu* menu) {
        // As an assistive tool does it: open the sub-menu, then trigger its entry.
        QAction* file = menu->actions()[0];
        menu->setActiveAction(file);
        ASSERT_TRUE(QTest::qWaitFor([&] { return file->menu()->isVisible(); }));
        file->menu()->actions()[0]->trigger();
    });
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_chosen.empty(); }));
    EXPECT_EQ(m_chosen, (std::vector<int>{kSecond}));
}

TEST_F(SoftKeyTest, FromTheKeyboardAFirstEntryWithASubMenuIsSelectedButNotOpened) {
    m_screen.SetMenuBar(
        CMenuTemplate{153,
                      CSoftKey{"Tools",
                               kTools,
                               {CMenuItem{"File", 0, {CMenuItem{"Exit", kSecond, {}}}},
                                CMenuItem{"First", kFirst, {}}}},
                      CSoftKey{},
                      {}});
    WithOpenMenu([](QMenu* menu) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->activeAction() != nullptr; }));
        QAction* file = menu->activeAction();
        EXPECT_EQ(file->text(), "File");
        ASSERT_NE(file->menu(), nullptr);
        // The selection opens nothing by itself; a delayed opening would have to show by now.
        QCoreApplication::processEvents();
        EXPECT_FALSE(file->menu()->isVisible());
        QTest::keyClick(menu, Qt::Key_Right);
        ASSERT_TRUE(QTest::qWaitFor([&] { return file->menu()->isVisible(); }));
        ASSERT_TRUE(QTest::qWaitFor([&] { return file->menu()->activeAction() != nullptr; }));
        EXPECT_EQ(file->menu()->activeAction()->text(), "Exit");
        QTest::keyClick(file->menu(), Qt::Key_Return);
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_chosen.empty(); }));
    EXPECT_EQ(m_chosen, (std::vector<int>{kSecond}));
}

TEST_F(SoftKeyTest, AGreyedMenuItemCannotBeChosen) {
    m_screen.EnableMenuItem(kSecond, false);
    WithOpenMenu([](QMenu* menu) {
        EXPECT_TRUE(menu->actions()[0]->isEnabled());
        EXPECT_FALSE(menu->actions()[1]->isEnabled());
        menu->close();
    });
    m_screen.EnableMenuItem(kSecond, true);
    WithOpenMenu([](QMenu* menu) {
        EXPECT_TRUE(menu->actions()[1]->isEnabled());
        menu->close();
    });
}

TEST_F(SoftKeyTest, ADisabledSoftKeyOpensNoMenuAndSendsNothing) {
    m_screen.EnableSoftKey(true, false);
    m_screen.EnableSoftKey(false, false);
    EXPECT_FALSE(Bar()->IsKeyEnabled(true));
    EXPECT_FALSE(Bar()->IsKeyEnabled(false));
    // Neither call may block in a menu.
    QTest::keyClick(&m_screen, Qt::Key_F1);
    Bar()->PressKey(true);
    QTest::keyClick(&m_screen, Qt::Key_F2);
    EXPECT_EQ(Bar()->OpenMenu(), nullptr);
    EXPECT_TRUE(m_chosen.empty());
    // The entries of its menu keep their own state, and the keys come back.
    EXPECT_TRUE(m_screen.IsCommandEnabled(kFirst));
    m_screen.EnableSoftKey(true, true);
    m_screen.EnableSoftKey(false, true);
    EXPECT_TRUE(Bar()->IsKeyEnabled(true));
    QTest::keyClick(&m_screen, Qt::Key_F2);
    EXPECT_EQ(m_chosen, (std::vector<int>{kRight}));
}

TEST_F(SoftKeyTest, TheKeyStateBelongsToTheScreenUnderIt) {
    m_screen.EnableSoftKey(true, false);
    CScreen upper;
    upper.SetMenuBar(CMenuTemplate{151, CSoftKey{"Close", kFirst, {}}, CSoftKey{}, {}});
    upper.ShowModeless();
    EXPECT_TRUE(Bar()->IsKeyEnabled(true));
    upper.DestroyScreen();
    EXPECT_FALSE(Bar()->IsKeyEnabled(true));
}

} // namespace
