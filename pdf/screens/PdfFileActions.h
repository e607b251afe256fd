#pragma once

// Open and Share on a PDF file, for the actions prompt and the PDF library. Both do nothing
// for a file that does not exist.

#include <QString>

class CScreen;

// Opens the file with the desktop's viewer; when that cannot be started, shows "Could not
// open file" over `owner`. True when the viewer was started.
bool OpenPdfFile(CScreen* owner, const QString& path);
// Opens the send screen with the file attached. True when it was sent.
bool SharePdfFile(CScreen* owner, const QString& path);
