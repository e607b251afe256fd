#include "scanner/screens/ScanProgress.h"

#include "pdf/screens/ProgressDialog.h"
#include "resources/ResourceIds.h"
#include "text/Catalogue.h"
#include "ui/device/MessagePump.h"
#include "ui/toolkit/QuestionBox.h"

#include <QThread>

#include <memory>
#include <mutex>
#include <vector>

namespace {

// What the worker thread reports, picked up by the screen's loop.
struct CReport {
    std::mutex mutex;
    int page = 1;
    int percent = 0;
    std::vector<QString> arrived;
    bool finished = false;
    CScanResult result;
};

} // namespace

CScanResult ScanWithProgress(CScreen* owner, const CScanOptions& options,
                             const std::function<void(const QString& path)>& onPage) {
    auto report = std::make_shared<CReport>();
    auto progress = std::make_unique<CProgressDialog>(owner);
    progress->EnableCancel(true);
    progress->SetSecondBarShown(false);
    progress->SetHeader(TranslateText("ScannerScreens", "Scanning"),
                        TranslateText("ScannerScreens", "Please wait while the scanner reads "
                                                        "the pages"),
                        ids::IDB_HEADER_CAMERA);
    progress->ShowModeless();
    progress->SetRange(100, QString());
    progress->SetStepText(TranslateText("ScannerScreens", "Scanning page %1").arg(1));

    CScanWorker worker;
    worker.Start(options, {[report](int page, int percent) {
                               const std::lock_guard lock(report->mutex);
                               report->page = page;
                               report->percent = percent;
                           },
                           [report](int, const QString& path) {
                               const std::lock_guard lock(report->mutex);
                               report->arrived.push_back(path);
                           },
                           [report](const CScanResult& result) {
                               const std::lock_guard lock(report->mutex);
                               report->result = result;
                               report->finished = true;
                           }});
    int handed = 0;
    int shownPage = 0;
    int shownPercent = -2;
    for (;;) {
        std::vector<QString> arrived;
        bool finished = false;
        int page = 0;
        int percent = 0;
        {
            const std::lock_guard lock(report->mutex);
            arrived.swap(report->arrived);
            finished = report->finished;
            page = report->page;
            percent = report->percent;
        }
        for (const QString& path : arrived) {
            onPage(path);
            ++handed;
        }
        if (page != shownPage || percent != shownPercent) {
            shownPage = page;
            shownPercent = percent;
            progress->SetStepText(TranslateText("ScannerScreens", "Scanning page %1").arg(page));
            if (handed > 0)
                progress->SetStatusText((handed == 1
                                             ? TranslateText("ScannerScreens", "%1 page scanned")
                                             : TranslateText("ScannerScreens", "%1 pages scanned"))
                                            .arg(handed));
            progress->SetPosition(percent < 0 ? 0 : percent, 100);
        }
        if (finished)
            break;
        if (progress->IsCancelled() && !worker.CancelRequested()) {
            worker.Cancel();
            progress->EnableCancel(false);
        }
        PumpMessages(100);
        QThread::msleep(15);
    }
    worker.Wait();
    progress->DestroyScreen();
    progress.reset();
    const std::lock_guard lock(report->mutex);
    return report->result;
}

void ShowScanOutcome(CScreen* owner, const CScanResult& result) {
    if (result.Done())
        return;
    CQuestionBox box(owner);
    box.SetKind(CQuestionBox::kClose);
    const bool cancelled = result.cancelled && result.failure == EScanFailure::None;
    box.SetPictures(cancelled ? ids::IDB_MSG_ATTENTION : ids::IDB_MSG_ERROR);
    box.SetTitles(cancelled ? TranslateText("ScannerScreens", "Notice")
                            : TranslateText("ScannerScreens", "Error"),
                  cancelled ? TranslateText("ScannerScreens", "Scan cancelled")
                            : TranslateText("ScannerScreens", "Scan failed"));
    QString body;
    if (cancelled)
        body = result.pages.isEmpty()
                   ? TranslateText("ScannerScreens", "The scan was cancelled before a page was "
                                                     "scanned.")
                   : TranslateText("ScannerScreens",
                                   "The scan was cancelled. The pages scanned before are kept.");
    else if (result.pages.isEmpty())
        body = TranslateText("ScannerScreens", "No page was scanned: %1.").arg(result.reason);
    else
        body = TranslateText("ScannerScreens",
                             "The scan stopped: %1. The pages scanned before are kept.")
                   .arg(result.reason);
    box.SetBody(body);
    box.Show();
}
