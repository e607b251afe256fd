#pragma once

// Copying bytes from one open file to another without passing them through the process where
// the kernel can (copy_file_range: page cache to page cache, or a reflink or server-side copy
// where the file system offers one), else through a caller's buffer in pieces small enough to
// stay in the processor's cache. Used where megabytes of pictures go into a file unchanged.

#include <QtGlobal>

#include <cstddef>

namespace platform {

struct CFileCopy {
    qint64 copied = 0; // bytes appended to the output
    int error = 0;     // errno of a failed read or write; 0 when none failed
};

// Appends `length` bytes of `in`, from `offset` on (its file position is not used or moved),
// to `out` at its file position. Stops short without an error when `in` ends first, so
// copied < length with error 0 means the source is shorter than expected. `buffer` (of
// `bufferSize` bytes, at least 1) carries the bytes when the kernel cannot copy between the
// two files; its contents are overwritten.
CFileCopy CopyFileBytes(int in, qint64 offset, qint64 length, int out, char* buffer,
                        std::size_t bufferSize);

} // namespace platform
