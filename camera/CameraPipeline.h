#pragma once

// The live camera: a GStreamer pipeline from the camera source to a small upright viewfinder
// picture and, on request, one full-resolution still stored as a JPEG (StillWriter.h).
// GStreamer's own threads carry the frames and store the still; the owner hears of news
// through a callback and reads the results from its own thread.

#include "camera/CaptureRequest.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

struct CStillResult {
    std::uint32_t code = kCaptureFailed; // kCaptureTaken, kCaptureOutOfMemory or kCaptureFailed
    QString path;                        // the stored picture when taken
    QString error;                       // why not, for the log
};

class CCameraPipeline {
public:
    enum class EState { Stopped, Starting, Running, Failed };

    CCameraPipeline();
    // Stops the pipeline.
    ~CCameraPipeline();
    CCameraPipeline(const CCameraPipeline&) = delete;
    CCameraPipeline& operator=(const CCameraPipeline&) = delete;

    // Called on a GStreamer thread after a viewfinder frame, a stored still or a failure. It
    // must only hand the news over to the owner's thread, never block or call the pipeline.
    // Set it before Start.
    void SetNotify(std::function<void()> notify);

    // Builds the pipeline for `source` (CreateCameraSource: empty for the system's camera) and
    // starts it, asking for `requested` (0 x 0: the camera's default; otherwise the nearest
    // size the camera offers). Viewfinder frames fit into `viewBound`. False when the source
    // cannot be made or opened: the state is then Failed and ErrorText says why. Failures
    // after the start (the camera goes away, nothing fits) arrive through the callback.
    bool Start(const QString& source, const QSize& requested,
               const QSize& viewBound = QSize(640, 640));
    // Stops and releases the pipeline once GStreamer's threads have left it. Safe at any time
    // and more than once; a Failed state stays Failed.
    void Stop();

    EState State() const;
    QString ErrorText() const;
    // The caps the source was asked for.
    QString RequestedCaps() const;
    // The size of the camera's frames once they flow; empty before.
    QSize FrameSize() const;
    // The latest viewfinder frame, upright; null before the first.
    QImage ViewFrame() const;
    std::uint64_t ViewFrameCount() const;

    // Asks for the next full-resolution frame to be stored in `folder`. False when the camera
    // is not running or a still is already on its way.
    bool RequestStill(const QString& folder);
    bool IsStillPending() const;
    // The outcome of the requested still once it is stored or has failed; handed out once.
    std::optional<CStillResult> TakeStillResult();

    struct CImpl;

private:
    std::unique_ptr<CImpl> m;
};
