#include "imaging/Straighten.h"

#include "imaging/VisionModule.h"

BitmapHandle StraightenBitmap(const CBitmap& picture, const CPageCorners& corners) {
    const CVisionModule* vision = VisionModule();
    return vision ? vision->straighten(picture, corners) : nullptr;
}

QImage StraightenImage(const QImage& picture, const CPageCorners& corners) {
    const BitmapHandle source = CBitmap::FromImage(picture);
    if (!source)
        return {};
    const BitmapHandle result = StraightenBitmap(*source, corners);
    return result ? result->ToImage() : QImage();
}
