#pragma once

// Makes pages from picture files on worker threads, ahead of the caller, who takes them in
// order. Each page is made exactly as the import makes it (MakePageFromFile); the caller
// never waits for a later file than the one it asks for.

#include "session/Page.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class CPageMaker {
public:
    CPageMaker(QStringList paths, bool autoPortrait, int boxWidth, int boxHeight, int threads);
    // Waits for the workers (pages not yet taken are destroyed, copies removed).
    ~CPageMaker();
    CPageMaker(const CPageMaker&) = delete;
    CPageMaker& operator=(const CPageMaker&) = delete;

    // The page of paths[index], or null when the file gives none. Each index once.
    std::unique_ptr<CPage> Take(int index);

private:
    void Work();

    const QStringList m_paths;
    const bool m_autoPortrait;
    const int m_boxWidth;
    const int m_boxHeight;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<std::unique_ptr<CPage>> m_pages;
    std::vector<char> m_done;
    int m_next = 0;
    bool m_stop = false;
    std::vector<std::thread> m_workers;
};
