#include "pdf/ImageEmbedding.h"

#include <hpdf_conf.h>
#include <hpdf_doc.h>
#include <hpdf_objects.h>
#include <hpdf_streams.h>

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

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

HPDF_Stream NewByteStream(HPDF_MMgr mmgr, QByteArray data) {
    auto* stream = static_cast<HPDF_Stream>(HPDF_GetMem(mmgr, sizeof(HPDF_Stream_Rec)));
    if (!stream)
        return nullptr;
    std::memset(stream, 0, sizeof(HPDF_Stream_Rec));
    stream->sig_bytes = HPDF_STREAM_SIG_BYTES;
    stream->type = HPDF_STREAM_UNKNOWN; // no memory-stream code may look inside
    stream->error = mmgr->error;
    stream->mmgr = mmgr;
    stream->read_fn = ReadBytes;
    stream->seek_fn = SeekBytes;
    stream->tell_fn = TellBytes;
    stream->size_fn = SizeOfBytes;
    stream->free_fn = FreeBytes;
    stream->attr = new CBytes{std::move(data), 0};
    return stream;
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

HPDF_Image LibraryLoader(HPDF_Doc document, const QString& path) {
    return HPDF_LoadJpegImageFromFile(document, QFile::encodeName(path).constData());
}

} // namespace

HPDF_Image LoadJpegImage(HPDF_Doc document, const QString& path) {
    if (!HPDF_HasDoc(document))
        return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 0x7FFFFFFF)
        return LibraryLoader(document, path);
    QByteArray data = file.readAll();
    if (data.size() != file.size())
        return LibraryLoader(document, path);
    const qsizetype head = HeadLength(data);
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
    // ...and the image's stream becomes the whole file.
    HPDF_Stream bytes = NewByteStream(document->mmgr, std::move(data));
    if (!bytes) {
        HPDF_CheckError(&document->error);
        return nullptr;
    }
    HPDF_Stream_Free(image->stream);
    image->stream = bytes;
    return image;
}

HPDF_Image LoadRgbImage(HPDF_Doc document, QByteArray rgb, int width, int height) {
    if (!HPDF_HasDoc(document))
        return nullptr;
    if (width <= 0 || height <= 0 || rgb.size() != qsizetype(width) * height * 3)
        return HPDF_RaiseError(&document->error, HPDF_INVALID_IMAGE, 0), nullptr;
    // The library makes the image from one row (its only copy), then gets its true height
    // and the whole buffer as its stream.
    HPDF_Image image =
        HPDF_LoadRawImageFromMem(document, reinterpret_cast<const HPDF_BYTE*>(rgb.constData()),
                                 HPDF_UINT(width), 1, HPDF_CS_DEVICE_RGB, 8);
    if (!image)
        return nullptr;
    HPDF_Stream bytes = NewByteStream(document->mmgr, std::move(rgb));
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
