#pragma once

// Makes pages from picture files on worker threads, ahead of the caller, who takes them in
// order. Each page is made as the import makes it, without the thumbnail and without
// decoding JPEG pixels (MakePdfPageFromFile); the pixels of other pictures are prepared
// for the PDF on the same thread, and so are the further pages of a multi-page TIFF
// (straightened and given the look as the first page is). The caller never waits for a later
// file than the one it asks for. A JPEG file is read once, with large reads into a buffer each
// worker keeps: its whole structure is checked and its head read from those bytes, and its
// orientation comes with the page, so that placing it reads only its head.

#include "imaging/PictureFile.h"
#include "imaging/ScanCopy.h"
#include "pdf/RasterPixels.h"
#include "session/Page.h"
#include "session/PageFactory.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class CPageMaker {
public:
    CPageMaker(QStringList paths, bool autoPortrait, int threads, CScanCopyOptions scan = {});
    // Waits for the workers (pages not yet taken are destroyed, copies removed).
    ~CPageMaker();
    CPageMaker(const CPageMaker&) = delete;
    CPageMaker& operator=(const CPageMaker&) = delete;

    struct CMadePage {
        std::unique_ptr<CPage> page; // null when the file gives none, for this reason:
        EPictureProblem problem = EPictureProblem::None;
        CRasterPixels pixels;           // prepared for pages of a pixel type (IsPixelType)
        int orientation = 0;            // a JPEG's EXIF orientation (1 to 8); 0: not read
        std::vector<CMadePage> further; // the file's further pages (a multi-page TIFF's)
        CLostPages lost;                // its further pages that could not be made
    };
    // The page of paths[index]. Each index once.
    CMadePage Take(int index);

private:
    void Work();

    const QStringList m_paths;
    const bool m_autoPortrait;
    const CScanCopyOptions m_scan;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<CMadePage> m_pages;
    std::vector<char> m_done;
    int m_next = 0;
    bool m_stop = false;
    std::vector<std::thread> m_workers;
};
