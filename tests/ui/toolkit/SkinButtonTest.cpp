#include "ui/toolkit/SkinButton.h"

#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "tests/support/SkinnedDeviceTest.h"

#include <QSignalSpy>
#include <QTest>

namespace {

class SkinButtonTest : public CSkinnedDeviceTest {};

TEST_F(SkinButtonTest, CancelUsesTheLargeFacesAndItsIconOnVga) {
    CSkinButton button(m_device.get());
    EXPECT_EQ(SetupStandardButton(&button, kButtonCancel), 1);
    EXPECT_EQ(button.FaceSize(), QSize(151, 46));
    EXPECT_EQ(button.sizeHint(), QSize(151, 46));
    EXPECT_EQ(button.text(), "Cancel");
    EXPECT_EQ(button.Align(), CSkinButton::kIconRight);
    EXPECT_FALSE(button.isFlat()); // faces come last: standard buttons never hover
    EXPECT_EQ(button.IconHandle(0), SkinAddImage(ids::IDB_ICON_CANCEL));
    EXPECT_EQ(button.FaceBackground(), 0xF8F8F8u);
}

TEST_F(SkinButtonTest, CancelUsesTheSmallFacesOnQvga) {
    UseScreen(QSize(240, 320));
    CSkinButton button(m_device.get());
    SetupStandardButton(&button, kButtonCancel);
    EXPECT_EQ(button.FaceSize(), QSize(76, 23));
}

TEST_F(SkinButtonTest, DisabledStandardButtonShowsTheDisabledFaceAndAnEmbossedCaption) {
    CSkinButton button(m_device.get());
    SetupStandardButton(&button, kButtonOk);
    button.resize(button.sizeHint());
    button.show();
    EXPECT_EQ(button.CurrentFace(), CSkinButton::kFaceNormal);
    button.setEnabled(false);
    EXPECT_EQ(button.CurrentFace(), CSkinButton::kFaceDisabled);
    const QImage image = button.grab().toImage();
    int highlight = 0, shadow = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() / 2; ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            highlight += p == 0xFFFFFF;
            shadow += p == 0xA0A0A0;
        }
    EXPECT_GT(shadow, 5) << "caption in the shadow colour";
    EXPECT_GT(highlight, 5) << "its highlight one pixel lower right";
}

TEST_F(SkinButtonTest, OtherKindsChangeNothing) {
    CSkinButton button(m_device.get());
    button.setText("Mine");
    EXPECT_EQ(SetupStandardButton(&button, EButtonKind(16)), 0);
    EXPECT_EQ(SetupStandardButton(&button, EButtonKind(6)), 0);
    EXPECT_EQ(SetupStandardButton(&button, EButtonKind(24)), 0);
    EXPECT_EQ(button.text(), "Mine");
    EXPECT_FALSE(button.UsesFaces());
    EXPECT_TRUE(button.isFlat());
    EXPECT_EQ(SetupStandardButton(&button, kButtonPlain), 1);
    EXPECT_EQ(button.text(), "Mine");
    EXPECT_EQ(button.Align(), CSkinButton::kIconLeft);
    EXPECT_EQ(button.CurrentIcon(), 0);
}

TEST_F(SkinButtonTest, AlignmentOutsideTheThreeIsRefused) {
    CSkinButton button;
    EXPECT_EQ(button.SetAlign(1), 0);
    EXPECT_EQ(button.SetAlign(3), 4);
    EXPECT_EQ(button.SetAlign(-1), 4);
    EXPECT_EQ(button.Align(), 1);
}

TEST_F(SkinButtonTest, CheckBoxModeTogglesOnEachClickAndLooksPressedWhileChecked) {
    CSkinButton button(m_device.get());
    button.SetFaces(ids::IDB_BUTTON_HOVER, ids::IDB_BUTTON_NORMAL, ids::IDB_BUTTON_DISABLED,
                    ids::IDB_BUTTON_PRESSED, false, false);
    button.SetCheckBoxMode(true);
    button.click();
    EXPECT_TRUE(button.isChecked());
    EXPECT_EQ(button.CurrentFace(), CSkinButton::kFacePressed);
    button.click();
    EXPECT_FALSE(button.isChecked());
}

// Checked and flat are QAbstractButton's and QPushButton's own state: code that knows only
// those (the settings pages read their check boxes so) sees what the button shows.
TEST_F(SkinButtonTest, CheckedAndFlatAreTheQtButtonsOwnState) {
    CSkinButton button(m_device.get());
    button.SetFaces(ids::IDB_BUTTON_HOVER, ids::IDB_BUTTON_NORMAL, ids::IDB_BUTTON_DISABLED,
                    ids::IDB_BUTTON_PRESSED, false, false);
    button.SetCheckBoxMode(true);
    QAbstractButton& generic = button;
    QSignalSpy toggled(&generic, &QAbstractButton::toggled);
    button.click();
    EXPECT_TRUE(generic.isCheckable());
    EXPECT_TRUE(generic.isChecked());
    EXPECT_EQ(toggled.count(), 1);
    generic.setChecked(false);
    EXPECT_EQ(button.CurrentFace(), CSkinButton::kFaceNormal);
    generic.setChecked(true);
    EXPECT_EQ(button.CurrentFace(), CSkinButton::kFacePressed);
    // A click that opens a web address toggles nothing.
    button.SetWebAddress("https://example.org");
    qputenv("QUILLMARK_OPENER", "true");
    button.click();
    qunsetenv("QUILLMARK_OPENER");
    EXPECT_TRUE(generic.isChecked());

    QPushButton& push = button;
    EXPECT_FALSE(push.isFlat()); // SetFaces said so
    button.SetFlat(true);
    EXPECT_TRUE(push.isFlat());
    push.setFlat(false);
    EXPECT_FALSE(button.isFlat());
}

TEST_F(SkinButtonTest, AFlatButtonHoversAndLeavesWithinATimerTick) {
    CSkinButton button(m_device.get());
    button.setGeometry(10, 60, 100, 40);
    button.show();
    QTest::mouseMove(&button, QPoint(50, 20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return button.IsHovering(); }, 500));
    QCursor::setPos(m_device->mapToGlobal(QPoint(400, 500)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button.IsHovering(); }, 3 * kHoverTimerMs));
}

TEST_F(SkinButtonTest, APlatformIconIsDrawnWhereTheAlignmentSays) {
    CSkinButton button(m_device.get());
    QPixmap red(8, 8);
    red.fill(Qt::red);
    button.SetPlatformIcons(QIcon(red), QIcon(red), QIcon(red), QSize(8, 8));
    button.SetAlign(CSkinButton::kIconLeft);
    button.resize(60, 20);
    button.show();
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixel(2 * 3 + 1, 10), qRgb(255, 0, 0)); // inset 3 pixels, doubled on VGA
    EXPECT_NE(image.pixel(30, 10), qRgb(255, 0, 0));
}

TEST_F(SkinButtonTest, AMissingFaceFallsBackToTheFirst) {
    CSkinButton button(m_device.get());
    button.SetFaces(ids::IDB_BUTTON_HOVER, ids::IDB_BUTTON_NORMAL, 0, 0, false, false);
    button.setEnabled(false);
    EXPECT_EQ(button.CurrentFace(), CSkinButton::kFaceHover);
}

} // namespace
