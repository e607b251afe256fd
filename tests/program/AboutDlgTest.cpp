#include "program/AboutDlg.h"

#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "tests/support/SkinnedDeviceTest.h"

namespace {

using namespace ids;

class AboutDlgTest : public CSkinnedDeviceTest {};

// The logo keeps its place (bottom s(50) above the screen's bottom) and its size wherever there
// is room; in landscape it is scaled down into the room under the texts, never over them.
TEST_F(AboutDlgTest, TheLogoNeverCoversTheTextsOnAnySupportedScreen) {
    const struct {
        QSize screen;
        QRect logo;
    } kScreens[] = {{{240, 320}, {88, 154, 64, 64}},
                    {{320, 240}, {138, 95, 43, 43}},
                    {{480, 640}, {176, 308, 128, 128}},
                    {{640, 480}, {277, 190, 86, 86}}};
    for (const auto& expected : kScreens) {
        SCOPED_TRACE(expected.screen.width());
        UseScreen(expected.screen);
        CAboutDlg about;
        about.ShowModeless();
        ASSERT_TRUE(WaitFor([&] { return about.HasPainted(); }));
        const QRect logo = about.LogoRect();
        const QRect web = about.Control(IDC_WEB_ADDRESS)->geometry();
        EXPECT_EQ(logo, expected.logo);
        EXPECT_FALSE(logo.intersects(web));
        EXPECT_GE(logo.top(), web.bottom() + 1 + ScalePixels(4));
        EXPECT_EQ(logo.bottom() + 1, about.height() - ScalePixels(50));
        // Assistive tools find the logo where it is drawn.
        EXPECT_EQ(about.PictureDescriptions().at(IDB_LOGO).rect, logo);
        about.DestroyScreen();
    }
}

} // namespace
