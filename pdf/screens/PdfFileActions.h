#pragma once

// Open and Share on a PDF file, for the actions prompt and the PDF library. Both do nothing
// for a file that does not exist.

#include <QString>

class CScreen;

// Above this size many mail servers refuse an attachment, so Share offers a smaller copy.
inline constexpr qint64 kLargeAttachmentBytes = 20LL * 1024 * 1024;

// Opens the file with the desktop's viewer; when that cannot be started, shows "Could not
// open file" over `owner`. True when the viewer was started.
bool OpenPdfFile(CScreen* owner, const QString& path);
// Opens the send screen with the file attached. A file larger than `largeBytes` is offered as
// a smaller copy first (its pictures made smaller for e-mail, under the same name in a
// folder of the cache that goes when the send screen closes); the file itself never changes.
// A copy that cannot be made is explained and the file sent as it is; Cancel while the copy
// is made sends nothing. True when it was sent.
bool SharePdfFile(CScreen* owner, const QString& path, qint64 largeBytes = kLargeAttachmentBytes);
