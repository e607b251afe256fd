#pragma once

// A scanner scan with its progress screen: the scan runs on a worker thread while the screen
// shows the sheet being read and offers Cancel; each page is handed over as it arrives.

#include "scanner/ScanJob.h"

#include <functional>

class CScreen;

// Scans as `options` ask, calling `onPage` on this thread with each stored page as soon as it
// arrives. Cancel stops within the sheet being read; the pages handed over stay. Shows no
// message: the result says what happened.
CScanResult ScanWithProgress(CScreen* owner, const CScanOptions& options,
                             const std::function<void(const QString& path)>& onPage);

// Shows why a scan ended early or gave nothing (`result` not Done), over `owner`.
void ShowScanOutcome(CScreen* owner, const CScanResult& result);
