#include "imaging/ImageDecoder.h"

#include "imaging/DibBitmap.h"
#include "imaging/ImageReading.h"
#include "imaging/JpegWriter.h"
#include "imaging/PixelOps.h"

#include <QFile>
#include <QImageWriter>

CPortraitCopyResult MakePortraitCopy(const QString& path) {
    CPortraitCopyResult result;
    result.fileName = path;
    CPictureHeader header;
    if (!ReadPictureHeader(path, &header))
        return result;
    if (header.uprightSize.width() <= header.uprightSize.height())
        return result;
    CDibBitmap section;
    {
        QImage picture = ReadPictureUpright(path, header);
        if (picture.isNull() || !section.Create(picture.width(), picture.height()))
            return result;
        ImageToSectionBits(picture, section.bits);
    }
    const QString copy = path + QLatin1String(kPortraitCopySuffix);
    if (!WriteJpegRotatedCcw(copy, kJpegQuality, section)) {
        // A half-written copy would become a damaged page: the page keeps the original.
        QFile::remove(copy);
        result.notWritten = true;
        return result;
    }
    result.made = true;
    result.fileName = copy;
    return result;
}

CPortraitCopyResult MakeFrameCopy(const QString& path, int frame) {
    CPortraitCopyResult result;
    result.fileName = path;
    CPictureHeader header;
    if (frame < 1 || !ReadPictureHeader(path, &header) || frame >= header.frames)
        return result;
    const QImage picture = ReadPictureFrame(path, header, frame);
    if (picture.isNull())
        return result;
    const QString copy =
        path + QStringLiteral(".page%1").arg(frame + 1) + QLatin1String(kPortraitCopySuffix);
    QImageWriter writer(copy, "png");
    if (!writer.write(picture)) {
        QFile::remove(copy);
        result.notWritten = true;
        return result;
    }
    result.made = true;
    result.fileName = copy;
    return result;
}
