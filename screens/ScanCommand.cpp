#include "screens/ScanCommand.h"

#include "app/AppSettings.h"
#include "camera/CameraState.h"
#include "camera/CaptureRequest.h"
#include "camera/screens/CaptureStill.h"
#include "resources/ResourceIds.h"
#include "scanner/ScanOptions.h"
#include "scanner/screens/ScanProgress.h"
#include "session/Session.h"
#include "text/Strings.h"
#include "ui/toolkit/QuestionBox.h"

namespace {

void ShowMessage(CScreen* owner, std::uint32_t picture, std::uint16_t caption,
                 std::uint16_t heading, const QString& body) {
    CQuestionBox box(owner);
    box.SetKind(CQuestionBox::kClose);
    box.SetPictures(picture);
    box.SetTitles(LoadRawString(caption), LoadRawString(heading));
    box.SetBody(body);
    box.Show();
}

void ShowImportError(CScreen* owner, const QString& name) {
    using namespace ids;
    ShowMessage(owner, IDB_MSG_ERROR, IDS_ERROR_1192, IDS_IMPORT_IMAGE,
                LoadFormatted(IDS_ERROR_IMPORTING_IMAGE_FILE, name));
}

// The device window's stack brings the owner back to the front when the camera screen ends;
// here it is only redrawn (raising it could put it over a modeless screen above it).
void Redraw(CScreen* owner) {
    if (owner)
        owner->update();
}

// Pages from the scanner chosen in the settings, each added as it arrives.
bool ScanFromScanner(CScreen* owner, CSession& session) {
    int added = 0;
    QString unusable;
    const CScanResult result =
        ScanWithProgress(owner, ScanOptionsFromSettings(AppSettings()), [&](const QString& path) {
            ++session.scanCounter;
            std::unique_ptr<CPage> page = session.MakePageFromFile(path);
            if (!page) {
                unusable = path;
                return;
            }
            session.AddPage(std::move(page));
            ++added;
            Redraw(owner);
        });
    ShowScanOutcome(owner, result);
    // The picture stays in the camera folder; the user learns which one gave no page.
    if (!unusable.isEmpty())
        ShowImportError(owner, unusable);
    Redraw(owner);
    return added > 0;
}

} // namespace

bool ScanNewPage(CScreen* owner, CSession& session) {
    using namespace ids;
    if (ScansFromScanner(AppSettings()))
        return ScanFromScanner(owner, session);
    if (!HasCamera())
        return false;
    const QString scanName = session.MakeScanFileName();
    CCaptureRequest request = MakeCaptureRequest(AppSettings().cameraRes);
    const std::uint32_t result = CaptureStill(owner, request);
    if (result == kCaptureCancelled) {
        ShowMessage(owner, IDB_MSG_ATTENTION, IDS_NOTICE_1081, IDS_SCAN_CANCELED,
                    LoadRawString(IDS_SCAN_CANCELED_CLOSE_DISCARD));
        return false;
    }
    if (result == kCaptureOutOfMemory) {
        ShowMessage(owner, IDB_MSG_ERROR, IDS_ERROR_1090, IDS_OUT_MEMORY,
                    LoadFormatted(IDS_UNABLE_LOAD_FILE_OUT, scanName));
        return false;
    }
    if (result != kCaptureTaken || request.file.isEmpty()) {
        ShowImportError(owner, scanName);
        return false;
    }
    Redraw(owner);
    // The number is used up only by a delivered picture.
    ++session.scanCounter;
    std::unique_ptr<CPage> page = session.MakePageFromFile(request.file);
    if (!page) {
        // The picture stays where the camera stored it; the user learns why no page came.
        ShowImportError(owner, request.file);
        return false;
    }
    session.AddPage(std::move(page));
    Redraw(owner);
    return true;
}
