#include "ui/toolkit/QuestionBox.h"

#include "resources/ResourceIds.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "text/Strings.h"
#include "ui/device/SoftKeyBar.h"
#include "ui/toolkit/SkinButton.h"

#include <QAccessible>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using namespace ids;
using Q = CQuestionBox;

class QuestionBoxTest : public CSkinnedDeviceTest {
protected:
    // Shows a box of `kind` and lets `act` answer it once it runs; -1 when nothing ended it.
    int Run(CQuestionBox& box, const std::function<void(CQuestionBox&)>& act, Q::EKind kind) {
        box.SetKind(kind);
        QTimer::singleShot(0, &box, [&] { act(box); });
        QTimer::singleShot(800, &box, [&] { box.EndDialog(-1); });
        return box.Show();
    }
    int RunCommand(Q::EKind kind, int command, bool* checked = nullptr) {
        CQuestionBox box;
        const int result = Run(
            box, [command](CQuestionBox& b) { b.SendCommand(command); }, kind);
        if (checked)
            *checked = box.IsChecked();
        return result;
    }
    std::vector<int> Buttons(CQuestionBox& box) {
        std::vector<int> shown;
        for (int id :
             {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_NO, IDC_QB_BUTTON_NEXT, IDC_QB_BUTTON_OK})
            if (!box.Control(id)->isHidden())
                shown.push_back(id);
        return shown;
    }
};

TEST_F(QuestionBoxTest, EachKindHasItsMenuBarButtonsAndControls) {
    struct Expect {
        Q::EKind kind;
        bool check, radios;
        std::vector<int> menu;
        std::vector<int> buttons;
    };
    const Expect table[] = {
        {Q::kClose, false, false, {IDOK_COMMAND}, {IDC_QB_BUTTON_OK}},
        {Q::kNoYes,
         false,
         false,
         {IDCANCEL_COMMAND, IDOK_COMMAND},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_OK}},
        {Q::kCancelOk,
         false,
         false,
         {IDCANCEL_COMMAND, IDOK_COMMAND},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_OK}},
        {Q::kCancelOkRadio,
         false,
         true,
         {IDCANCEL_COMMAND, IDOK_COMMAND},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_OK}},
        {Q::kCancelNext,
         false,
         false,
         {IDCANCEL_COMMAND, ID_QB_NEXT},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_NEXT}},
        {Q::kCancelNextCheck,
         true,
         false,
         {IDCANCEL_COMMAND, ID_QB_NEXT},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_NEXT}},
        {Q::kCancelNextCheckRequired,
         true,
         false,
         {IDCANCEL_COMMAND, ID_QB_NEXT},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_NEXT}},
        {Q::kCancelNextRadio,
         false,
         true,
         {IDCANCEL_COMMAND, ID_QB_NEXT},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_NEXT}},
        {Q::kCancelNextRadioRequired,
         false,
         true,
         {IDCANCEL_COMMAND, ID_QB_NEXT},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_NEXT}},
        {Q::kYesNoAll,
         true,
         false,
         {IDCANCEL_COMMAND, ID_QB_TOOLS, IDOK_COMMAND, ID_QB_YES_TO_ALL, ID_QB_NO, ID_QB_NO_TO_ALL},
         {IDC_QB_BUTTON_CANCEL, IDC_QB_BUTTON_NO, IDC_QB_BUTTON_OK}},
        {Q::kDontShowAgain,
         true,
         false,
         {IDOK_COMMAND, ID_QB_TOOLS, ID_QB_DONT_SHOW},
         {IDC_QB_BUTTON_OK}},
    };
    for (const Expect& e : table) {
        CQuestionBox box;
        box.SetKind(e.kind);
        box.Prepare();
        ASSERT_NE(box.MenuBar(), nullptr) << e.kind;
        EXPECT_EQ(MenuCommands(*box.MenuBar()), e.menu) << "kind " << e.kind;
        EXPECT_EQ(Buttons(box), e.buttons) << "kind " << e.kind;
        EXPECT_EQ(!box.Control(IDC_QB_CHECK)->isHidden(), e.check) << e.kind;
        EXPECT_EQ(box.Control(IDC_QB_CHECK)->isEnabled(), e.check) << e.kind;
        EXPECT_EQ(!box.Control(IDC_QB_RADIO_FIRST)->isHidden(), e.radios) << e.kind;
        EXPECT_EQ(!box.Control(IDC_QB_RADIO_SECOND)->isHidden(), e.radios) << e.kind;
    }
}

TEST_F(QuestionBoxTest, SoftKeysReadAsTheKindSays) {
    CQuestionBox box;
    box.SetKind(Q::kNoYes);
    box.Prepare();
    box.ShowModeless();
    EXPECT_EQ(m_device->SoftKeys()->KeyText(true), "No");
    EXPECT_EQ(m_device->SoftKeys()->KeyText(false), "Yes");
    EXPECT_EQ(box.Button(IDC_QB_BUTTON_CANCEL)->text(), "No");
    EXPECT_EQ(box.Button(IDC_QB_BUTTON_OK)->text(), "Yes");
    box.DestroyScreen();
}

TEST_F(QuestionBoxTest, CommandsEndTheBoxWithTheirResultCodes) {
    EXPECT_EQ(RunCommand(Q::kClose, IDOK_COMMAND), kResultOk);
    EXPECT_EQ(RunCommand(Q::kClose, IDC_QB_BUTTON_OK), kResultOk);
    EXPECT_EQ(RunCommand(Q::kNoYes, IDOK_COMMAND), kResultOk);
    EXPECT_EQ(RunCommand(Q::kNoYes, IDCANCEL_COMMAND), kResultCancel); // "No" of kind 1
    EXPECT_EQ(RunCommand(Q::kNoYes, IDC_QB_BUTTON_CANCEL), kResultCancel);
    EXPECT_EQ(RunCommand(Q::kCancelOk, IDOK_COMMAND), kResultOk);
    EXPECT_EQ(RunCommand(Q::kCancelOk, IDCANCEL_COMMAND), kResultCancel);
    EXPECT_EQ(RunCommand(Q::kCancelNext, ID_QB_NEXT), kResultNext);
    EXPECT_EQ(RunCommand(Q::kCancelNext, IDC_QB_BUTTON_NEXT), kResultNext);
    EXPECT_EQ(RunCommand(Q::kCancelNextCheck, ID_QB_NEXT), kResultNext);
    EXPECT_EQ(RunCommand(Q::kCancelNextRadio, ID_QB_NEXT), kResultNext);
    EXPECT_EQ(RunCommand(Q::kYesNoAll, ID_QB_NO), kResultNo);
    EXPECT_EQ(RunCommand(Q::kYesNoAll, IDC_QB_BUTTON_NO), kResultNo);
    EXPECT_EQ(RunCommand(Q::kYesNoAll, IDC_QB_BUTTON_OK), kResultOk);
    EXPECT_EQ(RunCommand(Q::kDontShowAgain, IDOK_COMMAND), kResultOk);
    bool checked = true;
    EXPECT_EQ(RunCommand(Q::kYesNoAll, IDOK_COMMAND, &checked), kResultOk);
    EXPECT_FALSE(checked);
    EXPECT_EQ(RunCommand(Q::kYesNoAll, ID_QB_YES_TO_ALL, &checked), kResultNext);
    EXPECT_TRUE(checked);
    EXPECT_EQ(RunCommand(Q::kYesNoAll, ID_QB_NO_TO_ALL, &checked), kResultNo);
    EXPECT_TRUE(checked);
    // A command the kind does not carry leaves the box open.
    EXPECT_EQ(RunCommand(Q::kClose, IDC_QB_BUTTON_NEXT), -1);
    // Closing the device window counts as Cancel.
    CQuestionBox box;
    EXPECT_EQ(Run(
                  box, [this](CQuestionBox&) { m_device->close(); }, Q::kClose),
              kResultCancel);
}

TEST_F(QuestionBoxTest, EnterPressesThePositiveButtonAndEscapeCancels) {
    {
        CQuestionBox box;
        EXPECT_EQ(
            Run(
                box, [](CQuestionBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, Q::kCancelOk),
            kResultOk);
    }
    {
        CQuestionBox box;
        EXPECT_EQ(
            Run(
                box, [](CQuestionBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, Q::kCancelNext),
            kResultNext);
    }
    {
        // Kind 6 without the tick: Enter finds Next disabled and the box stays.
        CQuestionBox box;
        EXPECT_EQ(Run(
                      box, [](CQuestionBox& b) { QTest::keyClick(&b, Qt::Key_Enter); },
                      Q::kCancelNextCheckRequired),
                  -1);
    }
    CQuestionBox box;
    EXPECT_EQ(Run(
                  box, [](CQuestionBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, Q::kNoYes),
              kResultCancel);
}

TEST_F(QuestionBoxTest, DontShowAgainTogglesTheCheckAndKeepsTheBoxOpen) {
    CQuestionBox box;
    bool afterOne = false, afterTwo = true, open = false;
    const int result = Run(
        box,
        [&](CQuestionBox& b) {
            b.SendCommand(ID_QB_DONT_SHOW);
            afterOne = b.IsChecked() && b.ControlAs<QCheckBox>(IDC_QB_CHECK)->isChecked();
            b.SendCommand(ID_QB_DONT_SHOW);
            afterTwo = b.IsChecked();
            open = b.IsRunning();
            b.SendCommand(ID_QB_DONT_SHOW);
            b.SendCommand(IDOK_COMMAND);
        },
        Q::kDontShowAgain);
    EXPECT_TRUE(afterOne);
    EXPECT_FALSE(afterTwo);
    EXPECT_TRUE(open);
    EXPECT_EQ(result, kResultOk);
    EXPECT_TRUE(box.IsChecked());
}

TEST_F(QuestionBoxTest, KindSixOffersNextOnlyWhileTheCheckBoxIsTicked) {
    CQuestionBox box;
    std::vector<bool> enabled;
    const int result = Run(
        box,
        [&](CQuestionBox& b) {
            enabled.push_back(b.IsCommandEnabled(ID_QB_NEXT) ||
                              b.Button(IDC_QB_BUTTON_NEXT)->isEnabled());
            EXPECT_FALSE(b.SendCommand(ID_QB_NEXT));
            b.ControlAs<QCheckBox>(IDC_QB_CHECK)->click();
            enabled.push_back(b.IsCommandEnabled(ID_QB_NEXT) &&
                              b.Button(IDC_QB_BUTTON_NEXT)->isEnabled());
            b.ControlAs<QCheckBox>(IDC_QB_CHECK)->click();
            enabled.push_back(b.IsCommandEnabled(ID_QB_NEXT));
            b.ControlAs<QCheckBox>(IDC_QB_CHECK)->click();
            b.Button(IDC_QB_BUTTON_NEXT)->click();
        },
        Q::kCancelNextCheckRequired);
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(result, kResultNext);
    EXPECT_TRUE(box.IsChecked());
}

TEST_F(QuestionBoxTest, KindEightOffersNextOnlyWithTheFirstChoice) {
    CQuestionBox box;
    std::vector<bool> enabled;
    const int result = Run(
        box,
        [&](CQuestionBox& b) {
            EXPECT_TRUE(b.ControlAs<QRadioButton>(IDC_QB_RADIO_SECOND)->isChecked());
            enabled.push_back(b.IsCommandEnabled(ID_QB_NEXT));
            b.ControlAs<QRadioButton>(IDC_QB_RADIO_FIRST)->click();
            enabled.push_back(b.IsCommandEnabled(ID_QB_NEXT) &&
                              b.Button(IDC_QB_BUTTON_NEXT)->isEnabled());
            b.ControlAs<QRadioButton>(IDC_QB_RADIO_SECOND)->click();
            enabled.push_back(b.IsCommandEnabled(ID_QB_NEXT));
            b.ControlAs<QRadioButton>(IDC_QB_RADIO_FIRST)->click();
            b.SendCommand(ID_QB_NEXT);
        },
        Q::kCancelNextRadioRequired);
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(result, kResultNext);
    EXPECT_EQ(box.GetChoice(), 0);
}

TEST_F(QuestionBoxTest, TicksAndChoicesMadeByAScreenReaderCountLikeTaps) {
    // The Toggle action changes the control without a click.
    const auto toggle = [](QWidget* control) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(access, nullptr);
        QAccessibleActionInterface* action = access->actionInterface();
        ASSERT_NE(action, nullptr);
        action->doAction(QAccessibleActionInterface::toggleAction());
    };
    CQuestionBox check;
    bool nextOffered = false;
    EXPECT_EQ(Run(
                  check,
                  [&](CQuestionBox& b) {
                      toggle(b.Control(IDC_QB_CHECK));
                      nextOffered = b.IsCommandEnabled(ID_QB_NEXT);
                      b.SendCommand(ID_QB_NEXT);
                  },
                  Q::kCancelNextCheckRequired),
              kResultNext);
    EXPECT_TRUE(nextOffered);
    EXPECT_TRUE(check.IsChecked());

    CQuestionBox choice;
    EXPECT_EQ(Run(
                  choice,
                  [&](CQuestionBox& b) {
                      toggle(b.Control(IDC_QB_RADIO_FIRST));
                      b.SendCommand(IDOK_COMMAND);
                  },
                  Q::kCancelOkRadio),
              kResultOk);
    EXPECT_EQ(choice.GetChoice(), 0);
}

TEST_F(QuestionBoxTest, KindThreeOpensOnTheSecondChoice) {
    {
        CQuestionBox box;
        box.SetOptionTexts(LoadFormatted(IDS_REMOVE_IMAGE_DELETE_IMAGE),
                           LoadFormatted(IDS_ONLY_REMOVE_IMAGE_FROM));
        EXPECT_EQ(Run(
                      box, [](CQuestionBox& b) { b.SendCommand(IDOK_COMMAND); }, Q::kCancelOkRadio),
                  kResultOk);
        EXPECT_EQ(box.GetChoice(), 1);
        EXPECT_EQ(box.GetDlgItemText(IDC_QB_RADIO_FIRST),
                  "Remove the image & delete the image file");
    }
    CQuestionBox box;
    EXPECT_EQ(Run(
                  box,
                  [](CQuestionBox& b) {
                      b.ControlAs<QRadioButton>(IDC_QB_RADIO_FIRST)->click();
                      b.SendCommand(IDOK_COMMAND);
                  },
                  Q::kCancelOkRadio),
              kResultOk);
    EXPECT_EQ(box.GetChoice(), 0);
}

TEST_F(QuestionBoxTest, KindTenSwapsToItsSecondPictureAfterHalfASecond) {
    CQuestionBox box;
    box.SetKind(Q::kDontShowAgain);
    std::uint32_t early = 0, late = 0;
    QTimer::singleShot(250, &box, [&] { early = box.CurrentPicture(); });
    QTimer::singleShot(700, &box, [&] {
        late = box.CurrentPicture();
        box.EndDialog(IDOK);
    });
    box.Show();
    EXPECT_EQ(early, IDB_MSG_NO_CAMERA_1);
    EXPECT_EQ(late, IDB_MSG_NO_CAMERA_2);
}

TEST_F(QuestionBoxTest, TheBodyTakesTheRoomTheOptionalControlsLeave) {
    CQuestionBox plain, radios;
    plain.SetKind(Q::kCancelOk);
    radios.SetKind(Q::kCancelOkRadio);
    plain.ShowModeless();
    plain.Prepare();
    const int plainHeight = plain.Control(IDC_QB_BODY)->height();
    plain.DestroyScreen();
    radios.ShowModeless();
    radios.Prepare();
    const QRect body = radios.Control(IDC_QB_BODY)->geometry();
    const QRect first = radios.Control(IDC_QB_RADIO_FIRST)->geometry();
    EXPECT_LT(body.height(), plainHeight);
    EXPECT_LE(body.bottom(), first.top());
    EXPECT_EQ(body.top(), 80); // 23 dialog units at 480 x 640, below the 68-pixel header
    EXPECT_LE(radios.Button(IDC_QB_BUTTON_OK)->geometry().right(), radios.width());
    EXPECT_GE(radios.Button(IDC_QB_BUTTON_OK)->geometry().top(), radios.height() - 54);
    radios.DestroyScreen();
}

} // namespace
