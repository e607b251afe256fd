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

HPDF_STATUS WriteObjects(HPDF_Xref xref, HPDF_Stream stream, CPdfSaveProgress* progress) {
    char buf[64];
    // The first section starts with the free entry 0, which is not an object.
    const HPDF_UINT first = xref->start_offset == 0 ? 1 : 0;
    // Writing a font adds its descriptor and file to the table as it goes: the count is read
    // again after every object.
    for (HPDF_UINT i = first; i < xref->entries->count; ++i) {
        auto* entry = static_cast<HPDF_XrefEntry>(HPDF_List_ItemAt(xref->entries, i));
        const HPDF_UINT id = xref->start_offset + i;
        entry->byte_offset = stream->size;
        std::snprintf(buf, sizeof buf, "%u %u obj\012", id, unsigned(entry->gen_no));
        HPDF_STATUS ret = HPDF_Stream_WriteStr(stream, buf);
        if (ret == HPDF_OK)
            ret = HPDF_Obj_WriteValue(entry->obj, stream, nullptr);
        if (ret == HPDF_OK)
            ret = HPDF_Stream_WriteStr(stream, "\012endobj\012");
        if (ret != HPDF_OK)
            return ret;
        if (progress)
            progress->OnObjectWritten(xref->entries->count, id);
    }
    return HPDF_OK;
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

HPDF_STATUS WriteDocument(HPDF_Doc pdf, HPDF_Stream stream, CPdfSaveProgress* progress) {
    const int version = int(pdf->pdf_version);
    HPDF_STATUS ret = HPDF_Stream_WriteStr(stream, kVersionHeaders[version]);
    if (ret == HPDF_OK)
        ret = HPDF_Dict_Add(pdf->trailer, "Root", pdf->catalog);
    if (ret == HPDF_OK)
        ret = HPDF_Dict_Add(pdf->trailer, "Info", pdf->info);
    if (ret == HPDF_OK)
        ret = WriteObjects(pdf->xref, stream, progress);
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

HPDF_STATUS SaveDocumentWithProgress(HPDF_Doc pdf, int fd, CPdfSaveProgress* progress) {
    if (!HPDF_HasDoc(pdf))
        return HPDF_INVALID_DOCUMENT;
    if (NeedsLibraryWriter(pdf))
        return HPDF_SetError(&pdf->error, HPDF_INVALID_OPERATION, 0);
    CFdWriter writer;
    writer.fd = fd;
    const off_t position = ::lseek(fd, 0, SEEK_CUR);
    writer.start = position > 0 ? position : 0;
    writer.buffer.reset(new (std::nothrow) char[kWriteBuffer]);
    if (!writer.buffer)
        return HPDF_SetError(&pdf->error, HPDF_FAILD_TO_ALLOC_MEM, 0);
    HPDF_Stream stream = HPDF_CallbackWriter_New(pdf->mmgr, WriteToFd, &writer);
    if (!stream)
        return HPDF_CheckError(&pdf->error);
    writer.stream = stream;
    HPDF_STATUS ret;
    {
        const CPictureCopyScope pictures(&writer);
        ret = WriteDocument(pdf, stream, progress);
    }
    if (ret == HPDF_OK && !writer.Flush())
        ret = HPDF_SetError(&pdf->error, HPDF_FILE_IO_ERROR, HPDF_STATUS(writer.failure));
    HPDF_Stream_Free(stream);
    if (ret != HPDF_OK && pdf->error.error_no == HPDF_OK)
        HPDF_SetError(&pdf->error, ret, 0);
    return HPDF_CheckError(&pdf->error);
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
