#include "session/PageFactory.h"

#include "imaging/ImageDecoder.h"
#include "imaging/ImageReading.h"
#include "imaging/ImageType.h"

namespace {

// The box of the check decode of a picture that is not a JPEG: it decodes at a small scale.
constexpr int kCheckBox = 32;

// Pictures the PDF draws from the file itself, turned by the drawing or its pixels.
bool TurnsWithoutCopy(ImageType typeCode) {
    return IsDrawnType(typeCode);
}

std::unique_ptr<CPage> NewPage(const QString& path, const CPictureHeader& header,
                               bool autoPortrait) {
    const ImageType typeCode = ImageTypeFromPath(path);
    const bool landscape = autoPortrait && header.uprightSize.width() > header.uprightSize.height();
    if (landscape && !TurnsWithoutCopy(typeCode)) {
        // The PDF draws no PCX, TGA and the like; their upright copy is a JPEG it can draw.
        const CPortraitCopyResult copy = MakePortraitCopy(path);
        if (copy.made) {
            auto page = std::make_unique<CPage>(copy.fileName);
            page->typeCode = kImageTypeJpeg;
            page->isTemporaryCopy = 1;
            return page;
        }
    }
    auto page = std::make_unique<CPage>(path);
    page->typeCode = typeCode;
    page->turnCcw = landscape && TurnsWithoutCopy(typeCode);
    return page;
}

constexpr const char* kScanCopySuffix = ".scan.tesimg";

// The page on a scanned copy of the picture, which it owns from the start; null when the copy
// cannot be made or read back.
std::unique_ptr<CPage> NewScannedPage(const QString& path, const CScanCopyOptions& scan,
                                      bool autoPortrait) {
    if (scan.IsIdentity())
        return nullptr;
    const QString copy = path + QLatin1String(kScanCopySuffix);
    if (!MakeScanCopy(path, scan, copy))
        return nullptr;
    auto page = std::make_unique<CPage>(copy);
    page->typeCode = kImageTypeJpeg;
    page->isTemporaryCopy = 1;
    CPictureHeader header;
    if (!ReadPictureHeader(copy, &header))
        return nullptr;
    page->turnCcw = autoPortrait && header.uprightSize.width() > header.uprightSize.height();
    return page;
}

// Page `frame` + 1 of a multi-page picture on a lossless copy of its own, then straightened
// and given the look as a first page is; null when the page cannot be decoded or its copy
// cannot be written (then `notWritten` is set).
std::unique_ptr<CPage> NewFramePage(const QString& path, int frame, bool autoPortrait,
                                    const CScanCopyOptions& scan, bool& notWritten) {
    const CPortraitCopyResult copy = MakeFrameCopy(path, frame);
    notWritten = copy.notWritten;
    if (!copy.made)
        return nullptr;
    auto page = std::make_unique<CPage>(copy.fileName);
    page->typeCode = kImageTypePng;
    page->isTemporaryCopy = 1;
    // The scanned copy is made from the page's own copy, which it then replaces; without it
    // the page stays as it is, as a first page does.
    if (auto scanned = NewScannedPage(copy.fileName, scan, autoPortrait))
        return scanned; // `page` goes here, and the lossless copy with it
    CPictureHeader copied;
    if (!ReadPictureHeader(copy.fileName, &copied))
        return nullptr;
    page->turnCcw = autoPortrait && copied.uprightSize.width() > copied.uprightSize.height();
    return page;
}

bool IsJpeg(const QByteArray& format) {
    return format == "jpeg" || format == "jpg";
}

} // namespace

std::unique_ptr<CPage> MakePageFromFile(const QString& path, bool autoPortrait, int boxWidth,
                                        int boxHeight, QPainter* referenceDC,
                                        const CScanCopyOptions& scan) {
    CPictureHeader header;
    if (!ReadPictureHeader(path, &header))
        return nullptr;
    auto page = NewScannedPage(path, scan, autoPortrait);
    if (!page)
        page = NewPage(path, header, autoPortrait);
    if (!page->BuildThumb(referenceDC, boxWidth, boxHeight))
        return nullptr;
    return page;
}

std::unique_ptr<CPage> MakePdfPageFromFile(const QString& path, bool autoPortrait,
                                           const CScanCopyOptions& scan, EPictureProblem* problem) {
    CPictureHeader header;
    if (!ReadPictureHeader(path, &header, problem))
        return nullptr;
    // The scanned copy is a JPEG of our own writing: its header check is enough.
    if (auto scanned = NewScannedPage(path, scan, autoPortrait))
        return scanned;
    auto page = NewPage(path, header, autoPortrait);
    // The header check of a JPEG covers its whole structure; other formats prove themselves
    // by decoding.
    if (!IsJpeg(header.format)) {
        if (!page->BuildThumb(nullptr, kCheckBox, kCheckBox)) {
            if (problem)
                *problem = EPictureProblem::NotAPicture;
            return nullptr;
        }
        page->thumb.Clear();
        page->boxWidth = page->boxHeight = 0;
    }
    return page;
}

std::vector<std::unique_ptr<CPage>>
MakeFurtherPages(const QString& path, bool autoPortrait, int boxWidth, int boxHeight,
                 QPainter* referenceDC, const CScanCopyOptions& scan, CLostPages* lost) {
    std::vector<std::unique_ptr<CPage>> pages;
    CPictureHeader header;
    // Only TIFF files have pages; other files are not read a second time.
    if (ImageTypeFromPath(path) != kImageTypeTiff || !ReadPictureHeader(path, &header))
        return pages;
    for (int frame = 1; frame < header.frames; ++frame) {
        bool notWritten = false;
        auto page = NewFramePage(path, frame, autoPortrait, scan, notWritten);
        // A page without a thumbnail goes, and its copy with it.
        if (page && boxWidth > 0 && boxHeight > 0 &&
            !page->BuildThumb(referenceDC, boxWidth, boxHeight))
            page.reset();
        if (page)
            pages.push_back(std::move(page));
        else if (lost)
            (notWritten ? lost->notWritten : lost->notDecoded).append(frame + 1);
    }
    return pages;
}

CScanCopyOptions ScanCopyOptionsOf(const CAppSettings& settings) {
    CScanCopyOptions options;
    options.straighten = settings.straightenPages != 0;
    // An unknown value (a hand-edited registry) means no look.
    if (settings.enhanceLook <= std::uint32_t(ELook::ColourDocument))
        options.look = ELook(settings.enhanceLook);
    return options;
}

bool MakePageFileOwn(CPage& page) {
    if (!page.turnCcw || page.IsBlank())
        return true;
    const CPortraitCopyResult copy = MakePortraitCopy(page.path);
    if (!copy.made)
        return false;
    page.path = copy.fileName;
    page.typeCode = kImageTypeJpeg;
    page.isTemporaryCopy = 1;
    page.turnCcw = false;
    return true;
}
