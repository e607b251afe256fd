#pragma once

// The full-screen camera screen: the live viewfinder, a shutter button, and the soft keys
// Cancel and Capture (Enter or Space take the picture, Escape cancels). It ends once a still
// is stored (IDOK), or with IDCANCEL when cancelled or when the camera fails; Outcome tells
// which. The camera runs on GStreamer's threads; this screen only shows what they deliver.

#include "camera/CameraPipeline.h"
#include "camera/CaptureRequest.h"
#include "ui/device/Screen.h"

#include <atomic>
#include <cstdint>

class CShutterButton;
class CViewfinder;

class CCameraScreen : public CScreen {
public:
    explicit CCameraScreen(const CCaptureRequest& request, CScreen* owner = nullptr);
    ~CCameraScreen() override;

    // kCaptureTaken (with PicturePath), kCaptureCancelled, kCaptureOutOfMemory or
    // kCaptureFailed once the screen has ended; kCaptureCancelled before.
    std::uint32_t Outcome() const { return m_outcome; }
    QString PicturePath() const { return m_path; }
    // Why the camera failed, for the log.
    QString ErrorText() const { return m_error; }

    // Takes the picture; ignored until the camera delivers pictures and while one is stored.
    void Shutter();

    const CCameraPipeline& Camera() const { return m_camera; }
    CViewfinder* Viewfinder() const { return m_viewfinder; }

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    bool OnKeyDown(int key) override;
    void OnCancel() override;
    void OnClose() override;
    void OnDisplayChange() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Layout();
    void OnCameraNews();
    void Finish(std::uint32_t outcome, const QString& path = {});

    CCaptureRequest m_request;
    CCameraPipeline m_camera;
    CViewfinder* m_viewfinder;
    CShutterButton* m_shutter;
    std::atomic<bool> m_newsQueued{false};
    bool m_finished = false;
    std::uint32_t m_outcome = kCaptureCancelled;
    QString m_path;
    QString m_error;
};
