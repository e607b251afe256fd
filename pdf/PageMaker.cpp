#include "pdf/PageMaker.h"

#include "imaging/ImageType.h"
#include "session/PageFactory.h"

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
    for (;;) {
        int index;
        {
            std::lock_guard lock(m_mutex);
            if (m_stop || m_next >= m_paths.size())
                return;
            index = m_next++;
        }
        CMadePage made;
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
