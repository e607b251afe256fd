#pragma once

// Opening a picture file for the decoders: only a regular file is opened (a FIFO or a device
// would hang or never end), and a reason comes back when it cannot be used.

#include <QByteArray>
#include <QFile>
#include <QString>

// Why a picture file was not used.
enum class EPictureProblem {
    None,
    NoSuchFile,  // nothing at the path (or a folder on the way is missing)
    NotAFile,    // a folder, a FIFO, a device or a socket
    Unreadable,  // it exists but cannot be opened (permissions, say): see the system error
    TooLarge,    // more pixels than kMaxPicturePixels
    NotAPicture, // not a picture the decoder accepts, or damaged or incomplete
};

// The most pixels a picture may have. The largest camera pictures (multi-shot sensors) have
// about 410 million; a file that declares more is refused from its header, before a row is
// decoded, as it would take minutes and gigabytes to decode.
inline constexpr qint64 kMaxPicturePixels = 500'000'000;

// A picture file open for reading, closed with the object.
class CPictureFile {
public:
    explicit CPictureFile(const QString& path);
    CPictureFile(const CPictureFile&) = delete;
    CPictureFile& operator=(const CPictureFile&) = delete;

    bool IsOpen() const { return m_file.isOpen(); }
    // NoSuchFile, NotAFile or Unreadable when the file did not open; None otherwise.
    EPictureProblem Problem() const { return m_problem; }
    int SystemError() const { return m_error; }
    // The open file, keeping the path's name (readers take the format hint from its suffix).
    QIODevice& Device() { return m_file; }
    // All bytes of the file, through a memory map where possible; null for an empty or
    // unreadable file.
    const uchar* Bytes(qint64* size);

private:
    QFile m_file;
    QByteArray m_copy;
    EPictureProblem m_problem = EPictureProblem::None;
    int m_error = 0;
};
