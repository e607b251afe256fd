// Without GStreamer the camera is absent, as when no camera is found, and everything else goes
// on; the camera's failure and the log carry the loader's reason. The loader decides once per
// process, so this test is a program of its own: it points the loader at a library that does
// not exist (QM_GSTREAMER_LIBRARY) before anything looks for the camera.

#include "app/Log.h"
#include "camera/CameraCaps.h"
#include "camera/CameraPipeline.h"
#include "camera/CameraSource.h"
#include "camera/CameraState.h"
#include "platform/RegKey.h"
#include "tests/support/TempHome.h"

#include <QFile>

namespace {

const char kMissing[] = "libgstreamer-missing.so.0";

// Whether a file whose name contains `name` is mapped into this process.
bool IsMapped(const char* name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

using GstMissingTest = CTempHomeTest;

TEST_F(GstMissingTest, TheCameraIsAbsentWithTheLoadersReasonAndTheLogSaysItOnce) {
    ASSERT_TRUE(qputenv("QM_GSTREAMER_LIBRARY", kMissing));
    ASSERT_TRUE(qputenv("QUILLMARK_CAMERA", "videotestsrc pattern=ball"));
    OpenLog(PathIn("quillmark.log"));
    EnableDiagnosticLog();

    // A source that works wherever GStreamer does is not found: the stored value and the state
    // are those of a device without a camera.
    DetectCamera();
    EXPECT_EQ(platform::CRegKey(platform::HKEY_LOCAL_MACHINE, "System\\State\\Hardware")
                  .Read<std::uint32_t>("Camera"),
              std::optional<std::uint32_t>(0));
    EXPECT_EQ(CameraState(), kCameraAbsent);
    EXPECT_FALSE(HasCamera());
    EXPECT_FALSE(ProbeCameraSource(QString()));

    QString why;
    EXPECT_FALSE(EnsureGstreamer(&why));
    EXPECT_TRUE(why.contains(kMissing)) << why.toStdString();

    QString error;
    EXPECT_EQ(CreateCameraSource(QStringLiteral("videotestsrc"), &error), nullptr);
    EXPECT_TRUE(error.startsWith("GStreamer cannot be used: ")) << error.toStdString();
    EXPECT_TRUE(error.contains(kMissing)) << error.toStdString();

    // The camera screen's pipeline fails at once with that reason and can be stopped safely.
    CCameraPipeline camera;
    EXPECT_FALSE(camera.Start(QStringLiteral("videotestsrc"), QSize(1600, 1200)));
    EXPECT_EQ(camera.State(), CCameraPipeline::EState::Failed);
    EXPECT_EQ(camera.ErrorText(), error);
    EXPECT_FALSE(camera.RequestStill(PathIn("Camera")));
    camera.Stop();
    EXPECT_EQ(camera.State(), CCameraPipeline::EState::Failed);

    // Choosing a size needs no camera: without caps to read, the request stands.
    EXPECT_EQ(NearestOfferedSize(QStringLiteral("video/x-raw, width=(int)640, height=(int)480"),
                                 QSize(1600, 1200)),
              QSize(1600, 1200));
    CloseLog();

    // Tried once, however often the camera is looked for; the system's GStreamer was not
    // loaded behind the missing one.
    const QByteArray log = ReadFile(PathIn("quillmark.log"));
    EXPECT_EQ(log.count(QByteArray("camera: GStreamer cannot be used: ") + kMissing +
                        ": cannot open shared object file"),
              1)
        << log.toStdString();
    EXPECT_FALSE(IsMapped("libgstreamer-1.0.so"));
    EXPECT_FALSE(IsMapped("libgstapp-1.0.so"));
}

} // namespace
