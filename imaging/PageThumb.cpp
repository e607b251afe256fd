#include "imaging/PageThumb.h"

#include "imaging/FitSize.h"
#include "imaging/ImageReading.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

CPageThumb::~CPageThumb() = default;

QSize CPageThumb::ThumbSize(int sourceWidth, int sourceHeight, int boxWidth, int boxHeight) {
    if (sourceWidth <= 0 || sourceHeight <= 0)
        return {0, 0};
    int width = boxWidth;
    int height = boxHeight;
    if (sourceWidth <= sourceHeight)
        width = static_cast<int>((float(sourceWidth) / float(sourceHeight)) * float(boxHeight));
    else
        height = static_cast<int>((float(sourceHeight) / float(sourceWidth)) * float(boxWidth));
    // A very thin picture still gets a visible line instead of no thumbnail at all.
    return {std::max(width, 1), std::max(height, 1)};
}

QSize CPageThumb::BoxForDisplay(const QSize& logical, double ratio) {
    if (logical.isEmpty() || !(ratio > 0))
        return {};
    QSize pixels(int(std::lround(logical.width() * ratio)),
                 int(std::lround(logical.height() * ratio)));
    if (std::max(pixels.width(), pixels.height()) > kMaxBoxSide)
        pixels = pixels.scaled(kMaxBoxSide, kMaxBoxSide, Qt::KeepAspectRatio);
    return pixels.expandedTo(QSize(1, 1));
}

bool CPageThumb::Build(const QString& path, QPainter* referenceDC, int boxWidth, int boxHeight,
                       bool turnCcw) {
    Clear();
    CPictureHeader header;
    if (boxWidth <= 0 || boxHeight <= 0 || !ReadPictureHeader(path, &header))
        return false;
    const QSize upright = header.uprightSize;
    const QSize shown = turnCcw ? upright.transposed() : upright;
    const QSize thumb = ThumbSize(shown.width(), shown.height(), boxWidth, boxHeight);
    // Decoded straight at the thumbnail's size: a JPEG decodes at 1/2, 1/4 or 1/8 scale and
    // only that small picture is scaled (and turned) further. A thumbnail larger than the
    // picture is stretched from the full-size decode.
    const QSize decodeSize =
        (thumb.width() < shown.width() && thumb.height() < shown.height()) ? thumb : shown;
    QImage picture =
        ReadPictureUpright(path, header, turnCcw ? decodeSize.transposed() : decodeSize);
    if (picture.isNull())
        return false;
    if (turnCcw) // an exact quarter turn that keeps the format (and a PNG's transparency)
        picture = picture.transformed(QTransform().rotate(-90));
    sourceWidth = shown.width();
    sourceHeight = shown.height();
    thumbWidth = thumb.width();
    thumbHeight = thumb.height();
    if (!MakeFromImage(picture, referenceDC)) {
        Clear();
        return false;
    }
    return true;
}

bool CPageThumb::MakeFromBitmap(const CBitmap* bitmap, QPainter* referenceDC, int boxWidth,
                                int boxHeight) {
    Clear();
    if (!bitmap || bitmap->Width() <= 0 || bitmap->Height() <= 0 || boxWidth <= 0 || boxHeight <= 0)
        return false;
    sourceWidth = bitmap->Width();
    sourceHeight = bitmap->Height();
    const QSize thumb = ThumbSize(sourceWidth, sourceHeight, boxWidth, boxHeight);
    thumbWidth = thumb.width();
    thumbHeight = thumb.height();
    if (!MakeFromImage(bitmap->ToImage(), referenceDC)) {
        Clear();
        return false;
    }
    return true;
}

bool CPageThumb::MakeFromImage(const QImage& image, QPainter* referenceDC) {
    if (image.isNull())
        return false;
    auto newSurface = std::make_unique<COffscreenDC>();
    if (!newSurface->Create(referenceDC, QRect(0, 0, thumbWidth, thumbHeight)))
        return false;
    QPainter* painter = newSurface->Painter();
    const QRect target(0, 0, thumbWidth, thumbHeight);
    painter->fillRect(target, Qt::white);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (image.size() == target.size())
        painter->drawImage(0, 0, image);
    else
        painter->drawImage(target, image);
    surface = std::move(newSurface);
    return true;
}

void CPageThumb::DrawFit(QPainter& targetDC, const QRect& rect) const {
    if (!HasSurface())
        return;
    const int rw = rect.width();
    const int rh = rect.height();
    const QSize fit = FitSize(thumbWidth, thumbHeight, rw, rh);
    const QRect target(rect.left() + (rw - fit.width()) / 2, rect.top() + (rh - fit.height()) / 2,
                       fit.width(), fit.height());
    targetDC.save();
    targetDC.setRenderHint(QPainter::SmoothPixmapTransform, true);
    targetDC.drawImage(target, surface->Image());
    targetDC.restore();
}

void CPageThumb::DrawCentered(QPainter& targetDC, const QRect& rect) const {
    if (!HasSurface())
        return;
    const int x =
        rect.width() > thumbWidth ? rect.left() + (rect.width() - thumbWidth) / 2 : rect.left();
    const int y =
        rect.height() > thumbHeight ? rect.top() + (rect.height() - thumbHeight) / 2 : rect.top();
    targetDC.drawImage(x, y, surface->Image());
}

void CPageThumb::Clear() {
    sourceWidth = 0;
    sourceHeight = 0;
    thumbWidth = 0;
    thumbHeight = 0;
    surface.reset();
}
