// GStreamer's core library without its app library (a broken install, or a packager's private
// copy of one of them): the camera is absent with the reason that names the missing library,
// never half loaded. A program of its own, as the loader decides once per process.

#include "app/Log.h"
#include "camera/CameraSource.h"
#include "camera/CameraState.h"
#include "tests/support/TempHome.h"

namespace {

const char kMissing[] = "libgstapp-missing.so.0";

using GstAppMissingTest = CTempHomeTest;

TEST_F(GstAppMissingTest, TheCameraIsAbsentAndTheReasonNamesTheMissingLibrary) {
    ASSERT_TRUE(qputenv("QM_GSTREAMER_APP_LIBRARY", kMissing));
    ASSERT_TRUE(qputenv("QUILLMARK_CAMERA", "videotestsrc pattern=ball"));
    OpenLog(PathIn("quillmark.log"));
    EnableDiagnosticLog();

    DetectCamera();
    EXPECT_EQ(CameraState(), kCameraAbsent);
    QString why;
    EXPECT_FALSE(EnsureGstreamer(&why));
    EXPECT_TRUE(why.startsWith(QString::fromLatin1(kMissing) + ": cannot open shared object file"))
        << why.toStdString();
    QString error;
    EXPECT_EQ(CreateCameraSource(QStringLiteral("videotestsrc"), &error), nullptr);
    EXPECT_TRUE(error.contains(kMissing)) << error.toStdString();
    CloseLog();

    EXPECT_EQ(ReadFile(PathIn("quillmark.log"))
                  .count(QByteArray("camera: GStreamer cannot be used: ") + kMissing),
              1);
}

} // namespace
