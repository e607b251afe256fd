#include "ui/device/Screen.h"

#include "platform/Device.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/SoftKeyBar.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

class CTestScreen : public CScreen {
public:
    using CScreen::CScreen;
    int inits = 0;
    int displayChanges = 0;
    std::vector<int> timerTicks;
    std::vector<unsigned> messages;

protected:
    void OnInitDialog() override { ++inits; }
    void OnDisplayChange() override { ++displayChanges; }
    void OnTimer(int id) override { timerTicks.push_back(id); }
    void OnMessage(unsigned message, qintptr, qintptr) override { messages.push_back(message); }
};

class ScreenHostTest : public ::testing::Test {
protected:
    void SetUp() override { m_device.show(); }
    CDeviceWindow m_device{QSize(480, 640)};
};

TEST_F(ScreenHostTest, ModalRunsNestAndReturnTheirResultCodes) {
    CTestScreen outer, inner;
    int innerResult = 0;
    std::vector<CScreen*> stackDuringInner;
    QTimer::singleShot(0, &outer, [&] {
        QTimer::singleShot(0, &inner, [&] {
            stackDuringInner = m_device.Stack();
            inner.EndDialog(7);
        });
        innerResult = inner.DoModal();
        EXPECT_EQ(m_device.TopScreen(), &outer);
        outer.EndDialog(10835);
    });
    EXPECT_EQ(outer.DoModal(), 10835);
    EXPECT_EQ(innerResult, 7);
    EXPECT_EQ(stackDuringInner, (std::vector<CScreen*>{&outer, &inner}));
    EXPECT_TRUE(m_device.Stack().empty());
    EXPECT_EQ(outer.inits, 1);
}

TEST_F(ScreenHostTest, ScreensFillTheAreaBetweenTheBars) {
    CTestScreen screen;
    screen.ShowModeless();
    EXPECT_EQ(m_device.TopScreen(), &screen);
    EXPECT_EQ(screen.size(), QSize(480, 640 - 2 * 52));
    screen.DestroyScreen();
    EXPECT_TRUE(m_device.Stack().empty());
}

TEST_F(ScreenHostTest, IdOkAndCancelEndTheScreenAndDisabledCommandsAreRefused) {
    CTestScreen screen;
    int handled = 0;
    screen.OnCommandId(500, [&] { ++handled; });
    screen.EnableCommand(500, false);
    QTimer::singleShot(0, &screen, [&] {
        EXPECT_FALSE(screen.SendCommand(500));
        screen.EnableCommand(500, true);
        EXPECT_TRUE(screen.SendCommand(500));
        EXPECT_FALSE(screen.SendCommand(501));
        screen.SendCommand(IDCANCEL);
    });
    EXPECT_EQ(screen.DoModal(), IDCANCEL);
    EXPECT_EQ(handled, 1);
}

TEST_F(ScreenHostTest, SoftKeysSendTheirCommandsAndFollowTheTopScreen) {
    CTestScreen screen;
    int pressed = 0;
    screen.OnCommandId(32778, [&] { ++pressed; });
    screen.SetMenuBar(CMenuTemplate{150, CSoftKey{"Close", 32778, {}}, CSoftKey{}, {}});
    screen.ShowModeless();
    EXPECT_EQ(m_device.SoftKeys()->KeyText(true), "Close");
    EXPECT_EQ(m_device.SoftKeys()->KeyText(false), "");
    m_device.SoftKeys()->PressKey(true);
    EXPECT_EQ(pressed, 1);
    screen.EnableCommand(32778, false);
    EXPECT_FALSE(m_device.SoftKeys()->IsKeyEnabled(true));
    m_device.SoftKeys()->PressKey(true);
    EXPECT_EQ(pressed, 1);
    screen.DestroyScreen();
    EXPECT_EQ(m_device.SoftKeys()->KeyText(true), "");
}

TEST_F(ScreenHostTest, TurningTheDeviceSwapsTheSidesAndReachesTheScreens) {
    CTestScreen screen;
    screen.ShowModeless();
    m_device.Turn();
    EXPECT_EQ(platform::DeviceScreenSize(), QSize(640, 480));
    EXPECT_EQ(platform::GetSystemMetrics(platform::SM_CXSCREEN), 640);
    EXPECT_EQ(m_device.size(), QSize(640, 480));
    EXPECT_EQ(screen.size(), QSize(640, 480 - 2 * 52));
    EXPECT_EQ(screen.displayChanges, 1);
    m_device.Turn();
    EXPECT_EQ(platform::DeviceScreenSize(), QSize(480, 640));
    screen.DestroyScreen();
}

TEST_F(ScreenHostTest, TimersTickByIdentifierAndOneShotsFireOnce) {
    CTestScreen screen;
    screen.ShowModeless();
    screen.SetSingleShotTimer(1, 10);
    screen.SetTimer(2, 10);
    EXPECT_TRUE(screen.HasTimer(1));
    const auto ticks = [&](int id) {
        return std::count(screen.timerTicks.begin(), screen.timerTicks.end(), id);
    };
    // Until the repeating timer has ticked twice, however slow the machine is.
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks(2) >= 2; }, 30000));
    QTest::qWait(30); // room for a one-shot that wrongly repeats
    screen.KillTimer(2);
    EXPECT_FALSE(screen.HasTimer(1));
    EXPECT_EQ(ticks(1), 1);
    EXPECT_GE(ticks(2), 2);
    screen.DestroyScreen();
}

TEST_F(ScreenHostTest, PostedMessagesArriveAfterThePendingEvents) {
    CTestScreen screen;
    screen.PostMessage(34435, 1);
    EXPECT_TRUE(screen.messages.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(screen.messages, (std::vector<unsigned>{34435}));
}

TEST_F(ScreenHostTest, ClosingTheHostWindowCancelsEveryRunningScreen) {
    CTestScreen outer, inner;
    int innerResult = 0;
    QTimer::singleShot(0, &outer, [&] {
        QTimer::singleShot(0, &inner, [&] { m_device.close(); });
        innerResult = inner.DoModal();
    });
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(innerResult, IDCANCEL);
}

TEST_F(ScreenHostTest, CheckBoxesAndRadioButtonsReportEveryChangeOnceHoweverItCame) {
    CTestScreen screen;
    auto* box = new QCheckBox("Don't show this again", &screen);
    auto* first = new QRadioButton("Delete the file", &screen);
    auto* second = new QRadioButton("Only remove the page", &screen);
    auto* plain = new QPushButton("Ok", &screen);
    screen.AddControl(10, box);
    screen.AddControl(11, first);
    screen.AddControl(12, second);
    screen.AddControl(13, plain);
    std::vector<int> sent;
    for (int id : {10, 11, 12, 13})
        screen.OnCommandId(id, [&sent, id] { sent.push_back(id); });
    screen.ShowModeless();

    // A screen reader's Toggle action changes the state without a click.
    QAccessibleInterface* boxAccess = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(boxAccess, nullptr);
    ASSERT_NE(boxAccess->actionInterface(), nullptr);
    boxAccess->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(sent, std::vector<int>{10});
    // A click toggles too, and is told once.
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(sent, (std::vector<int>{10, 10}));
    box->setChecked(true);
    EXPECT_EQ(sent, (std::vector<int>{10, 10, 10}));

    // In the group only the button that became checked speaks.
    sent.clear();
    first->setChecked(true);
    QAccessibleInterface* secondAccess = QAccessible::queryAccessibleInterface(second);
    ASSERT_NE(secondAccess, nullptr);
    secondAccess->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(first->isChecked());
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(first, Qt::LeftButton); // already checked: nothing changes
    EXPECT_EQ(sent, (std::vector<int>{11, 12, 11}));

    sent.clear();
    QTest::mouseClick(plain, Qt::LeftButton);
    EXPECT_EQ(sent, std::vector<int>{13});
    // A disabled command is refused, however the box changed.
    screen.EnableCommand(10, false);
    box->toggle();
    EXPECT_EQ(sent, std::vector<int>{13});
    screen.DestroyScreen();
}

} // namespace
