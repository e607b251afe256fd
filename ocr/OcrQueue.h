#pragma once

// Recognition of page pictures on worker threads, ahead of the caller, who takes the results
// in the order the pictures were added. Each worker has its own engine for the language. The
// destructor drops what is still waiting and waits only for the pictures being read.

#include "ocr/OcrPage.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

class COcrQueue {
public:
    // `threads` at least 1; `dataPath` as for COcrEngine.
    COcrQueue(QString language, QString dataPath, int threads);
    ~COcrQueue();
    COcrQueue(const COcrQueue&) = delete;
    COcrQueue& operator=(const COcrQueue&) = delete;

    // Queues the picture of a page file as drawn; its ticket (0, 1, ...).
    int Add(const QString& path, bool turnCcw);
    // The words of a ticket, waiting for them if need be. Each ticket once.
    COcrPage Take(int ticket);

private:
    struct CTask {
        int ticket = 0;
        QString path;
        bool turnCcw = false;
    };
    void Work();

    const QString m_language;
    const QString m_dataPath;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<CTask> m_waiting;
    std::vector<COcrPage> m_results;
    std::vector<char> m_done;
    bool m_stop = false;
    std::vector<std::thread> m_workers;
};
