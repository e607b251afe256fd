#include "camera/screens/CaptureStill.h"

#include "camera/screens/CameraScreen.h"

std::uint32_t CaptureStill(CScreen* owner, CCaptureRequest& request) {
    request.file.clear();
    CCameraScreen screen(request, owner);
    screen.DoModal();
    if (screen.Outcome() == kCaptureTaken)
        request.file = screen.PicturePath();
    return screen.Outcome();
}
