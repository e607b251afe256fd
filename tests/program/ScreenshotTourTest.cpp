#include "program/ScreenshotTour.h"

#include "app/Log.h"
#include "camera/CameraState.h"
#include "program/ScanApp.h"
#include "screens/MainDlg.h"
#include "skin/binding/SkinBinding.h"
#include "tests/support/TempHome.h"
#include "ui/device/DeviceWindow.h"
#include "ui/toolkit/QuestionBox.h"

#include <gmock/gmock.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// What the stops below saw; a stop is a plain function.
struct CStopLog {
    QString scratch;
    bool scratchExisted = false;
    QFile::Permissions scratchPermissions;
    bool laterStopRan = false;
};
CStopLog g_log;

// A stop whose work failed the way a PDF on a full disk does: its error box waits for an answer
// nobody gives.
void FailingStop(CTourContext& tour) {
    g_log.scratch = tour.ScratchFolder();
    CQuestionBox box(tour.Main());
    box.SetKind(CQuestionBox::kClose);
    box.SetTitles("Error", "Could not complete the PDF document");
    box.SetBody("writing failed (disk full?)");
    box.Show();
}

void LaterStop(CTourContext& tour) {
    g_log.laterStopRan = true;
    const QFileInfo scratch(tour.ScratchFolder());
    g_log.scratch = scratch.filePath();
    g_log.scratchExisted = scratch.isDir();
    g_log.scratchPermissions = scratch.permissions();
}

class ScreenshotTourTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        g_log = {};
        m_device = std::make_unique<CDeviceWindow>(QSize(240, 320));
        m_device->show();
        ASSERT_TRUE(WriteCameraHardwareValue(true));
    }
    void TearDown() override {
        UnbindSkinLibrary();
        m_device.reset();
        CTempHomeTest::TearDown();
    }
    // The program's start-up with the tour hooked in; the skin libraries are built beside the
    // test programs.
    void RunProgram(CScreenshotTour& tour) {
        CStartupServices services = DefaultStartupServices();
        services.bindSkin = [](int* error) {
            return BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), ProcessLog(), error);
        };
        tour.Install(services);
        CScanApp(services).InitInstance();
    }

    std::unique_ptr<CDeviceWindow> m_device;
};

TEST_F(ScreenshotTourTest, AStopLeavingAnErrorBoxOpenEndsTheTourAsFailedInsteadOfWaiting) {
    CScreenshotTour tour(PathIn("shots"), m_device.get(),
                         {{"failing", &FailingStop}, {"later", &LaterStop}});
    RunProgram(tour);
    EXPECT_TRUE(tour.Failed());
    EXPECT_FALSE(g_log.laterStopRan);
    EXPECT_THAT(tour.Problems(),
                testing::ElementsAre("the tour stop failing failed: Error: Could not complete the "
                                     "PDF document: writing failed (disk full?)",
                                     "the tour stopped after failing"));
    EXPECT_TRUE(m_device->Stack().empty()); // ended through the normal shut-down
    EXPECT_TRUE(QFile::exists(PathIn("shots/02-main.png")));
}

TEST_F(ScreenshotTourTest, TheScratchFolderIsAFreshPrivateOneWithOrWithoutAHome) {
    {
        CScreenshotTour tour(PathIn("shots"), m_device.get(), {{"later", &LaterStop}});
        RunProgram(tour);
        EXPECT_FALSE(tour.Failed()) << tour.Problems().join("\n").toStdString();
        EXPECT_TRUE(g_log.laterStopRan);
        EXPECT_TRUE(g_log.scratchExisted);
        EXPECT_EQ(QFileInfo(g_log.scratch).path(), Home());
        EXPECT_EQ(g_log.scratchPermissions &
                      (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
                  QFile::Permissions());
    }
    EXPECT_FALSE(QFileInfo::exists(g_log.scratch)); // gone with the tour

    // A home that does not exist yet is made, as the program would make it.
    const QByteArray home = qgetenv("QUILLMARK_HOME");
    qputenv("QUILLMARK_HOME", QFile::encodeName(PathIn("new/home")));
    {
        CScreenshotTour tour(PathIn("shots"), m_device.get(), {});
        EXPECT_EQ(QFileInfo(tour.ScratchFolder()).path(), PathIn("new/home"));
        EXPECT_TRUE(QFileInfo(tour.ScratchFolder()).isDir());
    }
    qunsetenv("QUILLMARK_HOME");
    CScreenshotTour first(PathIn("shots"), m_device.get(), {});
    CScreenshotTour second(PathIn("shots"), m_device.get(), {});
    qputenv("QUILLMARK_HOME", home);
    EXPECT_NE(first.ScratchFolder(), second.ScratchFolder());
    for (const CScreenshotTour* tour : {&first, &second}) {
        const QFileInfo scratch(tour->ScratchFolder());
        EXPECT_TRUE(scratch.isDir());
        EXPECT_EQ(scratch.path(), QDir::tempPath());
        EXPECT_TRUE(scratch.isWritable());
        EXPECT_EQ(scratch.permissions() &
                      (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
                  QFile::Permissions());
    }
}

} // namespace
