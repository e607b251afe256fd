#include "imaging/ImageType.h"

#include <QFileInfo>

#include <array>

namespace {

struct CExtensionCode {
    const char* extension;
    ImageType code;
};

constexpr std::array<CExtensionCode, 24> kExtensions = {{
    {".bmp", kImageTypeBmp},   {".gif", kImageTypeGif},   {".png", kImageTypePng},
    {".jpg", kImageTypeJpeg},  {".jpeg", kImageTypeJpeg}, {".tiff", kImageTypeTiff},
    {".tif", kImageTypeTiff},  {".cut", kImageTypeCut},   {".dcx", kImageTypeDcx},
    {".dds", kImageTypeDds},   {".ico", kImageTypeIco},   {".mng", kImageTypeMng},
    {".pcd", kImageTypePcd},   {".pcx", kImageTypePcx},   {".pic", kImageTypePic},
    {".psd", kImageTypePsd},   {".psp", kImageTypePsp},   {".raw", kImageTypeRaw},
    {".sgi", kImageTypeSgi},   {".tga", kImageTypeTga},   {".xpm", kImageTypeXpm},
    {".webp", kImageTypeWebp}, {".heic", kImageTypeHeif}, {".heif", kImageTypeHeif},
}};

} // namespace

ImageType ImageTypeFromExtension(const QString& extension) {
    for (const CExtensionCode& entry : kExtensions) {
        if (extension.compare(QLatin1String(entry.extension), Qt::CaseInsensitive) == 0)
            return entry.code;
    }
    return kImageTypeUnknown;
}

bool IsPixelType(ImageType code) {
    switch (code) {
    case kImageTypeBmp:
    case kImageTypePng:
    case kImageTypeTiff:
    case kImageTypeGif:
    case kImageTypeWebp:
    case kImageTypeHeif: return true;
    default: return false;
    }
}

bool IsDrawnType(ImageType code) {
    return code == kImageTypeJpeg || IsPixelType(code);
}

ImageType ImageTypeFromPath(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return kImageTypeUnknown;
    return ImageTypeFromExtension(name.mid(dot));
}
