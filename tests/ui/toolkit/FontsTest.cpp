#include "ui/toolkit/Fonts.h"

#include "tests/support/SkinnedDeviceTest.h"

#include <QLabel>

namespace {

TEST(FontsTest, CaptionKindIsBoldNinePointSizedFromThePixelsPerInch) {
    const int code = FontCodeFor(kFontCaption, false, 1);
    EXPECT_EQ(code, kFontBold | 9);
    EXPECT_EQ(MakeFont(code, 96).pixelSize(), 12);
    EXPECT_EQ(MakeFont(code, 96).weight(), QFont::Bold);
    EXPECT_EQ(MakeFont(FontCodeFor(kFontCaption, true, 3), 192).pixelSize(), 24);
}

TEST(FontsTest, TheTableFollowsResolutionAndTheSquareScreen) {
    EXPECT_EQ(FontCodeFor(kFontHeading, true, 3), 6);
    EXPECT_EQ(FontCodeFor(kFontHeading, false, 1), 8);
    EXPECT_EQ(FontCodeFor(kFontMessageBody, true, 3), kFontBold | 6);
    EXPECT_EQ(FontCodeFor(kFontMessageBody, false, 1), 7);
    EXPECT_EQ(FontCodeFor(kFontMessageBody, false, 6), 6); // 320 x 320: one point less, regular
    EXPECT_EQ(FontCodeFor(kFontBigButton, false, 6), kFontBold | 6);
    EXPECT_EQ(FontCodeFor(kFontTitle, false, 6), kFontBold | 9);
    EXPECT_EQ(FontCodeFor(EFontKind(17), false, 1), kFontBold | 10);
    EXPECT_EQ(FontCodeFor(EFontKind(99), false, 1), kFontBold | 10);
    EXPECT_EQ(FontCodeFor(EFontKind(99), false, 6), kFontBold | 9);
    EXPECT_EQ(FontCodeFor(EFontKind(19), true, 3), kFontBold | 12);
}

class SharedFontsTest : public CSkinnedDeviceTest {};

TEST_F(SharedFontsTest, FontsAreSharedByCodeAndMadeAnewAfterBinding) {
    const QFont* a = GetFont(kFontBold | 9);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, GetFont(kFontBold | 9));
    EXPECT_EQ(a->pixelSize(), 24); // 480 x 640 counts as 192 pixels per inch
    EXPECT_EQ(GetFont(kFontNone | 9), nullptr);
    EXPECT_EQ(GetFont(kFontBold), nullptr);
    UseScreen(QSize(240, 320));
    EXPECT_EQ(GetFont(kFontBold | 9)->pixelSize(), 12);

    QLabel label;
    ApplyFont(kFontUnderline | 8, &label);
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.font().pixelSize(), 10);
}

} // namespace
