#include "camera/CameraState.h"

#include "platform/RegKey.h"
#include "tests/support/TempHome.h"

namespace {

using namespace platform;

class CameraStateTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_hadCamera = qEnvironmentVariableIsSet("QUILLMARK_CAMERA");
        m_oldCamera = qgetenv("QUILLMARK_CAMERA");
    }
    void TearDown() override {
        if (m_hadCamera)
            qputenv("QUILLMARK_CAMERA", m_oldCamera);
        else
            qunsetenv("QUILLMARK_CAMERA");
        CTempHomeTest::TearDown();
    }
    // The "Camera" value as stored, -1 when missing or not a number.
    long long StoredValue() const {
        const auto value = Hardware().Read<std::uint32_t>("Camera");
        return value ? (long long)*value : -1;
    }
    static CRegKey Hardware() { return CRegKey(HKEY_LOCAL_MACHINE, "System\\State\\Hardware"); }
    bool m_hadCamera = false;
    QByteArray m_oldCamera;
};

TEST_F(CameraStateTest, OnlyTheValueOneMeansACamera) {
    ReadCameraState(); // nothing stored
    EXPECT_EQ(CameraState(), kCameraAbsent);
    EXPECT_FALSE(HasCamera());
    for (std::uint32_t value : {1u, 0u, 2u, 0xFFFFFFFFu}) {
        ASSERT_TRUE(Hardware().Set("Camera", value));
        ReadCameraState();
        EXPECT_EQ(HasCamera(), value == 1) << value;
        EXPECT_EQ(CameraState(), value == 1 ? kCameraPresent : kCameraAbsent) << value;
    }
    // A text "1" is a value of another type: missing.
    ASSERT_TRUE(Hardware().Set<QString>("Camera", "1"));
    ReadCameraState();
    EXPECT_FALSE(HasCamera());
}

TEST_F(CameraStateTest, DetectionWritesWhatItFindsAndTheStateFollows) {
    qputenv("QUILLMARK_CAMERA", "videotestsrc pattern=ball");
    DetectCamera();
    EXPECT_EQ(StoredValue(), 1);
    EXPECT_TRUE(HasCamera());

    qputenv("QUILLMARK_CAMERA", "none");
    DetectCamera();
    EXPECT_EQ(StoredValue(), 0);
    EXPECT_FALSE(HasCamera());

    // A device that is not there cannot be opened.
    qputenv("QUILLMARK_CAMERA", "v4l2src device=/dev/quillmark-no-such-camera");
    DetectCamera();
    EXPECT_EQ(StoredValue(), 0);
    EXPECT_FALSE(HasCamera());

    qputenv("QUILLMARK_CAMERA", "nosuchelement ! fakesink");
    DetectCamera();
    EXPECT_EQ(StoredValue(), 0);
}

} // namespace
