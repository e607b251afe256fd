#pragma once

// The scan job without a screen: opens the scanner, sets it up as the options ask and takes
// one sheet after the other (a feeder until it is empty), storing each page as it arrives and
// telling one delegate. Cancelling stops within the sheet being read; that sheet is dropped
// and every page stored before it stays.

#include "scanner/ScanOptions.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <thread>

class CScanJobDelegate {
public:
    virtual ~CScanJobDelegate() = default;
    // Sheet `page` (from 1) is being read; `percent` 0-100, or -1 when the scanner does not
    // say how long the sheet is.
    virtual void OnProgress(int page, int percent) {
        (void)page;
        (void)percent;
    }
    // Sheet `page` is stored at `path`.
    virtual void OnPage(int page, const QString& path) = 0;
    // Asked between and within sheets; true stops the scan.
    virtual bool Cancelled() { return false; }
};

enum class EScanFailure {
    None,
    NoScanner,   // none found, or it could not be opened
    Setup,       // it refused the source asked for, or SANE could not start
    EmptyFeeder, // not a single sheet: the feeder (or the flatbed's cover) gave nothing
    Scanner,     // it failed during the scan (jammed, cover open, gone)
    Write,       // a page could not be stored
};

struct CScanResult {
    EScanFailure failure = EScanFailure::None;
    QString reason;    // readable, empty when nothing failed
    QStringList pages; // every page stored, in order, also when the scan failed or stopped
    bool cancelled = false;

    bool Done() const { return failure == EScanFailure::None && !cancelled; }
};

class CScanJob {
public:
    // The delegate must outlive the job.
    CScanJob(CScanOptions options, CScanJobDelegate& delegate);
    CScanResult Run();

private:
    CScanOptions m_options;
    CScanJobDelegate& m_delegate;
};

// A scan job on a worker thread. The callbacks run on that thread; a screen hands them over
// to its own. Cancel may be called from any thread.
class CScanWorker {
public:
    struct CCallbacks {
        std::function<void(int page, int percent)> progress;
        std::function<void(int page, const QString& path)> page;
        std::function<void(const CScanResult& result)> finished;
    };

    CScanWorker() = default;
    // Stops the scan and waits for the thread.
    ~CScanWorker();
    CScanWorker(const CScanWorker&) = delete;
    CScanWorker& operator=(const CScanWorker&) = delete;

    void Start(CScanOptions options, CCallbacks callbacks);
    void Cancel() { m_cancel = true; }
    bool CancelRequested() const { return m_cancel; }
    // Waits for the thread to end (after `finished` ran).
    void Wait();

private:
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
};
