#include "ui/toolkit/Dialog.h"

#include "resources/ResourceIds.h"
#include "tests/support/SkinnedDeviceTest.h"

#include <QLineEdit>
#include <QTest>

namespace {

using namespace ids;

class DialogTest : public CSkinnedDeviceTest {
protected:
    void TearDown() override {
        if (m_dialog)
            m_dialog->DestroyScreen();
        m_dialog.reset();
        CSkinnedDeviceTest::TearDown();
    }

    std::unique_ptr<CDialog> m_dialog;
};

TEST_F(DialogTest, AControlAttachedBeforeTheScreenIsShownComesUpWithIt) {
    m_dialog = std::make_unique<CDialog>(IDD_MAIN);
    ASSERT_FALSE(m_dialog->isVisible());
    const QRect placeHolder = m_dialog->Control(IDC_STRIP)->geometry();
    auto* control = new QWidget;
    m_dialog->AttachControl(IDC_STRIP, control);
    // A place holder the screen hid keeps its control hidden.
    m_dialog->ShowControl(IDC_PREVIEW, false);
    auto* hidden = new QWidget;
    m_dialog->AttachControl(IDC_PREVIEW, hidden);
    EXPECT_EQ(control->parentWidget(), m_dialog.get());
    EXPECT_EQ(m_dialog->Control(IDC_STRIP), control);
    EXPECT_EQ(control->geometry(), placeHolder);
    EXPECT_FALSE(control->isHidden());

    m_dialog->ShowModeless();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_dialog->isVisible(); }));
    EXPECT_TRUE(control->isVisible());
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_TRUE(hidden->isHidden());
}

TEST_F(DialogTest, AControlAttachedToAShownScreenIsVisibleAtOnce) {
    m_dialog = std::make_unique<CDialog>(IDD_MAIN);
    m_dialog->ShowModeless();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_dialog->isVisible(); }));
    auto* control = new QWidget;
    m_dialog->AttachControl(IDC_STRIP, control);
    EXPECT_TRUE(control->isVisible());
}

TEST_F(DialogTest, TheInputPanelComesUpFromTheSecondFocusOfAFieldOn) {
    m_dialog = std::make_unique<CDialog>(IDD_MAIN);
    auto* first = new QLineEdit(m_dialog.get());
    auto* second = new QLineEdit(m_dialog.get());
    auto* other = new QLineEdit(m_dialog.get());
    m_dialog->RaiseInputPanelOnFocus(first);
    m_dialog->RaiseInputPanelOnFocus(second);
    m_dialog->RaiseInputPanelOnFocus(second); // once is enough
    m_dialog->ShowModeless();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_dialog->isVisible(); }));
    auto focus = [&](QLineEdit* field) {
        field->setFocus();
        return QTest::qWaitFor([&] { return field->hasFocus(); });
    };
    ASSERT_TRUE(focus(first));
    EXPECT_EQ(m_dialog->InputPanelRequests(), 0); // the focus the screen opened with
    ASSERT_TRUE(focus(other));
    EXPECT_EQ(m_dialog->InputPanelRequests(), 0); // not a field that wants the panel
    ASSERT_TRUE(focus(second));
    EXPECT_EQ(m_dialog->InputPanelRequests(), 1);
    ASSERT_TRUE(focus(first));
    EXPECT_EQ(m_dialog->InputPanelRequests(), 2);
}

} // namespace
