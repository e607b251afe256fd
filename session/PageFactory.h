#pragma once

// Turning a picture file into a page, as the import and the camera do it, and as the PDF
// command does it without screens.

#include "app/AppSettings.h"
#include "imaging/PictureFile.h"
#include "imaging/ScanCopy.h"
#include "session/Page.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

// With autoPortrait, a landscape picture becomes a portrait page: a JPEG, BMP or PNG page
// refers to the file itself and is turned (turnCcw), so nothing is written beside the
// picture; a picture of another type gets an upright JPEG copy beside it (".tesimg") and the
// page refers to the copy (type code 4, marked as temporary copy, so the copy goes with the
// page). Otherwise the page refers to the file itself with the type code of its extension.
// The thumbnail is built for the box, turned with the page; when that fails (the picture
// cannot be decoded) the page is destroyed, which removes a copy made for it, and null is
// returned. With `scan` asking for straightening or a look, the page refers to a scanned
// JPEG copy beside the picture (path + ".scan.tesimg", temporary: it goes with the page),
// made before auto-portrait looks at the page; the picture itself is never changed. When the
// copy cannot be written the page refers to the picture as it is. Safe to call from several
// threads at once for different files.
std::unique_ptr<CPage> MakePageFromFile(const QString& path, bool autoPortrait, int boxWidth,
                                        int boxHeight, QPainter* referenceDC = nullptr,
                                        const CScanCopyOptions& scan = {});

// The same page for a PDF only: no thumbnail, and a JPEG is checked without decoding its
// pixels (frame header, size, components, scans, data complete up to its end). Other
// pictures are decoded at a small scale, as the thumbnail would decode them. Null for a file
// that MakePageFromFile would refuse, and then `problem` (may be null) says why. `scan` as
// for MakePageFromFile.
std::unique_ptr<CPage> MakePdfPageFromFile(const QString& path, bool autoPortrait,
                                           const CScanCopyOptions& scan = {},
                                           EPictureProblem* problem = nullptr);

// The pages of a multi-page picture that could not be made, by number (from 2).
struct CLostPages {
    QList<int> notDecoded; // the page itself cannot be decoded
    QList<int> notWritten; // its copy cannot be written beside the picture (a read-only folder,
                           // a full disk)
    bool IsEmpty() const { return notDecoded.isEmpty() && notWritten.isEmpty(); }
};

// The pages after the first of a multi-page picture (a TIFF's pages 2, 3, ...), in order,
// each on a lossless upright copy of its own beside the picture (path + ".page<N>.tesimg",
// type code PNG, temporary: the copy goes with its page), turned for auto-portrait as
// MakePageFromFile turns pages. With `scan` asking for straightening or a look, each page is
// made from its scanned JPEG copy instead (".page<N>.tesimg.scan.tesimg"), exactly as the
// first page is, and the lossless copy goes. With a box the thumbnails are built for it;
// without one (0 x 0) the page is for a PDF only. A page that cannot be decoded or whose copy
// cannot be written is left out, and its number goes to `lost` (when given). Empty for every
// other picture. MakePageFromFile and MakePdfPageFromFile make the first page.
std::vector<std::unique_ptr<CPage>> MakeFurtherPages(const QString& path, bool autoPortrait,
                                                     int boxWidth = 0, int boxHeight = 0,
                                                     QPainter* referenceDC = nullptr,
                                                     const CScanCopyOptions& scan = {},
                                                     CLostPages* lost = nullptr);

// What the StraightenPages and EnhanceLook settings ask of each new page.
CScanCopyOptions ScanCopyOptionsOf(const CAppSettings& settings);

// Gives the page a file of its own before something changes its file in place (the image
// editor): a turned page gets its upright JPEG copy beside its picture (".tesimg") and refers
// to it from then on (type code 4, temporary copy, no longer turned), so the user's picture
// is never changed. True when the page's file may now be changed (nothing to do for other
// pages); false when the copy could not be written (a read-only folder, a full disk), and
// the page is left as it was.
bool MakePageFileOwn(CPage& page);
