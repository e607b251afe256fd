#include "pdf/PdfObjectWriter.h"

#include "pdf/ImageEmbedding.h"
#include "platform/FileCopy.h"

#include <hpdf_doc.h>
#include <hpdf_objects.h>
#include <hpdf_streams.h>

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kWriteBuffer = std::size_t(1) << 20;

// The library's header line for each version, followed by its binary-marker comment.
const char* const kVersionHeaders[] = {
    "%PDF-1.2\012%\267\276\255\252\012", "%PDF-1.3\012%\267\276\255\252\012",
    "%PDF-1.4\012%\267\276\255\252\012", "%PDF-1.5\012%\267\276\255\252\012",
    "%PDF-1.6\012%\267\276\255\252\012", "%PDF-1.7\012%\267\276\255\252\012",
};

// The first section starts with the free entry 0, which is not an object.
HPDF_UINT FirstObject(HPDF_Xref xref) {
    return xref->start_offset == 0 ? 1 : 0;
}

HPDF_STATUS WriteObject(HPDF_Xref xref, HPDF_UINT i, HPDF_Stream stream) {
    char buf[64];
    auto* entry = static_cast<HPDF_XrefEntry>(HPDF_List_ItemAt(xref->entries, i));
    entry->byte_offset = stream->size;
    std::snprintf(buf, sizeof buf, "%u %u obj\012", unsigned(xref->start_offset + i),
                  unsigned(entry->gen_no));
    HPDF_STATUS ret = HPDF_Stream_WriteStr(stream, buf);
    if (ret == HPDF_OK)
        ret = HPDF_Obj_WriteValue(entry->obj, stream, nullptr);
    if (ret == HPDF_OK)
        ret = HPDF_Stream_WriteStr(stream, "\012endobj\012");
    return ret;
}

// Every object not written yet (`written`, by table index, may be shorter than the table).
HPDF_STATUS WriteObjects(HPDF_Xref xref, HPDF_Stream stream, CPdfSaveProgress* progress,
                         const std::vector<bool>& written = {}) {
    // Writing a font adds its descriptor and file to the table as it goes: the count is read
    // again after every object.
    for (HPDF_UINT i = FirstObject(xref); i < xref->entries->count; ++i) {
        if (i < written.size() && written[i])
            continue;
        if (const HPDF_STATUS ret = WriteObject(xref, i, stream); ret != HPDF_OK)
            return ret;
        if (progress)
            progress->OnObjectWritten(xref->entries->count, xref->start_offset + i);
    }
    return HPDF_OK;
}

// An image XObject: complete once placed, and the bulk of a document of pictures.
bool IsImage(void* obj) {
    const auto* header = static_cast<const HPDF_Obj_Header*>(obj);
    if ((header->obj_class & HPDF_OCLASS_ANY) != HPDF_OCLASS_DICT)
        return false;
    const auto subtype = static_cast<HPDF_Name>(
        HPDF_Dict_GetItem(static_cast<HPDF_Dict>(obj), "Subtype", HPDF_OCLASS_NAME));
    return subtype && std::strcmp(subtype->value, "Image") == 0;
}

HPDF_STATUS WriteCrossReference(HPDF_Xref xref, HPDF_Stream stream) {
    char buf[64];
    xref->addr = stream->size;
    std::snprintf(buf, sizeof buf, "xref\012%u %u\012", unsigned(xref->start_offset),
                  unsigned(xref->entries->count));
    HPDF_STATUS ret = HPDF_Stream_WriteStr(stream, buf);
    for (HPDF_UINT i = 0; ret == HPDF_OK && i < xref->entries->count; ++i) {
        auto* entry = static_cast<HPDF_XrefEntry>(HPDF_List_ItemAt(xref->entries, i));
        std::snprintf(buf, sizeof buf, "%010u %05u %c\015\012", unsigned(entry->byte_offset),
                      unsigned(entry->gen_no), entry->entry_typ);
        ret = HPDF_Stream_WriteStr(stream, buf);
    }
    if (ret != HPDF_OK)
        return ret;

    if ((ret = HPDF_Dict_AddNumber(xref->trailer, "Size",
                                   HPDF_INT32(xref->entries->count + xref->start_offset))) !=
        HPDF_OK)
        return ret;
    if ((ret = HPDF_Stream_WriteStr(stream, "trailer\012")) != HPDF_OK)
        return ret;
    if ((ret = HPDF_Dict_Write(xref->trailer, stream, nullptr)) != HPDF_OK)
        return ret;
    if ((ret = HPDF_Stream_WriteStr(stream, "\012startxref\012")) != HPDF_OK)
        return ret;
    if ((ret = HPDF_Stream_WriteUInt(stream, xref->addr)) != HPDF_OK)
        return ret;
    return HPDF_Stream_WriteStr(stream, "\012%%EOF\012");
}

// Everything after the header: objects not written yet, cross-reference table, trailer.
HPDF_STATUS WriteRest(HPDF_Doc pdf, HPDF_Stream stream, CPdfSaveProgress* progress,
                      const std::vector<bool>& written = {}) {
    HPDF_STATUS ret = HPDF_Dict_Add(pdf->trailer, "Root", pdf->catalog);
    if (ret == HPDF_OK)
        ret = HPDF_Dict_Add(pdf->trailer, "Info", pdf->info);
    if (ret == HPDF_OK)
        ret = WriteObjects(pdf->xref, stream, progress, written);
    if (ret == HPDF_OK)
        ret = WriteCrossReference(pdf->xref, stream);
    return ret;
}

// Collects the library's small writes and hands them to a descriptor a megabyte at a time;
// the pictures' files it copies straight across (CPictureCopyTarget). Every so many
// megabytes it asks the kernel to start writing them to the disk, so that the sync at the end
// finds most of the file there already.
struct CFdWriter final : CPictureCopyTarget {
    static constexpr qint64 kWriteBehind = qint64(16) << 20;

    int fd = -1;
    HPDF_Stream stream = nullptr; // the library's view of the output, for its size
    std::unique_ptr<char[]> buffer;
    std::size_t used = 0;
    int failure = 0;    // errno of the first failed write
    off_t start = 0;    // where the document starts in the file
    qint64 handed = 0;  // bytes given to the descriptor
    qint64 started = 0; // of which the kernel has been asked to write out so many

    bool Flush() {
        const char* p = buffer.get();
        std::size_t left = used;
        while (left > 0 && failure == 0) {
            const ssize_t n = ::write(fd, p, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                failure = n < 0 ? errno : EIO;
            else {
                p += n;
                left -= std::size_t(n);
                handed += n;
            }
        }
        used = 0;
        WriteBehind();
        return failure == 0;
    }

    platform::CFileCopy Append(int source, qint64 length) override {
        platform::CFileCopy copy;
        if (!Flush()) {
            copy.error = failure;
            return copy;
        }
        copy = platform::CopyFileBytes(source, 0, length, fd, buffer.get(), kWriteBuffer);
        handed += copy.copied;
        stream->size += HPDF_UINT32(copy.copied);
        WriteBehind();
        return copy;
    }

    void WriteBehind() {
        if (handed - started < kWriteBehind)
            return;
        // Only a hint: a descriptor that cannot (a pipe, an old kernel) is synced as it is.
        ::sync_file_range(fd, start + started, handed - started, SYNC_FILE_RANGE_WRITE);
        started = handed;
    }
};

HPDF_STATUS WriteToFd(HPDF_Stream stream, const HPDF_BYTE* ptr, HPDF_UINT size) {
    auto* w = static_cast<CFdWriter*>(stream->attr);
    while (size > 0) {
        if (w->used == kWriteBuffer && !w->Flush())
            return HPDF_SetError(stream->error, HPDF_FILE_IO_ERROR, HPDF_STATUS(w->failure));
        const std::size_t n = std::min<std::size_t>(size, kWriteBuffer - w->used);
        std::memcpy(w->buffer.get() + w->used, ptr, n);
        w->used += n;
        ptr += n;
        size -= HPDF_UINT(n);
    }
    return HPDF_OK;
}

// An encrypted document (or an incremental section) needs the library's own writer; the
// program makes neither.
bool NeedsLibraryWriter(HPDF_Doc pdf) {
    return pdf->encrypt_on || pdf->xref->prev || pdf->pdf_version > HPDF_VER_17;
}

} // namespace

struct CPdfStreamingSave::CState {
    HPDF_Doc pdf = nullptr;
    CFdWriter writer;
    HPDF_Stream stream = nullptr; // the library's view of the writer, once started
    int version = -1;             // of the header written
    std::vector<bool> written;    // by table index: objects out already
    HPDF_UINT examined = 0;       // table entries looked at for pictures
    HPDF_STATUS status = HPDF_OK;

    // Errors go through the document's error handler, as with the library's own save.
    HPDF_STATUS Report(HPDF_STATUS ret) {
        if (ret != HPDF_OK && pdf->error.error_no == HPDF_OK)
            HPDF_SetError(&pdf->error, ret, 0);
        return HPDF_CheckError(&pdf->error);
    }

    HPDF_STATUS Start() {
        if (stream || status != HPDF_OK)
            return status;
        if (NeedsLibraryWriter(pdf))
            return status = HPDF_SetError(&pdf->error, HPDF_INVALID_OPERATION, 0);
        writer.buffer.reset(new (std::nothrow) char[kWriteBuffer]);
        if (!writer.buffer)
            return status = HPDF_SetError(&pdf->error, HPDF_FAILD_TO_ALLOC_MEM, 0);
        stream = HPDF_CallbackWriter_New(pdf->mmgr, WriteToFd, &writer);
        if (!stream)
            return status = HPDF_CheckError(&pdf->error);
        writer.stream = stream;
        version = int(pdf->pdf_version);
        return status = HPDF_Stream_WriteStr(stream, kVersionHeaders[version]);
    }
};

CPdfStreamingSave::CPdfStreamingSave(HPDF_Doc document, int fd)
    : m_state(std::make_unique<CState>()) {
    m_state->pdf = document;
    m_state->writer.fd = fd;
    const off_t position = ::lseek(fd, 0, SEEK_CUR);
    m_state->writer.start = position > 0 ? position : 0;
    if (!HPDF_HasDoc(document))
        m_state->status = HPDF_INVALID_DOCUMENT;
}

CPdfStreamingSave::~CPdfStreamingSave() {
    if (m_state->stream)
        HPDF_Stream_Free(m_state->stream);
}

HPDF_STATUS CPdfStreamingSave::WritePictures() {
    CState& s = *m_state;
    if (s.status == HPDF_INVALID_DOCUMENT)
        return s.status;
    if (s.Start() != HPDF_OK)
        return s.Report(s.status);
    const CPictureCopyScope pictures(&s.writer);
    const HPDF_Xref xref = s.pdf->xref;
    s.written.resize(xref->entries->count, false);
    for (HPDF_UINT i = std::max(s.examined, FirstObject(xref)); i < xref->entries->count; ++i) {
        if (!IsImage(static_cast<HPDF_XrefEntry>(HPDF_List_ItemAt(xref->entries, i))->obj))
            continue;
        if ((s.status = WriteObject(xref, i, s.stream)) != HPDF_OK)
            return s.Report(s.status);
        s.written[i] = true;
    }
    s.examined = xref->entries->count;
    return HPDF_OK;
}

HPDF_STATUS CPdfStreamingSave::Finish(CPdfSaveProgress* progress) {
    CState& s = *m_state;
    if (s.status == HPDF_INVALID_DOCUMENT)
        return s.status;
    if (s.Start() != HPDF_OK)
        return s.Report(s.status);
    HPDF_STATUS ret;
    {
        const CPictureCopyScope pictures(&s.writer);
        ret = WriteRest(s.pdf, s.stream, progress, s.written);
    }
    if (ret == HPDF_OK && !s.writer.Flush())
        ret = HPDF_SetError(&s.pdf->error, HPDF_FILE_IO_ERROR, HPDF_STATUS(s.writer.failure));
    // A feature added after the header went out may have raised the version: every header
    // has the same length, so the right one goes over it.
    const int version = int(s.pdf->pdf_version);
    if (ret == HPDF_OK && version != s.version) {
        const char* header = kVersionHeaders[version];
        const std::size_t length = std::strlen(header);
        if (::pwrite(s.writer.fd, header, length, s.writer.start) != ssize_t(length))
            ret = HPDF_SetError(&s.pdf->error, HPDF_FILE_IO_ERROR, HPDF_STATUS(errno));
    }
    s.status = ret;
    return s.Report(ret);
}

int CPdfStreamingSave::ObjectsWritten() const {
    return int(std::count(m_state->written.begin(), m_state->written.end(), true));
}

HPDF_STATUS SaveDocumentWithProgress(HPDF_Doc pdf, int fd, CPdfSaveProgress* progress) {
    CPdfStreamingSave save(pdf, fd);
    return save.Finish(progress);
}

HPDF_STATUS SaveDocumentWithProgress(HPDF_Doc pdf, const QString& path,
                                     CPdfSaveProgress* progress) {
    if (!HPDF_HasDoc(pdf))
        return HPDF_INVALID_DOCUMENT;
    const QByteArray name = QFile::encodeName(path);
    // Such a document is saved without progress.
    if (NeedsLibraryWriter(pdf))
        return HPDF_SaveToFile(pdf, name.constData());
    // Created as the library creates it (fopen "wb"), with the same error when it cannot be.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        HPDF_SetError(&pdf->error, HPDF_FILE_OPEN_ERROR, HPDF_STATUS(errno));
        return HPDF_CheckError(&pdf->error);
    }
    HPDF_STATUS ret = SaveDocumentWithProgress(pdf, fd, progress);
    // A full disk can show up only when the file is closed (network file systems).
    if (::close(fd) != 0 && ret == HPDF_OK) {
        HPDF_SetError(&pdf->error, HPDF_FILE_IO_ERROR, HPDF_STATUS(errno));
        ret = HPDF_CheckError(&pdf->error);
    }
    return ret;
}
