#include "program/tour/TourContext.h"

#include "app/AppSettings.h"
#include "camera/CameraSource.h"
#include "camera/CaptureRequest.h"
#include "camera/screens/CameraScreen.h"
#include "camera/screens/CaptureStill.h"
#include "resources/ResourceIds.h"
#include "screens/MainDlg.h"

void RunCameraTour(CTourContext& tour) {
    CCaptureRequest request = MakeCaptureRequest(AppSettings().cameraRes);
    // The camera the program was given, else the moving test picture, so the shot never
    // depends on a webcam being there.
    request.source = CameraSourceSetting();
    if (request.source.isEmpty() || IsNoCamera(request.source))
        request.source = QStringLiteral("videotestsrc pattern=ball");
    request.initialDir = tour.ScratchFolder() + QStringLiteral("/Camera");
    tour.ShootModal(
        QStringLiteral("30-camera"), [&] { CaptureStill(tour.Main(), request); },
        [](CScreen* top) {
            auto* camera = dynamic_cast<CCameraScreen*>(top);
            return camera && camera->IsCommandEnabled(ids::ID_CAMERA_SHUTTER) &&
                   camera->Camera().ViewFrameCount() >= 10;
        });
}
