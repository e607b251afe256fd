#include "camera/CameraPipeline.h"

#include "tests/support/TempHome.h"
#include "tests/support/WaitFor.h"

#include <QDir>
#include <QImage>
#include <QImageReader>

#include <atomic>

namespace {

using EState = CCameraPipeline::EState;

class CameraPipelineTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_camera.SetNotify([this] { ++m_news; });
    }
    bool WaitForFrames(std::uint64_t count = 2) {
        return WaitFor([&] {
                   return m_camera.ViewFrameCount() >= count || m_camera.State() == EState::Failed;
               }) &&
               m_camera.ViewFrameCount() >= count;
    }
    std::optional<CStillResult> TakeStill(const QString& folder) {
        if (!m_camera.RequestStill(folder))
            return std::nullopt;
        std::optional<CStillResult> result;
        WaitFor([&] { return (result = m_camera.TakeStillResult()).has_value(); });
        return result;
    }
    std::atomic<int> m_news{0};
    CCameraPipeline m_camera;
};

TEST_F(CameraPipelineTest, TheViewfinderRunsAndAStillIsStoredAtTheCamerasSize) {
    ASSERT_TRUE(m_camera.Start("videotestsrc pattern=ball", QSize(0, 0)))
        << m_camera.ErrorText().toStdString();
    EXPECT_EQ(m_camera.RequestedCaps(), "ANY");
    ASSERT_TRUE(WaitForFrames()) << m_camera.ErrorText().toStdString();
    EXPECT_EQ(m_camera.State(), EState::Running);
    EXPECT_GT(m_news.load(), 0);
    EXPECT_EQ(m_camera.FrameSize(), QSize(320, 240)); // the test source's own default
    EXPECT_EQ(m_camera.ViewFrame().size(), QSize(320, 240));

    const std::optional<CStillResult> still = TakeStill(PathIn("Camera"));
    ASSERT_TRUE(still.has_value());
    ASSERT_EQ(still->code, kCaptureTaken) << still->error.toStdString();
    EXPECT_EQ(QFileInfo(still->path).absolutePath(), PathIn("Camera"));
    EXPECT_EQ(QImage(still->path).size(), QSize(320, 240));
    EXPECT_FALSE(m_camera.TakeStillResult().has_value()); // handed out once
    // The viewfinder goes on after a still, and a second one gets its own file.
    const std::uint64_t frames = m_camera.ViewFrameCount();
    ASSERT_TRUE(WaitForFrames(frames + 2));
    const std::optional<CStillResult> again = TakeStill(PathIn("Camera"));
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->code, kCaptureTaken);
    EXPECT_NE(again->path, still->path);
    m_camera.Stop();
    m_camera.Stop();
    EXPECT_EQ(m_camera.State(), EState::Stopped);
    EXPECT_FALSE(m_camera.RequestStill(PathIn("Camera")));
}

TEST_F(CameraPipelineTest, ARequestedSizeReachesTheCapsOrTheNearestOfferedOneDoes) {
    ASSERT_TRUE(m_camera.Start("videotestsrc", QSize(1600, 1200)))
        << m_camera.ErrorText().toStdString();
    EXPECT_TRUE(
        m_camera.RequestedCaps().startsWith("video/x-raw, width=(int)1600, height=(int)1200"))
        << m_camera.RequestedCaps().toStdString();
    ASSERT_TRUE(WaitForFrames()) << m_camera.ErrorText().toStdString();
    EXPECT_EQ(m_camera.FrameSize(), QSize(1600, 1200));
    // The viewfinder gets a small copy with the same shape.
    EXPECT_EQ(m_camera.ViewFrame().size(), QSize(640, 480));
    const std::optional<CStillResult> still = TakeStill(PathIn("Camera"));
    ASSERT_TRUE(still.has_value());
    EXPECT_EQ(QImage(still->path).size(), QSize(1600, 1200));
    m_camera.Stop();

    // A camera that offers only two sizes gets the one nearest to the request.
    ASSERT_TRUE(m_camera.Start("videotestsrc ! capsfilter caps=\"video/x-raw, width=(int)800, "
                               "height=(int)600; video/x-raw, width=(int)2048, height=(int)1536\"",
                               QSize(1600, 1200)))
        << m_camera.ErrorText().toStdString();
    ASSERT_TRUE(WaitForFrames()) << m_camera.ErrorText().toStdString();
    EXPECT_EQ(m_camera.FrameSize(), QSize(2048, 1536)) << m_camera.RequestedCaps().toStdString();
}

TEST_F(CameraPipelineTest, ATurnedCameraGivesAnUprightViewfinderAndAnExifOrientation) {
    ASSERT_TRUE(m_camera.Start("videotestsrc ! taginject tags=\"image-orientation=rotate-90\"",
                               QSize(0, 0)))
        << m_camera.ErrorText().toStdString();
    ASSERT_TRUE(WaitForFrames(3)) << m_camera.ErrorText().toStdString();
    EXPECT_EQ(m_camera.ViewFrame().size(), QSize(240, 320));
    const std::optional<CStillResult> still = TakeStill(PathIn("Camera"));
    ASSERT_TRUE(still.has_value());
    ASSERT_EQ(still->code, kCaptureTaken) << still->error.toStdString();
    QImageReader reader(still->path);
    reader.setAutoTransform(false);
    EXPECT_EQ(reader.read().size(), QSize(320, 240)); // the pixels as the camera gave them
    QImageReader upright(still->path);
    upright.setAutoTransform(true);
    EXPECT_EQ(upright.read().size(), QSize(240, 320));
}

TEST_F(CameraPipelineTest, ASourceThatCannotStartFailsWithAReason) {
    EXPECT_FALSE(m_camera.Start("v4l2src device=/dev/quillmark-no-such-camera", QSize(0, 0)));
    EXPECT_EQ(m_camera.State(), EState::Failed);
    EXPECT_FALSE(m_camera.ErrorText().isEmpty());
    // The same with a requested size, where the source is opened to ask for its sizes.
    EXPECT_FALSE(m_camera.Start("v4l2src device=/dev/quillmark-no-such-camera", QSize(1600, 1200)));
    EXPECT_EQ(m_camera.State(), EState::Failed);
    EXPECT_FALSE(m_camera.Start("nosuchelement", QSize(0, 0)));
    EXPECT_FALSE(m_camera.Start("none", QSize(0, 0)));
    EXPECT_FALSE(m_camera.RequestStill(PathIn("Camera")));
    m_camera.Stop();
    EXPECT_EQ(m_camera.State(), EState::Failed);
}

TEST_F(CameraPipelineTest, ACameraThatStopsDeliveringIsAFailureNotAPicture) {
    ASSERT_TRUE(m_camera.Start("videotestsrc num-buffers=3", QSize(0, 0)));
    ASSERT_TRUE(WaitFor([&] { return m_camera.State() == EState::Failed; }));
    EXPECT_FALSE(m_camera.RequestStill(PathIn("Camera")));
    EXPECT_FALSE(QDir(PathIn("Camera")).exists());
}

TEST_F(CameraPipelineTest, AStillThatCannotBeStoredFailsAndLeavesNothing) {
    ASSERT_TRUE(m_camera.Start("videotestsrc", QSize(0, 0)));
    ASSERT_TRUE(WaitForFrames());
    WriteFile(PathIn("file"), "x");
    const std::optional<CStillResult> still = TakeStill(PathIn("file/Camera"));
    ASSERT_TRUE(still.has_value());
    EXPECT_EQ(still->code, kCaptureFailed);
    EXPECT_TRUE(still->path.isEmpty());
    EXPECT_FALSE(still->error.isEmpty());
}

} // namespace
