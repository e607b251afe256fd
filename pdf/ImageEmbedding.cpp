#include "pdf/ImageEmbedding.h"

#include "pdf/RasterPixels.h"
#include "platform/RegularFile.h"

#include <hpdf_conf.h>
#include <hpdf_doc.h>
#include <hpdf_objects.h>
#include <hpdf_streams.h>

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

thread_local CPictureCopyTarget* t_copyTarget = nullptr;

// The file's bytes behind a read-only libharu stream.
struct CBytes {
    QByteArray data;
    qsizetype position = 0;
};

CBytes* Bytes(HPDF_Stream stream) {
    return static_cast<CBytes*>(stream->attr);
}

HPDF_STATUS ReadBytes(HPDF_Stream stream, HPDF_BYTE* ptr, HPDF_UINT* size) {
    CBytes* b = Bytes(stream);
    const qsizetype n = std::min<qsizetype>(*size, b->data.size() - b->position);
    std::memcpy(ptr, b->data.constData() + b->position, std::size_t(n));
    b->position += n;
    const bool short_read = HPDF_UINT(n) < *size;
    *size = HPDF_UINT(n);
    return short_read ? HPDF_STREAM_EOF : HPDF_OK;
}

HPDF_STATUS SeekBytes(HPDF_Stream stream, HPDF_INT pos, HPDF_WhenceMode mode) {
    CBytes* b = Bytes(stream);
    const qsizetype base = mode == HPDF_SEEK_CUR   ? b->position
                           : mode == HPDF_SEEK_END ? b->data.size()
                                                   : 0;
    const qsizetype target = base + pos;
    if (target < 0 || target > b->data.size())
        return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, 0);
    b->position = target;
    return HPDF_OK;
}

HPDF_INT32 TellBytes(HPDF_Stream stream) {
    return HPDF_INT32(Bytes(stream)->position);
}
HPDF_UINT32 SizeOfBytes(HPDF_Stream stream) {
    return HPDF_UINT32(Bytes(stream)->data.size());
}
void FreeBytes(HPDF_Stream stream) {
    delete Bytes(stream);
    stream->attr = nullptr;
}

// A read-only libharu stream over `attr`, freed with it.
HPDF_Stream NewReadStream(HPDF_MMgr mmgr, HPDF_Stream_Read_Func read, HPDF_Stream_Seek_Func seek,
                          HPDF_Stream_Tell_Func tell, HPDF_Stream_Size_Func size,
                          HPDF_Stream_Free_Func free, void* attr) {
    auto* stream = static_cast<HPDF_Stream>(HPDF_GetMem(mmgr, sizeof(HPDF_Stream_Rec)));
    if (!stream)
        return nullptr;
    std::memset(stream, 0, sizeof(HPDF_Stream_Rec));
    stream->sig_bytes = HPDF_STREAM_SIG_BYTES;
    stream->type = HPDF_STREAM_UNKNOWN; // no memory-stream code may look inside
    stream->error = mmgr->error;
    stream->mmgr = mmgr;
    stream->read_fn = read;
    stream->seek_fn = seek;
    stream->tell_fn = tell;
    stream->size_fn = size;
    stream->free_fn = free;
    stream->attr = attr;
    return stream;
}

HPDF_Stream NewByteStream(HPDF_MMgr mmgr, QByteArray data) {
    auto* bytes = new CBytes{std::move(data), 0};
    HPDF_Stream stream =
        NewReadStream(mmgr, ReadBytes, SeekBytes, TellBytes, SizeOfBytes, FreeBytes, bytes);
    if (!stream)
        delete bytes;
    return stream;
}

// A JPEG file read only when the document is saved, so that camera pictures cost no memory
// while the document is built. The file must not change in between: its size and
// modification time are checked when it is opened, and a changed file fails the save.
struct CFileBytes {
    static constexpr qint64 kChunk = 1 << 20; // read ahead: one system call per megabyte

    QByteArray path;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    qint64 position = 0;
    int fd = -1;
    QByteArray chunk; // bytes from chunkStart on, read ahead of the library
    qint64 chunkStart = 0;

    void Close() {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
        chunk = QByteArray();
    }
};

CFileBytes* FileBytes(HPDF_Stream stream) {
    return static_cast<CFileBytes*>(stream->attr);
}

qint64 ModifiedNs(const struct stat& st) {
    return qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// Fills the read-ahead chunk from `position`; false on a read error or a short file.
bool FillChunk(CFileBytes* f) {
    const qint64 length = std::min(CFileBytes::kChunk, f->size - f->position);
    f->chunk.resize(qsizetype(length));
    f->chunkStart = f->position;
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(f->fd, f->chunk.data() + done, std::size_t(length - done),
                                  off_t(f->position + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Opens the file again for the save; false when it is no longer the same regular file (size
// and modification time as when it was placed).
bool ReopenUnchanged(CFileBytes* f) {
    f->fd = platform::OpenRegularFile(QFile::decodeName(f->path)).fd;
    struct stat st {};
    f->chunk.clear();
    return f->fd >= 0 && ::fstat(f->fd, &st) == 0 && st.st_size == f->size &&
           ModifiedNs(st) == f->modified;
}

// The whole file through the save's copy target, in one piece; the library then sees the end
// of the stream at once and writes nothing itself.
HPDF_STATUS CopyWholeFile(HPDF_Stream stream, CFileBytes* f, HPDF_UINT* size) {
    *size = 0;
    if (!ReopenUnchanged(f)) {
        f->Close();
        return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, kPictureChangedDetail);
    }
    const platform::CFileCopy copy = t_copyTarget->Append(f->fd, f->size);
    // A file written to while it was copied may have given a mix of old and new bytes.
    struct stat st {};
    const bool unchanged =
        ::fstat(f->fd, &st) == 0 && st.st_size == f->size && ModifiedNs(st) == f->modified;
    f->Close();
    if (copy.error != 0)
        return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, HPDF_STATUS(copy.error));
    if (copy.copied != f->size || !unchanged)
        return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, kPictureChangedDetail);
    f->position = f->size;
    return HPDF_STREAM_EOF;
}

HPDF_STATUS ReadFileBytes(HPDF_Stream stream, HPDF_BYTE* ptr, HPDF_UINT* size) {
    CFileBytes* f = FileBytes(stream);
    if (t_copyTarget && f->position == 0 && f->fd < 0 && *size > 0)
        return CopyWholeFile(stream, f, size);
    const auto fail = [&] {
        f->Close();
        *size = 0;
        return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, kPictureChangedDetail);
    };
    // Opened again at the save: only the same regular file will do.
    if (f->fd < 0 && !ReopenUnchanged(f))
        return fail();
    const qint64 wanted = std::min<qint64>(*size, f->size - f->position);
    qint64 done = 0;
    while (done < wanted) {
        const qint64 offset = f->position - f->chunkStart;
        if (offset < 0 || offset >= f->chunk.size()) {
            if (!FillChunk(f))
                return fail();
            continue;
        }
        const qint64 n = std::min<qint64>(wanted - done, f->chunk.size() - offset);
        std::memcpy(ptr + done, f->chunk.constData() + offset, std::size_t(n));
        done += n;
        f->position += n;
    }
    if (f->position >= f->size)
        f->Close(); // one open file at a time, however many pages
    const bool shortRead = HPDF_UINT(done) < *size;
    *size = HPDF_UINT(done);
    return shortRead ? HPDF_STREAM_EOF : HPDF_OK;
}

HPDF_STATUS SeekFileBytes(HPDF_Stream stream, HPDF_INT pos, HPDF_WhenceMode mode) {
    CFileBytes* f = FileBytes(stream);
    const qint64 base = mode == HPDF_SEEK_CUR ? f->position : mode == HPDF_SEEK_END ? f->size : 0;
    const qint64 target = base + pos;
    if (target < 0 || target > f->size)
        return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, 0);
    f->position = target; // reads go by position; the chunk refills when it lies elsewhere
    return HPDF_OK;
}

HPDF_INT32 TellFileBytes(HPDF_Stream stream) {
    return HPDF_INT32(FileBytes(stream)->position);
}
HPDF_UINT32 SizeOfFileBytes(HPDF_Stream stream) {
    return HPDF_UINT32(FileBytes(stream)->size);
}
void FreeFileBytes(HPDF_Stream stream) {
    FileBytes(stream)->Close();
    delete FileBytes(stream);
    stream->attr = nullptr;
}

// The first bytes of a file, up to `limit`; the file's size and time in `file`. 0, or why
// not: an errno value of the open (ENODEV or EISDIR for what is not a regular file, which is
// never opened in a way that could block), or EFBIG for a file too large for the library.
int ReadHead(const QByteArray& path, qint64 limit, QByteArray* head, CFileBytes* file) {
    const platform::CRegularFile opened = platform::OpenRegularFile(QFile::decodeName(path));
    if (!opened.Opened())
        return opened.error;
    const int fd = opened.fd;
    struct stat st {};
    int error = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (!error && st.st_size > 0x7FFFFFFF)
        error = EFBIG;
    if (!error) {
        file->path = path;
        file->size = st.st_size;
        file->modified = ModifiedNs(st);
        head->resize(qsizetype(std::min<qint64>(limit, st.st_size)));
        qsizetype done = 0;
        while (!error && done < head->size()) {
            const ssize_t n = ::read(fd, head->data() + done, std::size_t(head->size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                error = n < 0 ? errno : EIO;
            done += n > 0 ? n : 0;
        }
    }
    ::close(fd);
    return error;
}

// Length of the JPEG's head up to and including its frame header (SOF0, 1, 2 or 9, the
// frames the library reads sizes from); 0 when the markers do not lead there: a cut file,
// a scan before any frame, or a frame of another kind (lossless, arithmetic).
qsizetype HeadLength(const QByteArray& d) {
    const auto byte = [&](qsizetype i) { return uchar(d[i]); };
    if (d.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return 0;
    qsizetype p = 2;
    for (;;) {
        if (p + 2 > d.size() || byte(p) != 0xFF)
            return 0;
        while (p + 2 <= d.size() && byte(p + 1) == 0xFF)
            ++p; // fill bytes before a marker
        if (p + 2 > d.size())
            return 0;
        const int marker = byte(p + 1);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            p += 2; // markers without a segment
            continue;
        }
        if (marker == 0xDA || marker == 0xD9 || p + 4 > d.size())
            return 0;
        const qsizetype length = (qsizetype(byte(p + 2)) << 8) | byte(p + 3);
        const qsizetype end = p + 2 + length;
        if (length < 2 || end > d.size())
            return 0;
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9)
            return end;
        if (marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return 0; // a frame the library cannot describe
        p = end;
    }
}

// The library's own error for a file it could not open, with the reason as its detail.
HPDF_Image CannotOpen(HPDF_Doc document, int error) {
    HPDF_RaiseError(&document->error, HPDF_FILE_OPEN_ERROR, HPDF_STATUS(error));
    return nullptr;
}

} // namespace

CPictureCopyScope::CPictureCopyScope(CPictureCopyTarget* target) : m_previous(t_copyTarget) {
    t_copyTarget = target;
}

CPictureCopyScope::~CPictureCopyScope() {
    t_copyTarget = m_previous;
}

HPDF_Image LoadJpegImage(HPDF_Doc document, const QString& path) {
    if (!HPDF_HasDoc(document))
        return nullptr;
    const QByteArray name = QFile::encodeName(path);
    // Camera files carry their tags and thumbnail (at most 64 KB each) before the frame
    // header: the head is almost always within the first 64 KB, else within a megabyte, else
    // the whole file is looked at. Only the head is copied here; the rest is read at the save.
    auto file = std::make_unique<CFileBytes>();
    QByteArray data;
    qsizetype head = 0;
    for (qint64 limit = qint64(64) * 1024; head == 0;
         limit = limit < (1 << 20) ? (1 << 20) : file->size) {
        if (const int error = ReadHead(name, limit, &data, file.get()))
            return CannotOpen(document, error);
        head = HeadLength(data);
        if (data.size() >= file->size)
            break;
    }
    if (head == 0) {
        // The library's own loader would take some of these (a file cut inside its head)
        // and write an image without a size; refuse them as it refuses other JPEG forms.
        const bool jpeg = data.startsWith(QByteArray("\xFF\xD8", 2));
        HPDF_RaiseError(&document->error,
                        jpeg ? HPDF_UNSUPPORTED_JPEG_FORMAT : HPDF_INVALID_JPEG_DATA, 0);
        return nullptr;
    }
    // The library reads the sizes and colour space from the head alone...
    HPDF_Image image = HPDF_LoadJpegImageFromMem(
        document, reinterpret_cast<const HPDF_BYTE*>(data.constData()), HPDF_UINT(head));
    if (!image)
        return nullptr;
    // ...and the image's stream becomes the whole file, read when the document is saved.
    CFileBytes* attr = file.release();
    HPDF_Stream bytes = NewReadStream(document->mmgr, ReadFileBytes, SeekFileBytes, TellFileBytes,
                                      SizeOfFileBytes, FreeFileBytes, attr);
    if (!bytes) {
        delete attr;
        HPDF_CheckError(&document->error);
        return nullptr;
    }
    HPDF_Stream_Free(image->stream);
    image->stream = bytes;
    return image;
}

HPDF_Image LoadJpegBytes(HPDF_Doc document, QByteArray jpeg) {
    if (!HPDF_HasDoc(document))
        return nullptr;
    const qsizetype head = HeadLength(jpeg);
    if (head == 0) {
        HPDF_RaiseError(&document->error, HPDF_INVALID_JPEG_DATA, 0);
        return nullptr;
    }
    HPDF_Image image = HPDF_LoadJpegImageFromMem(
        document, reinterpret_cast<const HPDF_BYTE*>(jpeg.constData()), HPDF_UINT(head));
    if (!image)
        return nullptr;
    HPDF_Stream bytes = NewByteStream(document->mmgr, std::move(jpeg));
    if (!bytes) {
        HPDF_CheckError(&document->error);
        return nullptr;
    }
    HPDF_Stream_Free(image->stream);
    image->stream = bytes;
    return image;
}

// Writes the filter entry of an image whose stream holds Flate data already (the library
// writes the bytes as they are when the dictionary names no filter of its own).
HPDF_STATUS WriteFlateFilter(HPDF_Dict, HPDF_Stream stream) {
    return HPDF_Stream_WriteStr(stream, "/Filter [ /FlateDecode ]\012");
}

HPDF_Image LoadRgbImage(HPDF_Doc document, QByteArray data, int width, int height,
                        bool compressed) {
    if (!HPDF_HasDoc(document))
        return nullptr;
    if (width <= 0 || height <= 0 || (!compressed && data.size() != qsizetype(width) * height * 3))
        return HPDF_RaiseError(&document->error, HPDF_INVALID_IMAGE, 0), nullptr;
    // The library makes the image from one row (its only copy), then gets its true height
    // and the whole picture as its stream.
    const QByteArray row(qsizetype(width) * 3, '\0');
    HPDF_Image image =
        HPDF_LoadRawImageFromMem(document, reinterpret_cast<const HPDF_BYTE*>(row.constData()),
                                 HPDF_UINT(width), 1, HPDF_CS_DEVICE_RGB, 8);
    if (!image)
        return nullptr;
    const bool documentCompresses = (image->filter & HPDF_STREAM_FILTER_FLATE_DECODE) != 0;
    if (documentCompresses && !compressed) {
        // Compressed now rather than at the save: the document then keeps kilobytes per
        // page instead of megabytes.
        data = DeflatePixels(data);
        if (data.isEmpty())
            return HPDF_RaiseError(&document->error, HPDF_FAILD_TO_ALLOC_MEM, 0), nullptr;
        compressed = true;
    }
    if (compressed) {
        if (!documentCompresses || image->write_fn)
            return HPDF_RaiseError(&document->error, HPDF_INVALID_IMAGE, 0), nullptr;
        // The library writes the bytes as they are when the dictionary names no filter of
        // its own; the filter entry comes from here.
        image->filter = HPDF_STREAM_FILTER_NONE;
        image->write_fn = WriteFlateFilter;
    }
    HPDF_Stream bytes = NewByteStream(document->mmgr, std::move(data));
    if (!bytes || HPDF_Dict_AddNumber(image, "Height", height) != HPDF_OK) {
        if (bytes)
            HPDF_Stream_Free(bytes);
        HPDF_CheckError(&document->error);
        return nullptr;
    }
    HPDF_Stream_Free(image->stream);
    image->stream = bytes;
    return image;
}
