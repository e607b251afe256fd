#include "camera/CameraState.h"

#include "platform/Registry.h"
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
    long long StoredValue() {
        HKEY key = 0;
        if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, "System\\State\\Hardware", KEY_READ, &key) !=
            ERROR_SUCCESS)
            return -1;
        std::uint32_t value = 0, type = 0, size = sizeof value;
        const bool ok = RegQueryValueEx(key, "Camera", &type, &value, &size) == ERROR_SUCCESS &&
                        type == REG_DWORD;
        RegCloseKey(key);
        return ok ? value : -1;
    }
    void Store(std::uint32_t type, const void* data, std::uint32_t size) {
        HKEY key = 0;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "System\\State\\Hardware", &key),
                  ERROR_SUCCESS);
        RegSetValueEx(key, "Camera", type, data, size);
        RegCloseKey(key);
    }
    bool m_hadCamera = false;
    QByteArray m_oldCamera;
};

TEST_F(CameraStateTest, OnlyTheValueOneMeansACamera) {
    ReadCameraState(); // nothing stored
    EXPECT_EQ(CameraState(), kCameraAbsent);
    EXPECT_FALSE(HasCamera());
    for (std::uint32_t value : {1u, 0u, 2u, 0xFFFFFFFFu}) {
        Store(REG_DWORD, &value, sizeof value);
        ReadCameraState();
        EXPECT_EQ(HasCamera(), value == 1) << value;
        EXPECT_EQ(CameraState(), value == 1 ? kCameraPresent : kCameraAbsent) << value;
    }
    // A text "1" is a value of another type: missing.
    const char16_t text[] = u"1";
    Store(REG_SZ, text, sizeof text);
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
