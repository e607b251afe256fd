#include "pdf/PictureQuality.h"

#include "imaging/Enhance.h"
#include "imaging/FitSize.h"
#include "imaging/ImageDecoder.h"
#include "imaging/JpegWriter.h"
#include "imaging/LoadedImage.h"
#include "pdf/PdfBuilder.h"

#include <QImage>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <new>

QString PictureQualityName(EPictureQuality quality) {
    switch (quality) {
    case EPictureQuality::Email: return QStringLiteral("email");
    case EPictureQuality::BlackAndWhite: return QStringLiteral("bw");
    case EPictureQuality::Original: break;
    }
    return QStringLiteral("original");
}

std::optional<EPictureQuality> PictureQualityFromName(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == u"original")
        return EPictureQuality::Original;
    if (n == u"email" || n == u"e-mail")
        return EPictureQuality::Email;
    if (n == u"bw" || n == u"black-and-white")
        return EPictureQuality::BlackAndWhite;
    return std::nullopt;
}

EPictureQuality PictureQualityOf(const CAppSettings& settings) {
    return settings.pictureQuality < kPictureQualityCount ? EPictureQuality(settings.pictureQuality)
                                                          : EPictureQuality::Original;
}

QSize PlacedSize(int width, int height, ImageType typeCode, const CPdfPageOptions& layout) {
    const QSize paper = CPdfBuilder::PaperSize(layout.pageSize);
    const bool fits = width <= paper.width() && height <= paper.height();
    if (typeCode != kImageTypeJpeg && fits && !layout.fitToPage)
        return {width, height};
    return FitSize(width, height, paper.width(), paper.height());
}

namespace {

// The picture as drawn: upright, turned with turnCcw; null when it cannot be decoded.
QImage DecodeUpright(const QString& path, bool turnCcw) {
    LoadedImage loaded;
    if (!LoadImageFile(path, &loaded) || !loaded.bitmap)
        return {};
    QImage image = loaded.bitmap->ToImage();
    loaded.Reset();
    if (turnCcw && !image.isNull())
        image = image.transformed(QTransform().rotate(-90));
    return image;
}

// At most `ppi` pixels per inch of `placed` points, never more than the picture has.
QSize TargetSize(const QSize& picture, const QSize& placed, int ppi) {
    const double scale = std::min(
        1.0, std::max(double(placed.width()) * ppi / 72.0 / std::max(1, picture.width()),
                      double(placed.height()) * ppi / 72.0 / std::max(1, picture.height())));
    return {std::max(1, int(std::lround(picture.width() * scale))),
            std::max(1, int(std::lround(picture.height() * scale)))};
}

QImage Scaled(const QImage& image, const QSize& size) {
    if (size == image.size())
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool ToJpeg(const QImage& picture, CReducedPicture* out) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return false;
    out->data = EncodeJpegRgb(rgb.width(), rgb.height(), kEmailJpegQuality, rgb.constBits(),
                              std::size_t(rgb.bytesPerLine()));
    out->kind = CReducedPicture::EKind::Jpeg;
    return !out->data.isEmpty();
}

// Rows of one bit per pixel, 1 for black, from a picture of black and white pixels.
bool ToOneBit(const QImage& blackAndWhite, CReducedPicture* out) {
    const QImage grey = blackAndWhite.convertToFormat(QImage::Format_Grayscale8);
    if (grey.isNull())
        return false;
    const int w = grey.width();
    const int h = grey.height();
    const qsizetype rowBytes = (w + 7) / 8;
    try {
        out->data = QByteArray(rowBytes * h, '\0');
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int y = 0; y < h; ++y) {
        const uchar* src = grey.constScanLine(y);
        auto* dst = reinterpret_cast<uchar*>(out->data.data()) + rowBytes * y;
        for (int x = 0; x < w; ++x)
            if (src[x] < 128)
                dst[x >> 3] |= uchar(0x80u >> (x & 7));
    }
    out->kind = CReducedPicture::EKind::OneBit;
    return true;
}

} // namespace

CReducedPicture ReducePicture(const QString& path, ImageType typeCode, bool turnCcw,
                              EPictureQuality quality, const CPdfPageOptions& layout) {
    CReducedPicture result;
    if (quality == EPictureQuality::Original)
        return result;
    const QImage picture = DecodeUpright(path, turnCcw);
    if (picture.isNull())
        return result;
    result.placed = PlacedSize(picture.width(), picture.height(), typeCode, layout);
    const int ppi =
        quality == EPictureQuality::Email ? kEmailPixelsPerInch : kBlackAndWhitePixelsPerInch;
    QImage reduced = Scaled(picture, TargetSize(picture.size(), result.placed, ppi));
    bool made = false;
    if (quality == EPictureQuality::Email) {
        made = !reduced.isNull() && ToJpeg(reduced, &result);
    } else {
        // Thresholded at the size it is stored at, so that strokes stay as wide as they are.
        const QImage bw = EnhanceImage(reduced, ELook::BlackAndWhite);
        made = !bw.isNull() && ToOneBit(bw, &result);
    }
    if (!made) {
        result = CReducedPicture();
        return result;
    }
    result.width = reduced.width();
    result.height = reduced.height();
    return result;
}
