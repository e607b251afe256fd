#include "screens/ScanCommand.h"

#include "ScreenTestSupport.h"
#include "app/AppSettings.h"
#include "camera/CameraState.h"
#include "camera/screens/CameraScreen.h"
#include "platform/RegKey.h"
#include "resources/ResourceIds.h"
#include "session/Session.h"
#include "ui/toolkit/QuestionBox.h"

#include <QDir>
#include <QImage>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

using namespace ids;

struct CShownBox {
    QString caption, heading, body;
    int kind = -1;
    std::uint32_t picture = 0;
};

class ScanCommandTest : public CScreenTest {
protected:
    void SetUp() override {
        CScreenTest::SetUp();
        m_oldCamera = qgetenv("QUILLMARK_CAMERA");
        m_oldPictures = qgetenv("XDG_PICTURES_DIR");
        qputenv("QUILLMARK_CAMERA", "videotestsrc pattern=ball");
        qputenv("XDG_PICTURES_DIR", QFile::encodeName(PathIn("Pictures")));
        SetCameraValue(1);
        m_settings = AppSettings();
        AppSettings().autoPortrait = 1;
        AppSettings().cameraRes = 0;
        m_owner.ShowModeless();
    }
    void TearDown() override {
        m_owner.DestroyScreen();
        AppSettings() = m_settings;
        Restore("QUILLMARK_CAMERA", m_oldCamera);
        Restore("XDG_PICTURES_DIR", m_oldPictures);
        CScreenTest::TearDown();
    }
    static void Restore(const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    void SetCameraValue(std::uint32_t value) {
        ASSERT_TRUE(platform::CRegKey(platform::HKEY_LOCAL_MACHINE, "System\\State\\Hardware")
                        .Set("Camera", value));
        ReadCameraState();
    }
    QStringList Pictures() {
        return QDir(PathIn("Pictures/Camera")).entryList(QDir::Files | QDir::Hidden);
    }

    // Runs the Scan command while the steps answer the screens it opens, in order: each waits
    // until the top screen satisfies its test, then acts on it. Whatever is still open after a
    // generous bound is ended with -1, so a missing step fails the test instead of hanging it.
    struct CStep {
        std::function<bool(CScreen*)> ready;
        std::function<void(CScreen*)> act;
    };
    bool Scan(std::vector<CStep> steps) {
        QTimer poll;
        std::size_t next = 0;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            CScreen* top = m_device->TopScreen();
            if (next < steps.size() && top && top != &m_owner && top->HasPainted() &&
                steps[next].ready(top))
                steps[next++].act(top);
        });
        poll.start();
        QTimer guard; // repeats: a box that follows an ended screen is ended too
        QObject::connect(&guard, &QTimer::timeout, [&] {
            for (CScreen* screen : m_device->Stack())
                if (screen != &m_owner)
                    screen->EndDialog(-1);
        });
        guard.start(30000);
        const bool added = ScanNewPage(&m_owner, m_session);
        m_stepsDone = next;
        return added;
    }
    // The camera, once it shows pictures, does `act`.
    static CStep Camera(const std::function<void(CCameraScreen&)>& act) {
        return {[](CScreen* top) {
                    auto* camera = dynamic_cast<CCameraScreen*>(top);
                    return camera && camera->IsCommandEnabled(ID_CAMERA_SHUTTER);
                },
                [act](CScreen* top) { act(*dynamic_cast<CCameraScreen*>(top)); }};
    }
    // A question box: what it shows is kept in `shown`, then it is closed.
    static CStep Box(CShownBox& shown) {
        return {[](CScreen* top) { return dynamic_cast<CQuestionBox*>(top) != nullptr; },
                [&shown](CScreen* top) {
                    auto* box = dynamic_cast<CQuestionBox*>(top);
                    ASSERT_NE(box, nullptr);
                    const auto* body = box->ControlAs<QTextEdit>(IDC_QB_BODY);
                    ASSERT_NE(body, nullptr);
                    shown = {box->Caption(), box->Heading(), body->toPlainText(), box->Kind(),
                             box->CurrentPicture()};
                    box->SendCommand(IDOK_COMMAND);
                }};
    }

    CScreen m_owner;
    CSession m_session;
    CAppSettings m_settings;
    QByteArray m_oldCamera, m_oldPictures;
    std::size_t m_stepsDone = 0;
};

TEST_F(ScanCommandTest, APictureTakenBecomesAnUprightPageAndUsesUpTheScanNumber) {
    ASSERT_TRUE(Scan({Camera([](CCameraScreen& c) { c.Shutter(); })}));
    ASSERT_EQ(m_session.PageCount(), 1);
    EXPECT_EQ(m_session.lastScanName, "scan_1.jpg");
    EXPECT_EQ(m_session.scanCounter, 2);
    // The test source gives 320 x 240: auto-portrait makes it a page turned upright, on the
    // picture the camera stored.
    const CPage* page = m_session.Pages().At(0);
    ASSERT_EQ(Pictures().size(), 1) << Pictures().join(", ").toStdString();
    EXPECT_EQ(page->path, PathIn("Pictures/Camera/") + Pictures().first());
    EXPECT_TRUE(page->path.endsWith(".jpg"));
    EXPECT_TRUE(page->turnCcw);
    EXPECT_EQ(page->typeCode, kImageTypeJpeg);
    EXPECT_EQ(QImage(page->path).size(), QSize(320, 240));
    EXPECT_FALSE(page->IsLandscape());
    EXPECT_EQ(m_session.CurrentPage(), page);

    // Without auto-portrait the next picture is a page on the captured file itself.
    AppSettings().autoPortrait = 0;
    ASSERT_TRUE(Scan({Camera([](CCameraScreen& c) { c.Shutter(); })}));
    ASSERT_EQ(m_session.PageCount(), 2);
    EXPECT_EQ(m_session.lastScanName, "scan_2.jpg");
    EXPECT_EQ(m_session.scanCounter, 3);
    EXPECT_FALSE(m_session.Pages().At(1)->turnCcw);
    EXPECT_TRUE(m_session.Pages().At(1)->IsLandscape());
}

TEST_F(ScanCommandTest, CancelShowsScanCanceledAndAddsNothing) {
    CShownBox shown;
    EXPECT_FALSE(
        Scan({Camera([](CCameraScreen& c) { c.SendCommand(IDCANCEL_COMMAND); }), Box(shown)}));
    EXPECT_EQ(m_stepsDone, 2u);
    EXPECT_EQ(shown.caption, "Notice");
    EXPECT_EQ(shown.heading, "Scan canceled");
    EXPECT_EQ(shown.body, "Scan canceled. Tap 'Close' to discard this message.");
    EXPECT_EQ(shown.kind, CQuestionBox::kClose);
    EXPECT_EQ(shown.picture, IDB_MSG_ATTENTION);
    EXPECT_EQ(m_session.PageCount(), 0);
    EXPECT_EQ(m_session.scanCounter, 1);
    EXPECT_TRUE(Pictures().isEmpty());
    // The number is reused by the next scan.
    ASSERT_TRUE(Scan({Camera([](CCameraScreen& c) { c.Shutter(); })}));
    EXPECT_EQ(m_session.lastScanName, "scan_1.jpg");
    EXPECT_EQ(m_session.scanCounter, 2);
}

TEST_F(ScanCommandTest, ACameraThatFailsToStartShowsCouldNotImportImage) {
    qputenv("QUILLMARK_CAMERA", "v4l2src device=/dev/quillmark-no-such-camera");
    CShownBox shown;
    EXPECT_FALSE(Scan({Box(shown)}));
    EXPECT_EQ(m_stepsDone, 1u);
    EXPECT_EQ(shown.caption, "Error");
    EXPECT_EQ(shown.heading, "Could not import image");
    EXPECT_EQ(shown.body,
              "Error importing image file 'scan_1.jpg'. Please check if the image file is valid.");
    EXPECT_EQ(shown.kind, CQuestionBox::kClose);
    EXPECT_EQ(shown.picture, IDB_MSG_ERROR);
    EXPECT_EQ(m_session.PageCount(), 0);
    EXPECT_EQ(m_session.scanCounter, 1);
}

TEST_F(ScanCommandTest, WithoutACameraScanDoesNothing) {
    SetCameraValue(0);
    EXPECT_FALSE(HasCamera());
    EXPECT_FALSE(Scan({}));
    EXPECT_TRUE(m_session.lastScanName.isEmpty());
    EXPECT_EQ(m_device->TopScreen(), &m_owner);
    EXPECT_EQ(m_session.PageCount(), 0);
}

TEST_F(ScanCommandTest, TheCameraResolutionSettingReachesTheCamera) {
    AppSettings().cameraRes = 1;
    QSize frame;
    QString caps;
    ASSERT_TRUE(Scan({Camera([&](CCameraScreen& c) {
        frame = c.Camera().FrameSize();
        caps = c.Camera().RequestedCaps();
        c.Shutter();
    })}));
    EXPECT_EQ(frame, QSize(1600, 1200));
    EXPECT_TRUE(caps.startsWith("video/x-raw, width=(int)1600, height=(int)1200"))
        << caps.toStdString();
    EXPECT_EQ(QImage(m_session.Pages().At(0)->path).size(), QSize(1600, 1200));
    EXPECT_TRUE(m_session.Pages().At(0)->turnCcw);
}

TEST_F(ScanCommandTest, APictureThatCannotBecomeAPageIsReportedAndKept) {
    // No box to build a thumbnail for: the import cannot make a page of any picture.
    m_session.SetThumbBox(QSize(0, 0));
    CShownBox shown;
    EXPECT_FALSE(Scan({Camera([](CCameraScreen& c) { c.Shutter(); }), Box(shown)}));
    EXPECT_EQ(m_stepsDone, 2u);
    EXPECT_EQ(shown.heading, "Could not import image");
    ASSERT_EQ(Pictures().size(), 1);
    EXPECT_TRUE(shown.body.contains(PathIn("Pictures/Camera/") + Pictures().first()))
        << shown.body.toStdString();
    EXPECT_EQ(m_session.PageCount(), 0);
    // The camera delivered, so its number is used up.
    EXPECT_EQ(m_session.scanCounter, 2);
}

} // namespace

namespace {

// Scan through a scanner chosen in the settings: SANE's test scanner (tests/support).
class ScannerScanCommandTest : public ScanCommandTest {
protected:
    void SetUp() override {
        ScanCommandTest::SetUp();
        SetCameraValue(0);
        AppSettings().pageSource = "test:0";
        AppSettings().scannerSource = 2; // the document feeder
        AppSettings().scannerResolution = 50;
        AppSettings().pageSize = kPaperA6;
        AppSettings().autoPortrait = 0;
    }
    // A step that presses Cancel on the progress screen once `pages` pages have arrived.
    CStep CancelAfter(int pages) {
        return {[this, pages](CScreen* top) {
                    return top->IsCommandEnabled(IDC_CANCEL) && m_session.PageCount() >= pages;
                },
                [](CScreen* top) { top->SendCommand(IDC_CANCEL); }};
    }
};

TEST_F(ScannerScanCommandTest, EverySheetOfTheFeederBecomesAPageAsItArrives) {
    EXPECT_FALSE(HasCamera());
    ASSERT_TRUE(Scan({}));
    // The test scanner's feeder holds ten sheets; their pictures are in the camera folder.
    ASSERT_EQ(m_session.PageCount(), 10);
    EXPECT_EQ(Pictures().size(), 10);
    EXPECT_EQ(m_session.scanCounter, 11);
    for (int i = 0; i < 10; ++i) {
        const CPage* page = m_session.Pages().At(i);
        EXPECT_TRUE(page->path.startsWith(PathIn("Pictures/Camera/SCAN_")));
        EXPECT_EQ(page->typeCode, kImageTypeJpeg);
        // A6 at 50 dpi, cut to the test scanner's area.
        EXPECT_EQ(QImage(page->path).size(), QSize(206, 291));
    }
    // Nothing is left on screen.
    EXPECT_EQ(m_device->TopScreen(), &m_owner);
}

TEST_F(ScannerScanCommandTest, TheFlatbedGivesOneSheet) {
    AppSettings().scannerSource = 1; // the flatbed: one sheet
    ASSERT_TRUE(Scan({}));
    ASSERT_EQ(m_session.PageCount(), 1);
}

TEST_F(ScannerScanCommandTest, TheColourModeSettingReachesThePages) {
    AppSettings().scannerSource = 1;
    AppSettings().scannerMode = 2; // black and white: a 1-bit PNG
    ASSERT_TRUE(Scan({}));
    AppSettings().scannerMode = 1; // grey: a JPEG without colour
    ASSERT_TRUE(Scan({}));
    ASSERT_EQ(m_session.PageCount(), 2);
    const CPage* bw = m_session.Pages().At(0);
    EXPECT_TRUE(bw->path.endsWith(".png"));
    EXPECT_EQ(bw->typeCode, kImageTypePng);
    EXPECT_EQ(QImage(bw->path).depth(), 1);
    const CPage* grey = m_session.Pages().At(1);
    EXPECT_EQ(grey->typeCode, kImageTypeJpeg);
    const QImage picture(grey->path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.allGray());
}

TEST_F(ScannerScanCommandTest, BothSidesFromAScannerWithoutDuplexIsRefusedWithWhy) {
    // SANE's test scanner offers a flatbed and a feeder only.
    AppSettings().scannerSource = 3;
    CShownBox shown;
    EXPECT_FALSE(Scan({Box(shown)}));
    EXPECT_EQ(shown.heading, "Scan failed");
    EXPECT_EQ(shown.body, "No page was scanned: the scanner test:0 has no duplex source (it "
                          "offers: flatbed, adf).");
    EXPECT_EQ(m_session.PageCount(), 0);
    EXPECT_TRUE(Pictures().isEmpty());
}

TEST_F(ScannerScanCommandTest, CancelKeepsThePagesScannedAndSaysSo) {
    // Sheets large enough that Cancel comes while the feeder still holds some.
    AppSettings().scannerResolution = 300;
    CShownBox shown;
    ASSERT_TRUE(Scan({CancelAfter(1), Box(shown)}));
    EXPECT_EQ(m_stepsDone, 2u);
    EXPECT_GE(m_session.PageCount(), 1);
    EXPECT_LT(m_session.PageCount(), 10);
    EXPECT_EQ(Pictures().size(), m_session.PageCount());
    EXPECT_EQ(shown.heading, "Scan cancelled");
    EXPECT_EQ(shown.body, "The scan was cancelled. The pages scanned before are kept.");
    EXPECT_EQ(shown.picture, IDB_MSG_ATTENTION);
}

TEST_F(ScannerScanCommandTest, AScannerThatCannotBeOpenedSaysWhy) {
    AppSettings().pageSource = "test:9";
    CShownBox shown;
    EXPECT_FALSE(Scan({Box(shown)}));
    EXPECT_EQ(shown.heading, "Scan failed");
    EXPECT_TRUE(shown.body.startsWith("No page was scanned: the scanner test:9 could not be "
                                      "opened: "))
        << shown.body.toStdString();
    EXPECT_EQ(m_session.PageCount(), 0);
}

} // namespace
