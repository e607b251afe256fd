#include "camera/CaptureRequest.h"

#include "app/AppSettings.h"

CCaptureRequest MakeCaptureRequest(std::uint32_t cameraRes) {
    CCaptureRequest request;
    const CCameraResolution& row =
        kCameraResolutions[cameraRes < kCameraResolutions.size() ? cameraRes : 0];
    request.resolutionWidth = row.width;
    request.resolutionHeight = row.height;
    return request;
}
