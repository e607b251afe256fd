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

#include <memory>

// Errors go through the document's error handler, as with HPDF_SaveToFile. Returns the
// library's status (HPDF_OK when the whole file was written and flushed).
HPDF_STATUS SaveDocumentWithProgress(HPDF_Doc document, const QString& path,
                                     CPdfSaveProgress* progress);
// The same bytes into an open file descriptor, which stays open (the caller syncs and
// closes it); the kernel is asked to start writing the file out as it grows. A failed write
// raises HPDF_FILE_IO_ERROR with errno as the detail.
HPDF_STATUS SaveDocumentWithProgress(HPDF_Doc document, int fd, CPdfSaveProgress* progress);

// A save into an open descriptor that starts while the document is still being made, so that
// the disk starts on the pictures while later pages are made: WritePictures writes the
// header (the first time) and every image placed since its last call, Finish the remaining
// objects, the cross-reference table and the trailer. The file holds the objects a save at
// the end writes, only in another order. Statuses and errors as SaveDocumentWithProgress;
// after a failure every later call fails. Destroy it before the document.
class CPdfStreamingSave {
public:
    CPdfStreamingSave(HPDF_Doc document, int fd);
    ~CPdfStreamingSave();
    CPdfStreamingSave(const CPdfStreamingSave&) = delete;
    CPdfStreamingSave& operator=(const CPdfStreamingSave&) = delete;

    HPDF_STATUS WritePictures();
    HPDF_STATUS Finish(CPdfSaveProgress* progress);
    // Objects written so far (the pictures, until Finish).
    int ObjectsWritten() const;

private:
    struct CState;
    std::unique_ptr<CState> m_state;
};
