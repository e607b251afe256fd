#pragma once

// Images handed to a libharu document in one piece. The library's own loaders copy every
// picture into its memory stream one byte at a time; these hand the bytes over as they are,
// and the library writes them (or, for pixels, compresses them) when the document is saved.

#include "platform/FileCopy.h"

#include <hpdf.h>

#include <QByteArray>
#include <QString>

// A JPEG file as an image whose stream is the file's bytes, unchanged. Only the file's head
// is read now; the bytes are read when the document is saved, so the file must stay as it
// is until then (a file changed or removed in between fails the save with a library error).
// The image, or null with the library's error raised (as HPDF_LoadJpegImageFromFile does);
// a file that cannot be read goes through the library's loader, which then says why.
HPDF_Image LoadJpegImage(HPDF_Doc document, const QString& path);

// A JPEG held in memory (a picture re-encoded for the PDF) as an image whose stream is
// those bytes, without a copy. Null with the library's error raised when it is no JPEG the
// library can describe.
HPDF_Image LoadJpegBytes(HPDF_Doc document, QByteArray jpeg);

// Detail number of the library error (HPDF_FILE_IO_ERROR) raised when a JPEG file changed or
// went away between placing and saving, or while it was being copied.
inline constexpr HPDF_STATUS kPictureChangedDetail = 0x10000;

// Where a save puts the bytes of JPEG files placed with LoadJpegImage: straight from the
// picture's file into the output, instead of through the library's copy loop (4 KB at a time,
// twice through memory). The object writer sets one for the length of a save into a file.
class CPictureCopyTarget {
public:
    // Appends `length` bytes of the open file `fd`, from its start, to the output, after
    // whatever has been written before, and counts what was appended as written.
    virtual platform::CFileCopy Append(int fd, qint64 length) = 0;

protected:
    ~CPictureCopyTarget() = default;
};

// Makes `target` (may be null) the target of the saves on this thread until the scope ends.
class CPictureCopyScope {
public:
    explicit CPictureCopyScope(CPictureCopyTarget* target);
    ~CPictureCopyScope();
    CPictureCopyScope(const CPictureCopyScope&) = delete;
    CPictureCopyScope& operator=(const CPictureCopyScope&) = delete;

private:
    CPictureCopyTarget* m_previous;
};

// Pixels as a DeviceRGB image of 8 bits per component: `data` holds width * height * 3
// bytes, rows top-down, red-green-blue, or (compressed) their Flate compression. A
// compressing document keeps only compressed bytes (raw pixels are compressed here); the
// buffer becomes the image's stream without a copy. Null with the library's error raised
// when the library refuses it or memory is short.
HPDF_Image LoadRgbImage(HPDF_Doc document, QByteArray data, int width, int height,
                        bool compressed = false);
