#include "ocr/OcrQueue.h"

#include "ocr/OcrEngine.h"

#include <algorithm>
#include <memory>
#include <utility>

COcrQueue::COcrQueue(QString language, QString dataPath, int threads)
    : m_language(std::move(language)), m_dataPath(std::move(dataPath)) {
    for (int i = 0; i < std::max(1, threads); ++i)
        m_workers.emplace_back([this] { Work(); });
}

COcrQueue::~COcrQueue() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_waiting.clear();
    }
    m_changed.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

int COcrQueue::Add(const QString& path, bool turnCcw) {
    std::lock_guard lock(m_mutex);
    const int ticket = int(m_results.size());
    m_results.emplace_back();
    m_done.push_back(0);
    m_waiting.push_back({ticket, path, turnCcw});
    m_changed.notify_all();
    return ticket;
}

COcrPage COcrQueue::Take(int ticket) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_done[std::size_t(ticket)] != 0; });
    return std::move(m_results[std::size_t(ticket)]);
}

void COcrQueue::Work() {
    // Made on this thread at its first picture: a queue that is never used loads nothing.
    std::unique_ptr<COcrEngine> engine;
    for (;;) {
        CTask task;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_stop || !m_waiting.empty(); });
            if (m_stop)
                return;
            task = std::move(m_waiting.front());
            m_waiting.pop_front();
        }
        if (!engine)
            engine = std::make_unique<COcrEngine>(m_language, m_dataPath);
        COcrPage page = engine->RecognisePicture(task.path, task.turnCcw);
        {
            std::lock_guard lock(m_mutex);
            m_results[std::size_t(task.ticket)] = std::move(page);
            m_done[std::size_t(task.ticket)] = 1;
        }
        m_changed.notify_all();
    }
}
