#include "imaging/PageFinder.h"

#include "imaging/VisionModule.h"

std::optional<CPageCorners> FindSheet(const CBitmap& picture) {
    const CVisionModule* vision = VisionModule();
    return vision ? vision->findSheet(picture) : std::nullopt;
}

std::optional<CPageCorners> FindSheet(const QImage& picture) {
    const BitmapHandle bitmap = CBitmap::FromImage(picture);
    if (!bitmap)
        return std::nullopt;
    return FindSheet(*bitmap);
}

CPageCorners FindPageCorners(const CBitmap& picture) {
    if (auto sheet = FindSheet(picture))
        return *sheet;
    return CPageCorners::Whole(picture.Width(), picture.Height());
}

CPageCorners FindPageCorners(const QImage& picture) {
    if (auto sheet = FindSheet(picture))
        return *sheet;
    return CPageCorners::Whole(picture.width(), picture.height());
}
