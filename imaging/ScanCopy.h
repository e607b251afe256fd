#pragma once

// A page as it comes in from the camera or an import, made to look scanned: the sheet found
// and straightened, then given a document look. For the automatic mode of import and camera
// and for the batch command; the original file is never changed.

#include "imaging/Bitmap.h"
#include "imaging/Enhance.h"

#include <QString>

struct CScanCopyOptions {
    bool straighten = false;
    ELook look = ELook::Original;

    // True when the options change nothing: no copy is needed.
    bool IsIdentity() const { return !straighten && look == ELook::Original; }
};

// The picture straightened (when asked and a sheet is found; without a sheet it stays as it
// is) and given the look. Null when memory is short or the picture is empty.
BitmapHandle ScanPicture(const CBitmap& picture, const CScanCopyOptions& options);

// Decodes `path` (upright, as every decoder result), applies ScanPicture and writes the
// result to `target` as a JPEG at quality 100. False when the file cannot be decoded or the
// copy cannot be written; a partly written target is removed.
bool MakeScanCopy(const QString& path, const CScanCopyOptions& options, const QString& target);
