#include "skin/binding/SkinBinding.h"

#include "app/Log.h"
#include "platform/Device.h"
#include "resources/ids/SkinIds.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

// Where the build puts the program and its skin libraries.
QString ProgramFolder() {
    return QStringLiteral(QM_SKIN_LIBRARY_DIR);
}

class SkinBindingTest : public CTempHomeTest {
protected:
    void SetUp() override { CTempHomeTest::SetUp(); }
    void TearDown() override {
        UnbindSkinLibrary();
        platform::SetDeviceScreenSize(QSize(480, 640));
        CTempHomeTest::TearDown();
    }
    // A program folder of our own holding copies of the given files.
    QString FolderWith(const QStringList& sources, const QStringList& names) {
        QString folder = PathIn("program");
        QDir().mkpath(folder);
        for (qsizetype i = 0; i < sources.size(); ++i)
            EXPECT_TRUE(QFile::copy(sources[i], folder + "/" + names[i]));
        return folder;
    }

    int m_error = -1;
};

} // namespace

TEST_F(SkinBindingTest, HighResolutionScreenBindsTheVgaLibraryAndKeepsTheOther) {
    platform::SetDeviceScreenSize(QSize(480, 640));
    const QString folder =
        FolderWith({ProgramFolder() + "/Quillmark.vga", ProgramFolder() + "/Quillmark.qvga"},
                   {"Quillmark.vga", "Quillmark.qvga"});
    const int generation = SkinBindingGeneration();
    ASSERT_TRUE(BindSkinLibraryFrom(folder, nullptr, &m_error));
    EXPECT_EQ(SkinBindingGeneration(), generation + 1);
    EXPECT_TRUE(IsHighResolution());
    EXPECT_EQ(ScalePixels(5), 10);
    EXPECT_EQ(BoundSkinLibraryPath(), folder + "/Quillmark.vga");
    ASSERT_TRUE(SkinManager());
    EXPECT_EQ(SkinManager()->GetVersion(), 80);
    EXPECT_EQ(SkinImageSize(SkinAddImage(ids::IDB_BUTTON_HOVER)), QSize(151, 46));
    EXPECT_EQ(SkinImageSize(SkinAddImage(ids::IDB_SPLASH)), QSize(360, 254));
    // Both files stay, so the next start at the other size still finds its library.
    EXPECT_TRUE(QFileInfo::exists(folder + "/Quillmark.qvga"));
    EXPECT_TRUE(QFileInfo::exists(folder + "/Quillmark.vga"));
    EXPECT_EQ(m_error, 0);

    // The flag stays for the run even when the device is turned to another class.
    platform::SetDeviceScreenSize(QSize(600, 1024));
    EXPECT_TRUE(IsHighResolution());
}

TEST_F(SkinBindingTest, LowResolutionAndUnknownScreensBindTheQvgaLibrary) {
    for (const QSize& screen : {QSize(240, 320), QSize(600, 1024)}) {
        platform::SetDeviceScreenSize(screen);
        ASSERT_TRUE(BindSkinLibraryFrom(ProgramFolder(), nullptr));
        EXPECT_FALSE(IsHighResolution());
        EXPECT_EQ(ScalePixels(5), 5);
        EXPECT_TRUE(BoundSkinLibraryPath().endsWith("/Quillmark.qvga"));
        EXPECT_EQ(SkinImageSize(SkinAddImage(ids::IDB_BUTTON_HOVER)), QSize(76, 23));
        EXPECT_EQ(SkinImageSize(SkinAddImage(ids::IDB_ICON_HELP)), QSize(22, 22));
    }
    EXPECT_TRUE(QFileInfo::exists(ProgramFolder() + "/Quillmark.vga"));
}

TEST_F(SkinBindingTest, MissingLibraryFileShowsError4097) {
    platform::SetDeviceScreenSize(QSize(480, 640));
    // Only the other resolution's file is there.
    const QString folder = FolderWith({ProgramFolder() + "/Quillmark.qvga"}, {"Quillmark.qvga"});
    EXPECT_FALSE(BindSkinLibraryFrom(folder, nullptr, &m_error));
    EXPECT_EQ(m_error, 4097);
    EXPECT_FALSE(SkinManager());
    EXPECT_EQ(SkinAddImage(ids::IDB_LOGO), 0);
    EXPECT_EQ(SkinImageSize(1), QSize(0, 0));
    EXPECT_EQ(SkinReleaseImage(10000), 0);
}

TEST_F(SkinBindingTest, LibraryAnsweringVersion79IsRefusedWithError4096) {
    platform::SetDeviceScreenSize(QSize(480, 640));
    const QString folder = FolderWith({QStringLiteral(QM_TEST_SKIN_V79)}, {"Quillmark.vga"});
    EXPECT_FALSE(BindSkinLibraryFrom(folder, nullptr, &m_error));
    EXPECT_EQ(m_error, 4096);
    EXPECT_FALSE(SkinManager());
    EXPECT_TRUE(BoundSkinLibraryPath().isEmpty());
}

TEST_F(SkinBindingTest, LibraryWithoutAManagerBindsAndDrawsNothing) {
    platform::SetDeviceScreenSize(QSize(480, 640));
    const QString folder = FolderWith({QStringLiteral(QM_TEST_SKIN_NO_MANAGER)}, {"Quillmark.vga"});
    EXPECT_TRUE(BindSkinLibraryFrom(folder, nullptr, &m_error));
    EXPECT_EQ(m_error, 0);
    EXPECT_FALSE(SkinManager());
    EXPECT_EQ(SkinAddImage(ids::IDB_LOGO), 0);
    EXPECT_EQ(SkinImageSize(10000), QSize(0, 0));
}

TEST_F(SkinBindingTest, LibraryMissingAnExportFailsWithoutAMessage) {
    platform::SetDeviceScreenSize(QSize(480, 640));
    const QString folder = FolderWith({QStringLiteral(QM_TEST_SKIN_NO_CLEANUP)}, {"Quillmark.vga"});
    EXPECT_FALSE(BindSkinLibraryFrom(folder, nullptr, &m_error));
    EXPECT_EQ(m_error, 0);
    EXPECT_FALSE(SkinManager());
    EXPECT_TRUE(BoundSkinLibraryPath().isEmpty());
}

TEST_F(SkinBindingTest, LibraryThatIsNoLibraryFailsWithoutAMessage) {
    platform::SetDeviceScreenSize(QSize(240, 320));
    const QString folder = PathIn("program");
    QDir().mkpath(folder);
    WriteFile(folder + "/Quillmark.qvga", "not an ELF file");
    EXPECT_FALSE(BindSkinLibraryFrom(folder, nullptr, &m_error));
    EXPECT_EQ(m_error, 0);
    EXPECT_FALSE(SkinManager());
}

TEST_F(SkinBindingTest, TheProgramLogReceivesTheLibrarysFirstRecord) {
    OpenLog(PathIn("Quillmark.log"));
    EnableDiagnosticLog();
    platform::SetDeviceScreenSize(QSize(480, 640));
    ASSERT_TRUE(BindSkinLibraryFrom(ProgramFolder(), ProcessLog()));
    CloseLog();
    const QByteArray log = ReadFile(PathIn("Quillmark.log"));
    EXPECT_TRUE(log.startsWith("[note @ ")) << log.constData();
    EXPECT_TRUE(log.endsWith("]: CTesManager() begin constructor...\r\n")) << log.constData();
}

TEST_F(SkinBindingTest, DialogRectanglesMapByResolution) {
    platform::SetDeviceScreenSize(QSize(480, 640));
    ASSERT_TRUE(BindSkinLibraryFrom(ProgramFolder(), nullptr));
    TesRect rect{4, 8, 40, 16};
    MapDialogRectForScreen(rect);
    EXPECT_EQ(rect.left, 14);
    EXPECT_EQ(rect.top, 28);
    EXPECT_EQ(rect.right, 140);
    EXPECT_EQ(rect.bottom, 56);
    EXPECT_EQ(MapDialogRectForScreen(4, 8, 36, 8), QRect(14, 28, 126, 28));

    platform::SetDeviceScreenSize(QSize(240, 320));
    ASSERT_TRUE(BindSkinLibraryFrom(ProgramFolder(), nullptr));
    rect = {4, 8, 40, 16};
    MapDialogRectForScreen(rect);
    EXPECT_EQ(rect.left, 7);
    EXPECT_EQ(rect.top, 14);
    EXPECT_EQ(rect.right, 70);
    EXPECT_EQ(rect.bottom, 28);

    platform::SetDeviceScreenSize(QSize(320, 320));
    ASSERT_TRUE(BindSkinLibraryFrom(ProgramFolder(), nullptr));
    rect = {4, 8, 40, 16};
    MapDialogRectForScreen(rect);
    EXPECT_EQ(rect.left, 9);
    EXPECT_EQ(rect.top, 19);
    EXPECT_EQ(rect.right, 90);
    EXPECT_EQ(rect.bottom, 38);
}

namespace {

// The picture drawn alone on white at the bound library's picture ratio.
QImage DrawnAlone(std::int32_t handle) {
    const int ratio = SkinPictureRatio();
    QImage image(SkinImageSize(handle) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(0xFFFFFFFF);
    EXPECT_EQ(SkinDrawImage(image, handle, 0, 0), 1);
    return image;
}

} // namespace

TEST_F(SkinBindingTest, ARatioChangeBindsThePicturesThatFitAndEveryHandleDrawsOn) {
    platform::SetDeviceScreenSize(QSize(240, 320));
    platform::SetDeviceScreenRatio(1.0);
    const QString folder =
        FolderWith({ProgramFolder() + "/Quillmark.vga", ProgramFolder() + "/Quillmark.qvga"},
                   {"Quillmark.vga", "Quillmark.qvga"});
    ASSERT_TRUE(BindSkinLibraryFrom(folder, nullptr));
    const std::int32_t button = SkinAddImage(ids::IDB_BUTTON_HOVER);
    const std::int32_t face = SkinAddImageOnColour(ids::IDB_BUTTON_NORMAL, TesRgb(0xF8, 0, 0));
    ASSERT_GT(button, 0);
    ASSERT_GT(face, 0);
    const QImage small = DrawnAlone(face);
    const int generation = SkinBindingGeneration();

    // The same ratio changes nothing.
    EXPECT_TRUE(FollowSkinRatio(1.0));
    EXPECT_EQ(SkinBindingGeneration(), generation);

    // Onto a 2x display: the VGA pictures at half size, the layout stays small.
    ASSERT_TRUE(FollowSkinRatio(2.0));
    EXPECT_EQ(BoundSkinLibraryPath(), folder + "/Quillmark.vga");
    EXPECT_EQ(SkinPictureRatio(), 2);
    EXPECT_EQ(SkinBindingGeneration(), generation + 1);
    EXPECT_FALSE(IsHighResolution());
    EXPECT_EQ(ScalePixels(5), 5);
    EXPECT_EQ(SkinImageSize(button), QSize(76, 23));
    const QImage dense = DrawnAlone(face);
    EXPECT_EQ(dense.size(), QSize(152, 46));
    // Exactly what a start on that display draws, the colour under the corners included.
    const QImage afterMove = DrawnAlone(button);
    UnbindSkinLibrary();
    platform::SetDeviceScreenRatio(2.0);
    ASSERT_TRUE(BindSkinLibraryFrom(folder, nullptr));
    EXPECT_EQ(DrawnAlone(SkinAddImageOnColour(ids::IDB_BUTTON_NORMAL, TesRgb(0xF8, 0, 0))), dense);
    EXPECT_EQ(DrawnAlone(SkinAddImage(ids::IDB_BUTTON_HOVER)), afterMove);

    // And back to a 1x display; a released picture stays released.
    const std::int32_t logo = SkinAddImage(ids::IDB_LOGO);
    const std::int32_t again = SkinAddImageOnColour(ids::IDB_BUTTON_NORMAL, TesRgb(0xF8, 0, 0));
    EXPECT_EQ(SkinReleaseImage(logo), 1);
    ASSERT_TRUE(FollowSkinRatio(1.0));
    EXPECT_EQ(BoundSkinLibraryPath(), folder + "/Quillmark.qvga");
    EXPECT_EQ(SkinPictureRatio(), 1);
    EXPECT_EQ(DrawnAlone(again), small);
    EXPECT_EQ(SkinImageSize(logo), QSize(-1, -1));
    platform::SetDeviceScreenRatio(1.0);
}

TEST_F(SkinBindingTest, ARatioChangeWithoutTheOtherLibraryKeepsTheBoundOne) {
    platform::SetDeviceScreenSize(QSize(240, 320));
    platform::SetDeviceScreenRatio(1.0);
    EXPECT_FALSE(FollowSkinRatio(2.0)); // nothing bound
    const QString folder = FolderWith({ProgramFolder() + "/Quillmark.qvga"}, {"Quillmark.qvga"});
    ASSERT_TRUE(BindSkinLibraryFrom(folder, nullptr));
    const std::int32_t button = SkinAddImage(ids::IDB_BUTTON_HOVER);
    const QImage before = DrawnAlone(button);
    EXPECT_FALSE(FollowSkinRatio(2.0));
    EXPECT_EQ(BoundSkinLibraryPath(), folder + "/Quillmark.qvga");
    EXPECT_EQ(SkinPictureRatio(), 1);
    EXPECT_EQ(DrawnAlone(button), before);
}
