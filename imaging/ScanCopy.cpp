#include "imaging/ScanCopy.h"

#include "imaging/ImageDecoder.h"
#include "imaging/JpegWriter.h"
#include "imaging/LoadedImage.h"
#include "imaging/PageFinder.h"
#include "imaging/Straighten.h"

#include <QFile>

#include <optional>

BitmapHandle ScanPicture(const CBitmap& picture, const CScanCopyOptions& options) {
    if (picture.Width() <= 0 || picture.Height() <= 0)
        return nullptr;
    BitmapHandle straightened;
    if (options.straighten) {
        if (const std::optional<CPageCorners> sheet = FindSheet(picture)) {
            straightened = StraightenBitmap(picture, *sheet);
            if (!straightened)
                return nullptr;
        }
    }
    const CBitmap& source = straightened ? *straightened : picture;
    if (options.look == ELook::Original && straightened)
        return straightened;
    return EnhanceBitmap(source, options.look);
}

bool MakeScanCopy(const QString& path, const CScanCopyOptions& options, const QString& target) {
    LoadedImage image;
    if (!LoadImageFile(path, &image) || !image.bitmap)
        return false;
    const BitmapHandle result = ScanPicture(*image.bitmap, options);
    image.Reset();
    if (!result)
        return false;
    if (!SaveBitmapAsJpeg(target, kJpegQuality, result.get())) {
        QFile::remove(target);
        return false;
    }
    return true;
}
