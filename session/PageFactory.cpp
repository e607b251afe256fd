#include "session/PageFactory.h"

#include "imaging/ImageDecoder.h"
#include "imaging/ImageType.h"

std::unique_ptr<CPage> MakePageFromFile(const QString& path, bool autoPortrait, int boxWidth,
                                        int boxHeight, QPainter* referenceDC) {
    CPortraitCopyResult copy;
    if (autoPortrait)
        copy = MakePortraitCopy(path);
    const QString file = copy.made ? copy.fileName : path;

    auto page = std::make_unique<CPage>(file);
    page->typeCode = ImageTypeFromPath(file);
    if (copy.made) {
        page->typeCode = kImageTypeJpeg;
        page->isTemporaryCopy = 1;
    }
    if (!page->BuildThumb(referenceDC, boxWidth, boxHeight))
        return nullptr;
    return page;
}
