#include "scanner/ScanJob.h"

#include "camera/StillWriter.h"
#include "scanner/Sane.h"
#include "scanner/ScanPageWriter.h"
#include "scanner/ScannerDevice.h"
#include "text/Catalogue.h"

#include <utility>

CScanJob::CScanJob(CScanOptions options, CScanJobDelegate& delegate)
    : m_options(std::move(options)), m_delegate(delegate) {}

CScanResult CScanJob::Run() {
    CScanResult result;
    auto fail = [&](EScanFailure failure, const QString& reason) {
        result.failure = failure;
        result.reason = reason;
        return result;
    };
    const QString folder = m_options.folder.isEmpty() ? CameraPicturesFolder() : m_options.folder;
    const auto held = HoldSane();
    CScannerDevice device;
    QString reason;
    if (!device.Open(m_options.device, &reason))
        return fail(EScanFailure::NoScanner, reason);
    if (!device.Configure(m_options, &reason))
        return fail(EScanFailure::Setup, reason);
    const int limit = m_options.PageLimit();
    for (int page = 1; limit == 0 || page <= limit; ++page) {
        if (m_delegate.Cancelled()) {
            result.cancelled = true;
            break;
        }
        m_delegate.OnProgress(page, 0);
        const CScannerDevice::EStart started = device.Start(&reason);
        if (started == CScannerDevice::EStart::NoMoreSheets) {
            // An empty feeder ends a feeder scan; before the first sheet it is the reason
            // there is nothing.
            if (result.pages.isEmpty())
                return fail(EScanFailure::EmptyFeeder,
                            TranslateText("Scanner", "the document feeder is empty"));
            break;
        }
        if (started == CScannerDevice::EStart::Failed) {
            device.Cancel();
            return fail(EScanFailure::Scanner, reason);
        }
        CScannedPicture picture;
        int lastPercent = -2;
        const CScannerDevice::ERead read = device.ReadPage(
            picture,
            [&](qint64 done, qint64 total) {
                const int percent = total > 0 ? int(done * 100 / total) : -1;
                if (percent != lastPercent) {
                    lastPercent = percent;
                    m_delegate.OnProgress(page, percent);
                }
                return !m_delegate.Cancelled();
            },
            &reason);
        if (read == CScannerDevice::ERead::Cancelled) {
            result.cancelled = true;
            break;
        }
        if (read == CScannerDevice::ERead::Failed)
            return fail(EScanFailure::Scanner, reason);
        const QString path = WriteScannedPage(folder, picture, &reason);
        if (path.isEmpty()) {
            device.Cancel();
            return fail(EScanFailure::Write, reason);
        }
        result.pages << path;
        m_delegate.OnPage(page, path);
    }
    // Ends the batch: a feeder scanner stops pulling sheets.
    device.Cancel();
    return result;
}

namespace {

class CWorkerDelegate : public CScanJobDelegate {
public:
    CWorkerDelegate(const CScanWorker::CCallbacks& callbacks, const CScanWorker& worker)
        : m_callbacks(callbacks), m_worker(worker) {}
    void OnProgress(int page, int percent) override {
        if (m_callbacks.progress)
            m_callbacks.progress(page, percent);
    }
    void OnPage(int page, const QString& path) override {
        if (m_callbacks.page)
            m_callbacks.page(page, path);
    }
    bool Cancelled() override { return m_worker.CancelRequested(); }

private:
    const CScanWorker::CCallbacks& m_callbacks;
    const CScanWorker& m_worker;
};

} // namespace

CScanWorker::~CScanWorker() {
    Cancel();
    Wait();
}

void CScanWorker::Start(CScanOptions options, CCallbacks callbacks) {
    Wait();
    m_cancel = false;
    m_thread = std::thread([this, options = std::move(options), callbacks = std::move(callbacks)] {
        CWorkerDelegate delegate(callbacks, *this);
        const CScanResult result = CScanJob(options, delegate).Run();
        if (callbacks.finished)
            callbacks.finished(result);
    });
}

void CScanWorker::Wait() {
    if (m_thread.joinable())
        m_thread.join();
}
