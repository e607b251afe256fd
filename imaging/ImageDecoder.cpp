#include "imaging/ImageDecoder.h"

#include "imaging/DibBitmap.h"
#include "imaging/ImageReading.h"
#include "imaging/PictureFile.h"
#include "imaging/PixelOps.h"

#include <QImageReader>

#include <algorithm>
#include <memory>
#include <vector>

// An image opened through the imaging session: the file and its header, decoded on demand.
class CImageObject {
public:
    QString path;
    CPictureHeader header;
};

namespace {

struct CImagingSession {
    bool started = false;
    std::vector<std::unique_ptr<CImageObject>> openImages;
};

CImagingSession& Session() {
    static CImagingSession session;
    return session;
}

std::vector<std::unique_ptr<CImageObject>>::iterator FindOpen(const CImageObject* image) {
    auto& list = Session().openImages;
    return std::find_if(list.begin(), list.end(),
                        [image](const auto& entry) { return entry.get() == image; });
}

bool IsOpen(const CImageObject* image) {
    return image && FindOpen(image) != Session().openImages.end();
}

} // namespace

bool LoadImageFile(const QString& path, LoadedImage* image) {
    if (!image)
        return false;
    image->Reset();
    CPictureHeader header;
    if (!ReadPictureHeader(path, &header))
        return false;
    QImage picture = ReadPictureUpright(path, header);
    if (picture.isNull())
        return false;
    CDibBitmap section;
    if (!section.Create(picture.width(), picture.height()))
        return false;
    ImageToSectionBits(picture, section.bits);
    picture = QImage(); // the decoded copy is not needed next to the section
    image->width = section.width;
    image->height = section.height;
    image->pixels = section.bits;
    image->bitmap = section.Detach();
    return true;
}

bool ReadImageSize(const QString& path, QSize* size) {
    CPictureHeader header;
    if (!size || !ReadPictureHeader(path, &header))
        return false;
    *size = header.uprightSize;
    return true;
}

int JpegOrientation(const QString& path) {
    CPictureFile file(path);
    if (!file.IsOpen())
        return 1;
    QImageReader reader(&file.Device());
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return 1;
    const QByteArray format = reader.format();
    if (format != "jpeg" && format != "jpg")
        return 1;
    return OrientationFromTransformation(reader.transformation());
}

bool StartImaging() {
    Session().started = true;
    return true;
}

void StopImaging() {
    Session().openImages.clear();
    Session().started = false;
}

bool ImagingStarted() {
    return Session().started;
}

CImageObject* OpenImage(const QString& path) {
    if (!Session().started)
        return nullptr;
    auto image = std::make_unique<CImageObject>();
    if (!ReadPictureHeader(path, &image->header))
        return nullptr;
    image->path = path;
    Session().openImages.push_back(std::move(image));
    return Session().openImages.back().get();
}

bool GetImageInfo(const CImageObject* image, QSize* size) {
    if (!size || !IsOpen(image))
        return false;
    *size = image->header.uprightSize;
    return true;
}

BitmapHandle RenderImage(const CImageObject* image) {
    if (!IsOpen(image))
        return nullptr;
    return CBitmap::FromImage(ReadPictureUpright(image->path, image->header));
}

bool CloseImage(CImageObject* image) {
    if (!image)
        return false;
    auto it = FindOpen(image);
    if (it == Session().openImages.end())
        return false;
    Session().openImages.erase(it);
    return true;
}

int OpenImageCount() {
    return int(Session().openImages.size());
}
