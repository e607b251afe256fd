#include "camera/screens/CameraScreen.h"

#include "camera/screens/CaptureStill.h"
#include "camera/screens/ShutterButton.h"
#include "camera/screens/Viewfinder.h"
#include "resources/ResourceIds.h"
#include "tests/support/SkinnedDeviceTest.h"
#include "ui/device/DeviceWindow.h"
#include "ui/device/SoftKeyBar.h"

#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using namespace ids;

class CameraScreenTest : public CSkinnedDeviceTest {
protected:
    CCaptureRequest Request(const QString& source = "videotestsrc pattern=ball") {
        CCaptureRequest request;
        request.source = source;
        request.initialDir = PathIn("Camera");
        return request;
    }
    // The camera screen delivers pictures and takes the shutter.
    static bool Live(CCameraScreen& screen) {
        return screen.IsCommandEnabled(ID_CAMERA_SHUTTER) && !screen.Viewfinder()->Frame().isNull();
    }
    // Runs the capture; once the camera screen is on top and `ready` holds, `act` runs on it
    // from the event loop. Anything left open after a generous bound is ended with -1.
    std::uint32_t Capture(CCaptureRequest& request, std::function<bool(CCameraScreen&)> ready,
                          std::function<void(CCameraScreen&)> act) {
        QTimer poll;
        bool acted = false;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* camera = dynamic_cast<CCameraScreen*>(m_device->TopScreen());
            if (!acted && camera && ready(*camera)) {
                acted = true;
                act(*camera);
            }
        });
        poll.start();
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            for (CScreen* screen : m_device->Stack())
                screen->EndDialog(-1);
        });
        guard.start(30000);
        const std::uint32_t result = CaptureStill(nullptr, request);
        m_acted = acted;
        return result;
    }
    QStringList Pictures() { return QDir(PathIn("Camera")).entryList(QDir::Files | QDir::Hidden); }

    bool m_acted = false;
};

TEST_F(CameraScreenTest, EnterTakesThePictureWhichIsStoredAsAJpeg) {
    CCaptureRequest request = Request();
    QString left, right, title;
    const std::uint32_t result = Capture(request, Live, [&](CCameraScreen& screen) {
        left = m_device->SoftKeys()->KeyText(true);
        right = m_device->SoftKeys()->KeyText(false);
        title = screen.windowTitle();
        QTest::keyClick(&screen, Qt::Key_Return);
    });
    ASSERT_TRUE(m_acted);
    EXPECT_EQ(left, "Cancel");
    EXPECT_EQ(right, "Capture");
    EXPECT_EQ(title, "Camera");
    ASSERT_EQ(result, kCaptureTaken);
    EXPECT_EQ(QFileInfo(request.file).absolutePath(), PathIn("Camera"));
    EXPECT_EQ(QImage(request.file).size(), QSize(320, 240));
    EXPECT_EQ(Pictures(), QStringList{QFileInfo(request.file).fileName()});
    EXPECT_TRUE(m_device->Stack().empty());
}

TEST_F(CameraScreenTest, SpaceTheSoftKeyAndAClickOnTheShutterTakeThePictureToo) {
    const std::vector<std::function<void(CCameraScreen&)>> ways = {
        [](CCameraScreen& screen) { QTest::keyClick(&screen, Qt::Key_Space); },
        [this](CCameraScreen&) { m_device->SoftKeys()->PressKey(false); },
        [](CCameraScreen& screen) {
            auto* shutter = screen.ControlAs<CShutterButton>(IDC_CAMERA_SHUTTER);
            ASSERT_NE(shutter, nullptr);
            QTest::mouseClick(shutter, Qt::LeftButton, {}, shutter->rect().center());
        },
    };
    for (std::size_t i = 0; i < ways.size(); ++i) {
        CCaptureRequest request = Request();
        EXPECT_EQ(Capture(request, Live, ways[i]), kCaptureTaken) << i;
        EXPECT_TRUE(QFileInfo::exists(request.file)) << i;
    }
    EXPECT_EQ(Pictures().size(), 3);
}

TEST_F(CameraScreenTest, EscapeAndTheCancelKeyLeaveWithoutAPicture) {
    CCaptureRequest request = Request();
    EXPECT_EQ(Capture(request, Live,
                      [](CCameraScreen& screen) { QTest::keyClick(&screen, Qt::Key_Escape); }),
              kCaptureCancelled);
    EXPECT_TRUE(request.file.isEmpty());
    EXPECT_EQ(
        Capture(request, Live, [this](CCameraScreen&) { m_device->SoftKeys()->PressKey(true); }),
        kCaptureCancelled);
    EXPECT_TRUE(Pictures().isEmpty());
}

TEST_F(CameraScreenTest, ClosingTheProgramEndsTheCameraAsCancelled) {
    CCaptureRequest request = Request();
    EXPECT_EQ(Capture(request, Live, [this](CCameraScreen&) { m_device->close(); }),
              kCaptureCancelled);
    EXPECT_TRUE(Pictures().isEmpty());
}

TEST_F(CameraScreenTest, ACameraThatCannotStartEndsTheScreenAsFailed) {
    CCaptureRequest request = Request("v4l2src device=/dev/quillmark-no-such-camera");
    EXPECT_EQ(Capture(
                  request, [](CCameraScreen&) { return true; }, [](CCameraScreen&) {}),
              kCaptureFailed);
    EXPECT_TRUE(request.file.isEmpty());
    request = Request("none");
    EXPECT_EQ(Capture(
                  request, [](CCameraScreen&) { return true; }, [](CCameraScreen&) {}),
              kCaptureFailed);
    // A camera that stops while the screen shows it.
    request = Request("videotestsrc num-buffers=20");
    EXPECT_EQ(Capture(
                  request, [](CCameraScreen&) { return false; }, [](CCameraScreen&) {}),
              kCaptureFailed);
    EXPECT_TRUE(Pictures().isEmpty());
}

TEST_F(CameraScreenTest, TheRequestedResolutionReachesTheCamera) {
    CCaptureRequest request = Request();
    request.resolutionWidth = 1600;
    request.resolutionHeight = 1200;
    QSize frame, shown;
    const std::uint32_t result = Capture(request, Live, [&](CCameraScreen& screen) {
        frame = screen.Camera().FrameSize();
        shown = screen.Viewfinder()->Frame().size();
        screen.Shutter();
    });
    EXPECT_EQ(frame, QSize(1600, 1200));
    EXPECT_EQ(shown.width() * 3, shown.height() * 4);
    ASSERT_EQ(result, kCaptureTaken);
    EXPECT_EQ(QImage(request.file).size(), QSize(1600, 1200));
}

TEST_F(CameraScreenTest, ControlsAreNamedForAssistiveTools) {
    CCaptureRequest request = Request();
    QAccessible::Role viewRole = QAccessible::NoRole, shutterRole = QAccessible::NoRole;
    QString viewName, shutterName;
    bool shutterFocusable = false;
    Capture(request, Live, [&](CCameraScreen& screen) {
        if (QAccessibleInterface* view =
                QAccessible::queryAccessibleInterface(screen.Viewfinder())) {
            viewRole = view->role();
            viewName = view->text(QAccessible::Name);
        }
        QWidget* shutter = screen.Control(IDC_CAMERA_SHUTTER);
        if (QAccessibleInterface* button = QAccessible::queryAccessibleInterface(shutter)) {
            shutterRole = button->role();
            shutterName = button->text(QAccessible::Name);
        }
        shutterFocusable = shutter->focusPolicy() & Qt::TabFocus;
        screen.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(viewRole, QAccessible::Animation);
    EXPECT_EQ(viewName, "Viewfinder");
    EXPECT_EQ(shutterRole, QAccessible::Button);
    EXPECT_EQ(shutterName, "Capture");
    EXPECT_TRUE(shutterFocusable);
}

} // namespace
