#include "ui/toolkit/ToolkitAccessibility.h"

#include "resources/ResourceIds.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "ui/device/Screen.h"
#include "ui/toolkit/ProgressCtrl.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/SkinButton.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

using namespace ids;

constexpr int kScanButton = 10049;

class ToolkitAccessibilityTest : public CSkinnedDeviceTest {
protected:
    void SetUp() override {
        CSkinnedDeviceTest::SetUp();
        m_screen = std::make_unique<CScreen>();
        CMenuTemplate menu{150,
                           CSoftKey{"Tools", ID_MAIN_TOOLS, {CMenuItem{"Scan...", ID_SCAN, {}}}},
                           CSoftKey{"Exit", ID_FILE_EXIT, {}},
                           {}};
        menu.buttonCommands[kScanButton] = ID_SCAN;
        m_screen->SetMenuBar(menu);
        m_screen->ShowModeless();
    }
    void TearDown() override {
        m_screen.reset();
        CSkinnedDeviceTest::TearDown();
    }
    CSkinButton* AddButton(int id, const QString& caption) {
        auto* button = new CSkinButton(m_screen.get());
        button->setText(caption);
        button->setGeometry(10, 10, 80, 30);
        m_screen->AddControl(id, button);
        button->show();
        return button;
    }
    static QString Name(QObject* object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    }

    std::unique_ptr<CScreen> m_screen;
};

TEST_F(ToolkitAccessibilityTest, ASkinnedButtonIsNamedByItsCaptionElseByItsCommandsMenuText) {
    CSkinButton* captioned = AddButton(700, "Save && send");
    EXPECT_EQ(Name(captioned), "Save & send");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(captioned)->role(), QAccessible::PushButton);

    // A picture-only button that runs the same handler as "Tools > Scan...".
    CSkinButton* scan = AddButton(kScanButton, {});
    EXPECT_EQ(Name(scan), "Scan");
    // A command of its own that the bar carries.
    CSkinButton* exit = AddButton(ID_FILE_EXIT, {});
    EXPECT_EQ(Name(exit), "Exit");
    // A name given by the screen wins.
    scan->setAccessibleName("Take a picture");
    EXPECT_EQ(Name(scan), "Take a picture");
    // Nothing to go by: no name, which the audit reports.
    EXPECT_EQ(Name(AddButton(701, {})), "");
}

TEST_F(ToolkitAccessibilityTest, ThePressActionSendsTheCommandAndADisabledButtonSaysSo) {
    int pressed = 0;
    m_screen->OnCommandId(700, [&] { ++pressed; });
    CSkinButton* button = AddButton(700, "Ok");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(iface, nullptr);
    QAccessibleActionInterface* action = iface->actionInterface();
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return pressed == 1; }));

    m_screen->EnableCommand(700, false);
    EXPECT_TRUE(iface->state().disabled);
    EXPECT_FALSE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(pressed, 1);
}

TEST_F(ToolkitAccessibilityTest, ACheckBoxModeButtonReadsAsACheckBoxWithItsState) {
    CSkinButton* button = AddButton(700, "Flat");
    button->SetCheckBoxMode(true);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    EXPECT_EQ(iface->role(), QAccessible::CheckBox);
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);
    button->setChecked(true);
    EXPECT_TRUE(iface->state().checked);
}

TEST_F(ToolkitAccessibilityTest, ADropDownButtonShowsItsMenuAndAnEntryReachesTheScreen) {
    int opened = 0;
    m_screen->OnCommandId(800, [&] { ++opened; });
    m_screen->EnableCommand(800, false); // greys no menu entry
    CSkinButton* button = AddButton(700, "More");
    button->SetDropDownMenu({CMenuItem{"Open", 800, {}}});
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    EXPECT_EQ(iface->role(), QAccessible::ButtonMenu);
    EXPECT_TRUE(iface->state().hasPopup);
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        watch.stop();
        // As an assistive tool chooses an entry: the menu closes as a tap would close it.
        menu->actions()[0]->trigger();
    });
    watch.start();
    iface->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened == 1; }));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(ToolkitAccessibilityTest, EnterPressesTheFocusedButtonNotTheDefaultOne) {
    std::vector<int> pressed;
    m_screen->OnCommandId(700, [&] { pressed.push_back(700); });
    m_screen->OnCommandId(701, [&] { pressed.push_back(701); });
    CSkinButton* ok = AddButton(700, "Ok");
    CSkinButton* cancel = AddButton(701, "Cancel");
    ok->SetDefaultButton(true);
    cancel->setFocus();
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(pressed, (std::vector<int>{701}));
    QTest::keyClick(ok, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed, (std::vector<int>{701, 700}));
}

TEST_F(ToolkitAccessibilityTest, TheProgressControlIsAProgressBarWithItsValue) {
    auto* progress = new CProgressCtrl(m_screen.get());
    progress->setGeometry(10, 100, 200, 20);
    progress->SetRange(10, 30);
    progress->SetPos(20);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(progress);
    EXPECT_EQ(iface->role(), QAccessible::ProgressBar);
    ASSERT_NE(iface->valueInterface(), nullptr);
    EXPECT_EQ(iface->valueInterface()->currentValue().toInt(), 20);
    EXPECT_EQ(iface->valueInterface()->minimumValue().toInt(), 10);
    EXPECT_EQ(iface->valueInterface()->maximumValue().toInt(), 30);
    EXPECT_EQ(iface->text(QAccessible::Value), "50%");
    progress->SetText("Saving");
    EXPECT_EQ(iface->text(QAccessible::Value), "Saving");
}

TEST_F(ToolkitAccessibilityTest, AQuestionBoxIsADialogTitledByItsHeadingThatSaysItsBody) {
    CQuestionBox box;
    box.SetKind(CQuestionBox::kCancelOkRadio);
    box.SetTitles("Delete", "Delete image?");
    box.SetBody("Do you really wish to remove this image?");
    box.SetOptionTexts("Remove & delete", "Only remove");
    box.Prepare();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
    EXPECT_EQ(iface->role(), QAccessible::Dialog);
    EXPECT_EQ(iface->text(QAccessible::Name), "Delete image?");
    EXPECT_EQ(iface->text(QAccessible::Description), "Do you really wish to remove this image?");
    EXPECT_EQ(Name(box.Control(IDC_QB_RADIO_FIRST)), "Remove & delete");
    EXPECT_EQ(Name(box.Control(IDC_QB_RADIO_SECOND)), "Only remove");
    EXPECT_EQ(Name(box.Control(IDC_QB_BUTTON_OK)), "Ok");
    EXPECT_EQ(Name(box.Control(IDC_QB_BUTTON_CANCEL)), "Cancel");
}

TEST_F(ToolkitAccessibilityTest, TabGoesThroughAQuestionBoxInReadingOrder) {
    CQuestionBox box;
    box.SetKind(CQuestionBox::kCancelOkRadio);
    box.SetOptionTexts("Remove", "Keep");
    std::vector<int> order;
    QTimer::singleShot(0, &box, [&] {
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, Qt::Key_Tab);
            for (const auto& [id, control] : box.Controls())
                if (control == box.focusWidget())
                    order.push_back(id);
        }
        box.EndDialog(IDCANCEL);
    });
    box.Show();
    EXPECT_EQ(order, (std::vector<int>{IDC_QB_BODY, IDC_QB_RADIO_FIRST, IDC_QB_RADIO_SECOND,
                                       IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_OK, IDC_QB_BODY}));
}

} // namespace
