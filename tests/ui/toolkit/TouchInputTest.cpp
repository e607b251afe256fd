#include "ui/toolkit/TouchInput.h"

#include "resources/ResourceIds.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "tests/support/TouchGestures.h"
#include "ui/toolkit/Dialog.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <optional>

namespace {

using namespace ids;

TEST(MinimumTouchTargetTest, SevenMillimetresOnAPhoneNothingOnLargerOrUnknownScreens) {
    // A 5.7-inch phone at scale 2: 360 x 720 logical pixels on 65 x 130 mm.
    EXPECT_EQ(MinimumTouchTarget(QSizeF(65, 130), 720 / (130 / 25.4)), 39);
    // A 5-inch phone at 96 logical dots per inch (ceil of 26.46).
    EXPECT_EQ(MinimumTouchTarget(QSizeF(62, 110), 96), 27);
    // A 7.5-inch tablet still counts; a 10-inch one and a monitor do not.
    EXPECT_EQ(MinimumTouchTarget(QSizeF(114.3, 152.4), 160), 45);
    EXPECT_EQ(MinimumTouchTarget(QSizeF(135, 216), 160), 0);
    EXPECT_EQ(MinimumTouchTarget(QSizeF(527, 296), 96), 0);
    EXPECT_EQ(MinimumTouchTarget(QSizeF(0, 0), 96), 0);
    EXPECT_EQ(MinimumTouchTarget(QSizeF(65, 130), 0), 0);
}

class TouchInputTest : public CSkinnedDeviceTest {
protected:
    void SetUp() override {
        CSkinnedDeviceTest::SetUp();
        m_dialog = std::make_unique<CDialog>(IDD_MAIN);
        m_list = new QTreeWidget(m_dialog.get());
        m_list->setGeometry(0, 0, 200, 300);
        for (int i = 0; i < 200; ++i)
            new QTreeWidgetItem(m_list, {QStringLiteral("row %1").arg(i)});
        EnableFlicking(m_list);
        QObject::connect(m_list, &QTreeWidget::itemClicked, [this] { ++m_clicks; });
        m_dialog->ShowModeless();
        ASSERT_TRUE(WaitFor([&] { return m_list->isVisible(); }));
    }
    void TearDown() override {
        m_dialog->DestroyScreen();
        m_dialog.reset();
        CSkinnedDeviceTest::TearDown();
    }
    QWidget* Viewport() const { return m_list->viewport(); }
    int ScrollPosition() const { return m_list->verticalScrollBar()->value(); }

    std::unique_ptr<CDialog> m_dialog;
    QTreeWidget* m_list = nullptr;
    int m_clicks = 0;
};

TEST_F(TouchInputTest, AFlickScrollsOnAfterTheFingerIsLiftedAndSelectsNothing) {
    EXPECT_EQ(m_list->verticalScrollMode(), QAbstractItemView::ScrollPerPixel);
    Flick(Viewport(), QPoint(100, 250), QPoint(100, 50));
    const int lifted = ScrollPosition();
    EXPECT_GT(lifted, 100);
    // The list glides on after the finger has left it, and comes to rest.
    ASSERT_TRUE(WaitFor([&] { return ScrollPosition() > lifted + 50; }));
    int last = -1;
    ASSERT_TRUE(WaitFor([&] {
        const bool resting = ScrollPosition() == last;
        last = ScrollPosition();
        QTest::qWait(50);
        return resting;
    }));
    EXPECT_EQ(m_list->currentItem(), nullptr);
    EXPECT_EQ(m_clicks, 0);

    // Back down with the finger the other way.
    const int before = ScrollPosition();
    Flick(Viewport(), QPoint(100, 50), QPoint(100, 250));
    ASSERT_TRUE(WaitFor([&] { return ScrollPosition() < before; }));
    EXPECT_EQ(m_list->currentItem(), nullptr);
}

TEST_F(TouchInputTest, ATapStillSelectsAndTheMouseStillSelectsByDragging) {
    const QRect third = m_list->visualItemRect(m_list->topLevelItem(3));
    Tap(Viewport(), third.center());
    ASSERT_TRUE(WaitFor([&] { return m_list->currentItem() == m_list->topLevelItem(3); }));
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(ScrollPosition(), 0);
    QTest::qWait(600);
    Tap(Viewport(), m_list->visualItemRect(m_list->topLevelItem(5)).center());
    ASSERT_TRUE(WaitFor([&] { return m_list->currentItem() == m_list->topLevelItem(5); }));

    // The mouse keeps its desktop meaning: a drag moves the selection, it does not scroll.
    const QRect first = m_list->visualItemRect(m_list->topLevelItem(1));
    const QRect sixth = m_list->visualItemRect(m_list->topLevelItem(6));
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseMove(Viewport(), sixth.center());
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, sixth.center());
    EXPECT_EQ(m_list->currentItem(), m_list->topLevelItem(6));
    EXPECT_EQ(ScrollPosition(), 0);
}

TEST_F(TouchInputTest, ALongPressARightClickAndTheMenuKeyOpenTheMenuAtTheirPlace) {
    std::vector<QPoint> opened;
    std::optional<int> currentWhenOpened;
    OpenOnLongPress(m_list, [&](const QPoint& global) {
        opened.push_back(global);
        currentWhenOpened = m_list->indexOfTopLevelItem(m_list->currentItem());
    });
    const int hold = QGuiApplication::styleHints()->mousePressAndHoldInterval();
    const QPoint row = m_list->visualItemRect(m_list->topLevelItem(2)).center();

    // Held: the menu opens where the finger is, on the row it selected first.
    Hold(Viewport(), row, hold + 300);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], Viewport()->mapToGlobal(row));
    EXPECT_EQ(currentWhenOpened, 2);
    // A short touch opens nothing.
    Hold(Viewport(), row, hold / 4);
    QTest::qWait(hold + 300);
    EXPECT_EQ(opened.size(), 1u);
    // A finger that moves is scrolling, not holding.
    QTest::touchEvent(m_list->window(), TestTouchScreen()).press(0, row, Viewport());
    QTest::touchEvent(m_list->window(), TestTouchScreen())
        .move(0, row + QPoint(0, -60), Viewport());
    QTest::qWait(hold + 300);
    QTest::touchEvent(m_list->window(), TestTouchScreen())
        .release(0, row + QPoint(0, -60), Viewport());
    EXPECT_EQ(opened.size(), 1u);

    const QPoint other = m_list->visualItemRect(m_list->topLevelItem(4)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, other, Viewport()->mapToGlobal(other));
    QApplication::sendEvent(Viewport(), &click);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], Viewport()->mapToGlobal(other));
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(m_list, &key);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[2], m_list->mapToGlobal(m_list->rect().center()));
}

TEST_F(TouchInputTest, ALongPressRightAfterAShortTouchOpensTheMenuEveryTime) {
    int opened = 0;
    std::vector<int> currentWhenOpened;
    OpenOnLongPress(m_list, [&](const QPoint&) {
        ++opened;
        currentWhenOpened.push_back(m_list->indexOfTopLevelItem(m_list->currentItem()));
    });
    const int hold = QGuiApplication::styleHints()->mousePressAndHoldInterval();
    const auto rowAt = [&](int row) {
        return m_list->visualItemRect(m_list->topLevelItem(row)).center();
    };
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        // A short touch, a plain tap or a held one under the hold time, opens nothing...
        const int first = round % 2 ? 3 : 2;
        if (round % 3 == 2)
            Tap(Viewport(), rowAt(first));
        else
            Hold(Viewport(), rowAt(first), hold / 3);
        EXPECT_EQ(opened, round);
        // ...and a long press right after it, on the same row (where Qt sees a double click)
        // or on another, opens the menu on the row under the finger.
        const int second = round % 3 ? first : 4;
        Hold(Viewport(), rowAt(second), hold + 300);
        ASSERT_EQ(opened, round + 1);
        EXPECT_EQ(currentWhenOpened.back(), second);
    }
    EXPECT_EQ(ScrollPosition(), 0);
}

TEST_F(TouchInputTest, TwoQuickTapsAreTwoTapsAndAWobblingFingerStillHolds) {
    // Two taps a few pixels apart across the border of two rows: Qt sees a double click.
    const QRect first = m_list->visualItemRect(m_list->topLevelItem(1));
    const QRect second = m_list->visualItemRect(m_list->topLevelItem(2));
    Tap(Viewport(), QPoint(first.center().x(), first.bottom() - 1));
    Tap(Viewport(), QPoint(first.center().x(), second.top() + 1));
    ASSERT_TRUE(WaitFor([&] { return m_clicks == 2; }));
    EXPECT_EQ(m_list->currentItem(), m_list->topLevelItem(2));
    const QPoint row = first.center();

    int opened = 0;
    OpenOnLongPress(m_list, [&](const QPoint&) { ++opened; });
    const int hold = QGuiApplication::styleHints()->mousePressAndHoldInterval();
    const int tolerance = LongPressTolerance(Viewport());
    ASSERT_GT(tolerance, 2);
    // A finger rolling by less than the tolerance holds; one that slides further does not.
    int expected = 0;
    for (const int wobble : {tolerance - 1, tolerance + 1}) {
        SCOPED_TRACE(wobble);
        QTest::touchEvent(m_list->window(), TestTouchScreen()).press(0, row, Viewport());
        QTest::qWait(hold / 3);
        QTest::touchEvent(m_list->window(), TestTouchScreen())
            .move(0, row + QPoint(wobble, 0), Viewport());
        QTest::qWait(hold);
        QTest::touchEvent(m_list->window(), TestTouchScreen())
            .release(0, row + QPoint(wobble, 0), Viewport());
        expected += wobble < tolerance ? 1 : 0;
        EXPECT_EQ(opened, expected);
    }
}

TEST_F(TouchInputTest, AWidgetThatDoesNotFlickOpensOnALongPressAfterATapToo) {
    auto* pad = new QWidget(m_dialog.get());
    pad->setGeometry(0, 0, 100, 100);
    pad->show();
    int opened = 0;
    OpenOnLongPress(pad, [&](const QPoint&) { ++opened; });
    const int hold = QGuiApplication::styleHints()->mousePressAndHoldInterval();
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        Tap(pad, QPoint(50, 50));
        Hold(pad, QPoint(50, 50), hold + 300);
        EXPECT_EQ(opened, round + 1);
    }
}

TEST_F(TouchInputTest, TheHoldToleranceIsAboutThreeMillimetresAndNeverUnderTheDragDistance) {
    const int drag = QApplication::startDragDistance();
    // A phone at scale 2: 141 logical dots per inch, 3 mm = 16.7 -> 17.
    EXPECT_EQ(LongPressTolerance(141.0), std::max(drag, 17));
    EXPECT_EQ(LongPressTolerance(96.0), std::max(drag, 12));
    EXPECT_EQ(LongPressTolerance(0.0), drag);
}

TEST_F(TouchInputTest, TheMenuOfABranchSendsItsEntriesAsMenuCommands) {
    m_dialog->SetMenuBarId(IDR_MENU_MAIN);
    int edits = 0;
    m_dialog->OnCommandId(ID_IMAGE_EDIT, [&] { ++edits; });
    QStringList entries;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                entries << action->text();
        menu->actions().front()->trigger();
    });
    EXPECT_TRUE(ShowMenuBranch(m_dialog.get(), ID_IMAGE_EDIT, m_dialog->mapToGlobal(QPoint(5, 5))));
    // The page commands of Tools > Image, in their order.
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries.front(), MenuPath(*m_dialog->MenuBar(), ID_IMAGE_EDIT).back());
    EXPECT_EQ(entries.back(), MenuPath(*m_dialog->MenuBar(), ID_IMAGE_MOVE_DOWN).back());
    ASSERT_TRUE(WaitFor([&] { return edits == 1; }));
    // A command the bar does not carry in a popup opens nothing.
    EXPECT_FALSE(ShowMenuBranch(m_dialog.get(), ID_SCAN + 100000, QPoint()));
}

TEST_F(TouchInputTest, AFingerOnAFocusedTextAreaBringsTheKeyboardBack) {
    auto* body = new QPlainTextEdit(m_dialog.get());
    body->setGeometry(0, 0, 200, 100);
    body->show();
    m_dialog->RaiseInputPanelOnFocus(body);
    EXPECT_TRUE(body->testAttribute(Qt::WA_InputMethodEnabled));
    body->setFocus();
    ASSERT_TRUE(WaitFor([&] { return body->hasFocus(); }));
    EXPECT_EQ(m_dialog->InputPanelRequests(), 0); // the screen's own first focus
    Tap(body->viewport(), QPoint(20, 20));
    ASSERT_TRUE(WaitFor([&] { return m_dialog->InputPanelRequests() == 1; }));
    // A mouse click is no finger: a desktop has its keyboard.
    QTest::mouseClick(body->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(m_dialog->InputPanelRequests(), 1);
}

} // namespace
