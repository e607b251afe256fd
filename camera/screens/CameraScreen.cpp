#include "camera/screens/CameraScreen.h"

#include "app/Log.h"
#include "camera/CameraSource.h"
#include "camera/StillWriter.h"
#include "camera/screens/ShutterButton.h"
#include "camera/screens/Viewfinder.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"

#include <QFile>
#include <QPainter>

CCameraScreen::CCameraScreen(const CCaptureRequest& request, CScreen* owner)
    : CScreen(owner), m_request(request), m_viewfinder(new CViewfinder(this)),
      m_shutter(new CShutterButton(this)) {
    using namespace ids;
    AddControl(IDC_CAMERA_VIEWFINDER, m_viewfinder);
    AddControl(IDC_CAMERA_SHUTTER, m_shutter);
    OnCommandId(ID_CAMERA_SHUTTER, [this] { Shutter(); });
    OnCommandId(IDC_CAMERA_SHUTTER, [this] { Shutter(); });
    m_camera.SetNotify([this] {
        // One queued look at the camera is enough however many frames arrive meanwhile.
        if (!m_newsQueued.exchange(true))
            QMetaObject::invokeMethod(
                this, [this] { OnCameraNews(); }, Qt::QueuedConnection);
    });
}

CCameraScreen::~CCameraScreen() {
    // The camera's threads must be gone before the widgets they report to.
    m_camera.Stop();
}

void CCameraScreen::OnInitDialog() {
    using namespace ids;
    setWindowTitle(m_request.title.isEmpty() ? LoadRawString(IDS_CAMERA_TITLE) : m_request.title);
    CMenuTemplate bar;
    bar.id = IDR_MENU_CAMERA;
    bar.left = CSoftKey{LoadRawString(IDS_CANCEL), IDCANCEL_COMMAND, {}};
    bar.right = CSoftKey{LoadRawString(IDS_CAMERA_SHUTTER), ID_CAMERA_SHUTTER, {}};
    SetMenuBar(bar);
    EnableCommand(ID_CAMERA_SHUTTER, false);
    EnableCommand(IDC_CAMERA_SHUTTER, false);
    m_viewfinder->SetStatus(LoadRawString(IDS_CAMERA_STARTING));
    Layout();
    const QString source = m_request.source.isEmpty() ? CameraSourceSetting() : m_request.source;
    const QSize requested(m_request.resolutionWidth, m_request.resolutionHeight);
    const QSize bound = QSize(640, 640).expandedTo(size());
    if (!m_camera.Start(source, requested, bound))
        Finish(kCaptureFailed);
}

void CCameraScreen::Layout() {
    // The shutter sits in a band of its own beside the picture (below it on an upright device,
    // right of it on a turned one), so it never hides part of what is photographed.
    const int side = ScalePixels(56);
    const int margin = ScalePixels(8);
    const int band = side + 2 * margin;
    if (width() > height()) {
        m_viewfinder->setGeometry(0, 0, width() - band, height());
        m_shutter->setGeometry(width() - band + margin, (height() - side) / 2, side, side);
    } else {
        m_viewfinder->setGeometry(0, 0, width(), height() - band);
        m_shutter->setGeometry((width() - side) / 2, height() - band + margin, side, side);
    }
}

void CCameraScreen::resizeEvent(QResizeEvent* event) {
    CScreen::resizeEvent(event);
    Layout();
}

void CCameraScreen::OnDisplayChange() {
    Layout();
}

void CCameraScreen::OnPaint(QPainter& painter) {
    // The shutter's band, set apart from the picture.
    painter.fillRect(rect(), QColor(0x2A, 0x30, 0x38));
}

bool CCameraScreen::OnKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
        key == Qt::Key_Camera) {
        SendCommand(ids::ID_CAMERA_SHUTTER);
        return true;
    }
    return false;
}

void CCameraScreen::Shutter() {
    if (m_finished || m_camera.State() != CCameraPipeline::EState::Running ||
        m_camera.IsStillPending())
        return;
    const QString folder =
        m_request.initialDir.isEmpty() ? CameraPicturesFolder() : m_request.initialDir;
    if (!m_camera.RequestStill(folder))
        return;
    EnableCommand(ids::ID_CAMERA_SHUTTER, false);
    EnableCommand(ids::IDC_CAMERA_SHUTTER, false);
    m_viewfinder->SetStatus(LoadRawString(ids::IDS_CAMERA_SAVING));
}

void CCameraScreen::OnCameraNews() {
    m_newsQueued = false;
    if (m_finished)
        return;
    if (std::optional<CStillResult> still = m_camera.TakeStillResult()) {
        m_error = still->error;
        Finish(still->code, still->path);
        return;
    }
    if (m_camera.State() == CCameraPipeline::EState::Failed) {
        Finish(kCaptureFailed);
        return;
    }
    m_viewfinder->SetFrame(m_camera.ViewFrame());
    if (m_camera.State() == CCameraPipeline::EState::Running && !m_camera.IsStillPending() &&
        !IsCommandEnabled(ids::ID_CAMERA_SHUTTER)) {
        m_viewfinder->SetStatus({});
        EnableCommand(ids::ID_CAMERA_SHUTTER, true);
        EnableCommand(ids::IDC_CAMERA_SHUTTER, true);
    }
}

void CCameraScreen::OnCancel() {
    Finish(kCaptureCancelled);
}

void CCameraScreen::OnClose() {
    m_camera.Stop();
    // A picture that was being stored when the user cancelled is not wanted.
    if (m_outcome != kCaptureTaken)
        if (std::optional<CStillResult> still = m_camera.TakeStillResult())
            if (still->code == kCaptureTaken)
                QFile::remove(still->path);
}

void CCameraScreen::Finish(std::uint32_t outcome, const QString& path) {
    if (m_finished)
        return;
    m_finished = true;
    m_outcome = outcome;
    m_path = path;
    if (m_error.isEmpty())
        m_error = m_camera.ErrorText();
    if (outcome != kCaptureTaken && outcome != kCaptureCancelled)
        LogRecord(kLogError, "camera: %s", qUtf8Printable(m_error));
    EndDialog(outcome == kCaptureTaken ? IDOK : IDCANCEL);
}
