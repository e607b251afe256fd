#pragma once

// Storing a scanned page: colour and grey pages as JPEG at quality 100 (as the camera stores
// its pictures), black and white pages as 1-bit PNG, in one step, so that a name only ever
// stands for a whole picture.

#include "scanner/ScannerDevice.h"

#include <QString>

// Writes `picture` into `folder` (created when missing) as SCAN_yyyyMMdd_hhmmss.jpg (.png for
// black and white), with "_2", "_3", ... when that name is taken; an existing file is never
// replaced. Returns the path, or empty with the reason in `error`.
QString WriteScannedPage(const QString& folder, const CScannedPicture& picture,
                         QString* error = nullptr);
