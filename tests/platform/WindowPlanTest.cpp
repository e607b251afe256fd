#include "platform/WindowPlan.h"

#include <gtest/gtest.h>

namespace {

using platform::EWindowMode;
using platform::PlanWindow;
using platform::ScreenFacts;

ScreenFacts Facts(QSize available, const char* desktop = "", const char* formFactor = "") {
    ScreenFacts facts;
    facts.available = available;
    facts.desktop = QString::fromLatin1(desktop);
    facts.formFactor = QString::fromLatin1(formFactor);
    return facts;
}

TEST(WindowPlanTest, PhonesFillTheScreenByShellOrBySize) {
    // A phone at scale 2 (720 x 1440 pixels, panels taken off), by its shell and by its size.
    for (const char* desktop : {"Phosh:GNOME", "KDE:plasma-mobile", "sxmo", "Lomiri", ""}) {
        const auto plan = PlanWindow(Facts(QSize(360, 690), desktop));
        EXPECT_EQ(plan.mode, EWindowMode::kFullScreen) << desktop;
        EXPECT_EQ(plan.size, QSize(360, 690)) << desktop;
    }
    // Plasma Mobile names itself KDE; its form factor says phone. A tablet-sized screen under
    // a phone shell is still the phone's screen.
    EXPECT_EQ(PlanWindow(Facts(QSize(1200, 1920), "KDE", "phone:handset")).mode,
              EWindowMode::kFullScreen);
    EXPECT_EQ(PlanWindow(Facts(QSize(800, 1280), "phosh")).mode, EWindowMode::kFullScreen);
    // Exactly 720 on the shorter side is a phone; 721 is not.
    EXPECT_EQ(PlanWindow(Facts(QSize(1280, 720), "GNOME")).mode, EWindowMode::kFullScreen);
    EXPECT_EQ(PlanWindow(Facts(QSize(1280, 721), "GNOME")).mode, EWindowMode::kResizable);
    // A phone shell without a screen to ask opens at the default size, full screen.
    const auto blind = PlanWindow(Facts(QSize(), "Phosh"));
    EXPECT_EQ(blind.mode, EWindowMode::kFullScreen);
    EXPECT_EQ(blind.size, QSize(480, 640));
}

TEST(WindowPlanTest, DesktopsOpenAResizableWindowAtTheDefaultSize) {
    auto plan = PlanWindow(Facts(QSize(1920, 1050), "GNOME"));
    EXPECT_EQ(plan.mode, EWindowMode::kResizable);
    EXPECT_EQ(plan.size, QSize(480, 640));
    ScreenFacts turned = Facts(QSize(1920, 1050), "KDE");
    turned.turned = true;
    EXPECT_EQ(PlanWindow(turned).size, QSize(640, 480));
    // Names that merely contain a phone shell's name are desktops.
    EXPECT_EQ(PlanWindow(Facts(QSize(1920, 1050), "phoshine:X-Cinnamon")).mode,
              EWindowMode::kResizable);
    // No screen to ask (offscreen): the default window.
    plan = PlanWindow(Facts(QSize()));
    EXPECT_EQ(plan.mode, EWindowMode::kResizable);
    EXPECT_EQ(plan.size, QSize(480, 640));
}

TEST(WindowPlanTest, AGivenSizeIsKeptOnEveryHost) {
    for (const ScreenFacts& host : {Facts(QSize(360, 690), "Phosh"), Facts(QSize(1920, 1050))}) {
        ScreenFacts facts = host;
        facts.requested = QSize(240, 320);
        const auto plan = PlanWindow(facts);
        EXPECT_EQ(plan.mode, EWindowMode::kFixed);
        EXPECT_EQ(plan.size, QSize(240, 320));
    }
    // A size that is no size does not fix the window.
    ScreenFacts facts = Facts(QSize(1920, 1050));
    facts.requested = QSize(0, 320);
    EXPECT_EQ(PlanWindow(facts).mode, EWindowMode::kResizable);
}

} // namespace
