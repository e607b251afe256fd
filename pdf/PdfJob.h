#pragma once

// The PDF creation job without a screen: one PDF page per input page on the chosen paper,
// built with CPdfBuilder and saved through one delegate for progress and cancel. The file is
// written beside the target, synced and renamed over it only when whole: a cancelled or
// failed job leaves no file, and an older file of that name as it was. Page files are read
// until the save has finished and must not change before; one that changes or goes away
// fails the job with the library error, never with a damaged PDF.

#include "imaging/ImageType.h"
#include "pdf/PdfJobDelegate.h"
#include "pdf/PdfJobOptions.h"
#include "pdf/PdfJobResult.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CPageList;
struct CPdfJobSource;

// A page as the job takes it: the picture file (empty for a blank page), its picture type
// code (JPEG and the pixel types of IsPixelType are drawn; any other code gives a blank page) and
// whether it is drawn turned a quarter counter-clockwise (an auto-portrait page, CPage::turnCcw).
struct CPdfJobPage {
    QString path;
    ImageType typeCode = kImageTypeJpeg;
    bool turnCcw = false;
};

class CPdfJob {
public:
    // The delegate must outlive the job.
    CPdfJob(CPdfJobOptions options, CPdfJobDelegate& delegate);

    // The pages as they are, in order (the session's pages).
    CPdfJobResult Run(const std::vector<CPdfJobPage>& pages);
    // The pages of a page list, in order.
    CPdfJobResult Run(const CPageList& pages);
    // Picture files, each made into a page the way the import makes it (auto-portrait by the
    // options, type code from the extension, every page of a multi-page TIFF) but without
    // thumbnails or decoding JPEG pixels, several ahead on worker threads. A file that gives no
    // page is skipped with its reason; copies go when the job ends.
    CPdfJobResult RunOnPictures(const QStringList& pictures);

    // 6 x N + 4: the steps of a job over N pages; N more when it recognises text.
    static int TotalSteps(int pageCount, bool recognises = false) {
        return (recognises ? 7 : 6) * pageCount + 4;
    }
    static std::vector<CPdfJobPage> PagesOf(const CPageList& pages);

private:
    CPdfJobResult Build(CPdfJobSource& source);

    const CPdfJobOptions m_options;
    CPdfJobDelegate& m_delegate;
};
