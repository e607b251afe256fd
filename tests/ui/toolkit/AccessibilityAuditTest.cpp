#include "ui/toolkit/AccessibilityAudit.h"

#include "resources/ResourceIds.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "ui/device/Screen.h"
#include "ui/toolkit/QuestionBox.h"
#include "ui/toolkit/SkinButton.h"

#include <QLineEdit>
#include <QTimer>

namespace {

class AccessibilityAuditTest : public CSkinnedDeviceTest {
protected:
    void SetUp() override {
        CSkinnedDeviceTest::SetUp();
        m_screen = std::make_unique<CScreen>();
        m_screen->SetMenuBar(CMenuTemplate{150, CSoftKey{"Close", 32778, {}}, CSoftKey{}, {}});
        m_screen->ShowModeless();
    }
    void TearDown() override {
        m_screen.reset();
        CSkinnedDeviceTest::TearDown();
    }
    CSkinButton* PictureButton() {
        auto* button = new CSkinButton(m_screen.get());
        button->SetFaces(ids::IDB_BIG_SCAN, ids::IDB_BIG_SCAN, 0, 0, true, true);
        button->setGeometry(16, 40, 64, 64);
        m_screen->AddControl(10049, button);
        button->show();
        return button;
    }

    std::unique_ptr<CScreen> m_screen;
};

TEST_F(AccessibilityAuditTest, APictureOnlyButtonWithoutANameIsReported) {
    PictureButton();
    const QStringList problems = FindUnnamedControls(m_device.get());
    ASSERT_EQ(problems.size(), 1) << problems.join("\n").toStdString();
    EXPECT_TRUE(problems[0].startsWith("Button at ")) << problems[0].toStdString();
    EXPECT_TRUE(problems[0].contains("64x64")) << problems[0].toStdString();
}

TEST_F(AccessibilityAuditTest, NamedControlsHiddenOnesAndSoftKeysPass) {
    PictureButton()->setAccessibleName("Scan");
    auto* hidden = new CSkinButton(m_screen.get());
    hidden->hide();
    auto* edit = new QLineEdit(m_screen.get());
    edit->setAccessibleName("File name");
    edit->show();
    EXPECT_EQ(FindUnnamedControls(m_device.get()), QStringList());
    edit->setAccessibleName({});
    EXPECT_EQ(FindUnnamedControls(m_device.get()).size(), 1);
}

TEST_F(AccessibilityAuditTest, EveryKindOfQuestionBoxPasses) {
    for (int kind = CQuestionBox::kClose; kind <= CQuestionBox::kDontShowAgain; ++kind) {
        CQuestionBox box(m_screen.get());
        box.SetKind(CQuestionBox::EKind(kind));
        box.SetTitles("Question", "Save session?");
        box.SetBody("Save the current session?");
        box.SetOptionTexts("Don't show this message again", "No");
        QStringList problems;
        QTimer::singleShot(0, &box, [&] {
            problems = FindUnnamedControls(m_device.get());
            box.EndDialog(IDCANCEL);
        });
        box.Show();
        EXPECT_EQ(problems, QStringList()) << "kind " << kind;
    }
}

} // namespace
