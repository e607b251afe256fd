#include "ui/device/PlatformAccessibility.h"

#include "ui/device/DeviceWindow.h"
#include "ui/device/Screen.h"
#include "ui/device/SoftKeyBar.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class PlatformAccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_device.show();
        m_screen.OnCommandId(503, [this] { ++m_scans; });
        m_screen.SetMenuBar(
            CMenuTemplate{150,
                          CSoftKey{"Tools",
                                   504,
                                   {CMenuItem{"Add", 0, {CMenuItem{"Scan...", 503, {}}}},
                                    CMenuItem{"Exit", 505, {}}}},
                          CSoftKey{"Scan", 503, {}},
                          {}});
        m_screen.ShowModeless();
    }
    void TearDown() override { m_screen.DestroyScreen(); }

    QAccessibleInterface* Bar() {
        return QAccessible::queryAccessibleInterface(m_device.SoftKeys());
    }

    CDeviceWindow m_device{QSize(480, 640)};
    CScreen m_screen;
    int m_scans = 0;
};

TEST_F(PlatformAccessibilityTest, SoftKeysAreButtonsNamedByTheirTexts) {
    QAccessibleInterface* bar = Bar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->childCount(), 2);
    QAccessibleInterface* tools = bar->child(0);
    QAccessibleInterface* scan = bar->child(1);
    EXPECT_EQ(tools->role(), QAccessible::PushButton);
    EXPECT_EQ(tools->text(QAccessible::Name), "Tools");
    EXPECT_TRUE(tools->state().hasPopup);
    EXPECT_EQ(scan->text(QAccessible::Name), "Scan");
    EXPECT_FALSE(scan->state().hasPopup);
    EXPECT_EQ(tools->parent(), bar);
    EXPECT_EQ(bar->indexOfChild(scan), 1);
    // Where the keys are drawn: left and right half of the bar.
    const QRect barRect = bar->rect();
    EXPECT_EQ(tools->rect().left(), barRect.left());
    EXPECT_EQ(scan->rect().right(), barRect.right());
    EXPECT_EQ(bar->childAt(scan->rect().center().x(), scan->rect().center().y()), scan);
    // The key binding of the press action is the function key.
    auto* action = scan->actionInterface();
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{"F2"});
}

TEST_F(PlatformAccessibilityTest, ThePressActionPressesTheKeyAndADisabledKeyTellsIt) {
    QAccessibleInterface* scan = Bar()->child(1);
    ASSERT_NE(scan, nullptr);
    QAccessibleActionInterface* press = scan->actionInterface();
    ASSERT_NE(press, nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_scans == 1; }));
    m_screen.EnableCommand(503, false);
    EXPECT_TRUE(scan->state().disabled);
    m_screen.EnableCommand(503, true);
    m_screen.EnableSoftKey(true, false);
    EXPECT_TRUE(Bar()->child(0)->state().disabled);
    EXPECT_FALSE(scan->state().disabled);
}

TEST_F(PlatformAccessibilityTest, AnOpenMenuIsTheKeysChildWithItsEntriesAsMenuItems) {
    QAccessibleInterface* tools = Bar()->child(0);
    EXPECT_EQ(tools->childCount(), 0);
    QStringList names;
    QList<QAccessible::Role> roles;
    bool expanded = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QMenu* open = m_device.SoftKeys()->OpenMenu();
        if (!open || !open->isVisible())
            return;
        watch.stop();
        expanded = tools->state().expanded;
        if (tools->childCount() == 1) {
            QAccessibleInterface* menu = tools->child(0);
            for (int i = 0; i < menu->childCount(); ++i) {
                names << menu->child(i)->text(QAccessible::Name);
                roles << menu->child(i)->role();
            }
        }
        open->close();
    });
    watch.start();
    tools->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !names.isEmpty(); }));
    EXPECT_TRUE(expanded);
    EXPECT_EQ(names, (QStringList{"Add", "Exit"}));
    EXPECT_EQ(roles, (QList<QAccessible::Role>{QAccessible::MenuItem, QAccessible::MenuItem}));
    EXPECT_EQ(tools->childCount(), 0);
}

TEST_F(PlatformAccessibilityTest, AScreenIsADialogNamedByItsTitleWithItsPicturesDescribed) {
    QAccessibleInterface* screen = QAccessible::queryAccessibleInterface(&m_screen);
    EXPECT_EQ(screen->role(), QAccessible::Dialog);
    // Without a title of its own it reads as the task bar does.
    EXPECT_EQ(screen->text(QAccessible::Name), "Quillmark Mobile");
    m_screen.setWindowTitle("Settings");
    EXPECT_EQ(screen->text(QAccessible::Name), "Settings");
    m_screen.setAccessibleDescription("All settings");
    EXPECT_EQ(screen->text(QAccessible::Description), "All settings");

    auto* button = new QPushButton("Ok", &m_screen);
    const int controls = screen->childCount();
    m_screen.SetPictureDescription(1, QRect(10, 20, 30, 40), "Product logo");
    ASSERT_EQ(screen->childCount(), controls + 1);
    QAccessibleInterface* picture = screen->child(controls);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Product logo");
    EXPECT_EQ(picture->rect(), QRect(m_screen.mapToGlobal(QPoint(10, 20)), QSize(30, 40)));
    EXPECT_EQ(screen->indexOfChild(picture), controls);
    EXPECT_EQ(screen->indexOfChild(QAccessible::queryAccessibleInterface(button)), controls - 1);
    m_screen.SetPictureDescription(1, {}, {});
    EXPECT_EQ(screen->childCount(), controls);
    EXPECT_FALSE(picture->isValid());
}

TEST_F(PlatformAccessibilityTest, TabGoesThroughTheControlsTopToBottomLeftToRight) {
    // Made in an order that differs from where they sit.
    auto* right = new QPushButton("Right", &m_screen);
    auto* top = new QLineEdit(&m_screen);
    auto* left = new QPushButton("Left", &m_screen);
    auto* hidden = new QPushButton("Hidden", &m_screen);
    top->setGeometry(10, 10, 200, 30);
    left->setGeometry(10, 100, 80, 30);
    right->setGeometry(200, 101, 80, 30); // one pixel lower: still the same row
    hidden->setGeometry(10, 50, 80, 30);
    hidden->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{right, top, left})
        w->show();
    m_screen.setFocus();
    std::vector<QWidget*> order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(m_screen.focusWidget() ? m_screen.focusWidget() : &m_screen, Qt::Key_Tab);
        order.push_back(m_screen.focusWidget());
    }
    EXPECT_EQ(order, (std::vector<QWidget*>{top, left, right, top}));
    QTest::keyClick(m_screen.focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(m_screen.focusWidget(), right);
}

} // namespace
