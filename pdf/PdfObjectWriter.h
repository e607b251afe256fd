#pragma once

// Writes a libharu document to a file the way the library's own save does (same header,
// objects, cross-reference table and trailer, byte for byte), telling a progress receiver
// after every object. The library's save offers no such hook, so its object writer is
// repeated here on the library's own stream and object writers. JPEG files placed with
// LoadJpegImage go from their files into the output without passing through the library
// (copy_file_range where the kernel offers it); the bytes written are the same.

#include "pdf/PdfSaveProgress.h"

#include <hpdf.h>

#include <QString>

// Errors go through the document's error handler, as with HPDF_SaveToFile. Returns the
// library's status (HPDF_OK when the whole file was written and flushed).
HPDF_STATUS SaveDocumentWithProgress(HPDF_Doc document, const QString& path,
                                     CPdfSaveProgress* progress);
// The same bytes into an open file descriptor, which stays open (the caller syncs and
// closes it); the kernel is asked to start writing the file out as it grows. A failed write
// raises HPDF_FILE_IO_ERROR with errno as the detail.
HPDF_STATUS SaveDocumentWithProgress(HPDF_Doc document, int fd, CPdfSaveProgress* progress);
