#include "pdf/PageMaker.h"

#include "imaging/ImageType.h"
#include "imaging/JpegCheck.h"
#include "imaging/PictureFile.h"
#include "platform/RegularFile.h"
#include "session/PageFactory.h"

#include <cerrno>
#include <new>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Files up to this size are read into the worker's buffer; larger ones go the general way
// (through a memory map), so that one huge file does not keep its size in memory.
constexpr qint64 kMaxBuffered = qint64(256) << 20;

// A worker's buffer for whole files: grown (without copying or clearing what it held) when a
// file needs more, never shrunk, freed with the worker.
struct CFileBuffer {
    std::unique_ptr<uchar[]> bytes;
    std::size_t capacity = 0;

    uchar* Reserve(std::size_t size) {
        if (capacity < size) {
            bytes.reset();
            // A little headroom: camera files of one series differ by some kilobytes.
            capacity = size + size / 8;
            bytes.reset(new (std::nothrow) uchar[capacity]);
            if (!bytes)
                capacity = 0;
        }
        return bytes.get();
    }
};

// The whole of the regular file `path` in `buffer`; its size, or -1 when it cannot be opened
// or read, or is empty, too large or changes size meanwhile.
qint64 ReadWholeFile(const QString& path, CFileBuffer& buffer) {
    const platform::CRegularFile file = platform::OpenRegularFile(path);
    if (!file.Opened())
        return -1;
    struct stat st {};
    qint64 size = -1;
    uchar* data = nullptr;
    // One byte more than the size: a file that grew is seen as such.
    if (::fstat(file.fd, &st) == 0 && st.st_size > 0 && st.st_size <= kMaxBuffered)
        data = buffer.Reserve(std::size_t(st.st_size) + 1);
    for (qint64 done = 0; data;) {
        const ssize_t n = ::read(file.fd, data + done, std::size_t(st.st_size + 1 - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            size = n == 0 && done == st.st_size ? done : -1;
            break;
        }
        done += n;
        if (done > st.st_size)
            break;
    }
    ::close(file.fd);
    return size;
}

// The page of a JPEG file (by its name and its bytes) from one read of the file: the bytes are
// checked whole, and the check's walk gives the frame size and the EXIF orientation
// (`orientation`) for the upright size. Null when the file is anything else or fails
// anywhere: the general way then decides, and says why.
std::unique_ptr<CPage> MakeJpegPage(const QString& path, bool autoPortrait, CFileBuffer& buffer,
                                    int* orientation) {
    if (ImageTypeFromPath(path) != kImageTypeJpeg)
        return nullptr;
    const qint64 size = ReadWholeFile(path, buffer);
    const uchar* data = buffer.bytes.get();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return nullptr;
    CJpegFrame frame;
    if (!CheckJpegData(data, size, &frame) ||
        qint64(frame.width) * frame.height > kMaxPicturePixels)
        return nullptr;
    // Orientations 5 to 8 stand the stored picture on its side.
    const QSize stored(frame.width, frame.height);
    const QSize upright = frame.orientation >= 5 ? stored.transposed() : stored;
    auto page = std::make_unique<CPage>(path);
    page->typeCode = kImageTypeJpeg;
    page->turnCcw = autoPortrait && upright.width() > upright.height();
    *orientation = frame.orientation;
    return page;
}

} // namespace

CPageMaker::CPageMaker(QStringList paths, bool autoPortrait, int threads, CScanCopyOptions scan)
    : m_paths(std::move(paths)), m_autoPortrait(autoPortrait), m_scan(scan),
      m_pages(std::size_t(m_paths.size())), m_done(std::size_t(m_paths.size()), 0) {
    for (int i = 0; i < std::max(1, threads); ++i)
        m_workers.emplace_back([this] { Work(); });
}

CPageMaker::~CPageMaker() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    for (std::thread& t : m_workers)
        t.join();
}

void CPageMaker::Work() {
    CFileBuffer buffer; // this worker's JPEG bytes, kept for the next file
    for (;;) {
        int index;
        {
            std::lock_guard lock(m_mutex);
            if (m_stop || m_next >= m_paths.size())
                return;
            index = m_next++;
        }
        CMadePage made;
        if (m_scan.IsIdentity())
            made.page = MakeJpegPage(m_paths[index], m_autoPortrait, buffer, &made.orientation);
        if (!made.page)
            made.page = MakePdfPageFromFile(m_paths[index], m_autoPortrait, m_scan, &made.problem);
        if (made.page && IsPixelType(made.page->typeCode))
            made.pixels = PrepareRaster(made.page->path, true, made.page->turnCcw);
        if (made.page) {
            for (std::unique_ptr<CPage>& page : MakeFurtherPages(m_paths[index], m_autoPortrait, 0,
                                                                 0, nullptr, m_scan, &made.lost)) {
                CMadePage further;
                further.pixels = PrepareRaster(page->path, true, page->turnCcw);
                further.page = std::move(page);
                made.further.push_back(std::move(further));
            }
        }
        {
            std::lock_guard lock(m_mutex);
            m_pages[std::size_t(index)] = std::move(made);
            m_done[std::size_t(index)] = 1;
        }
        m_ready.notify_all();
    }
}

CPageMaker::CMadePage CPageMaker::Take(int index) {
    if (index < 0 || index >= m_paths.size())
        return {};
    std::unique_lock lock(m_mutex);
    m_ready.wait(lock, [&] { return m_done[std::size_t(index)] != 0; });
    return std::move(m_pages[std::size_t(index)]);
}
