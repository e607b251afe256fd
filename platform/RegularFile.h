#pragma once

// Opening a file for reading that must be a regular file: a picture, a page, a JPEG the PDF
// embeds. A FIFO would block open() until a writer comes, a device could be read without end;
// both are refused before a byte is read. The check is made on the opened descriptor, so
// nothing can be swapped in between.

#include <QString>

namespace platform {

struct CRegularFile {
    int fd = -1;           // open for reading (blocking, close-on-exec); -1 on failure
    int error = 0;         // errno of a failed open() (ENOENT, EACCES, ...)
    bool notAFile = false; // the path names a folder, a FIFO, a device or a socket
    bool Opened() const { return fd >= 0; }
};

// Opens `path` (following links) when it is a regular file. The caller closes `fd`.
CRegularFile OpenRegularFile(const QString& path);

} // namespace platform
