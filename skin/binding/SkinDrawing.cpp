// The drawing calls of the screens: thin wrappers over the bound manager that describe the
// painter's image to the library as a 32-bit surface.

#include "skin/binding/SkinBinding.h"

#include "skin/binding/SkinBindingState.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

bool DrawsInPlace(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

TesSurface SurfaceOf(QImage& image, const QPoint& origin, const QRect& clip) {
    TesSurface surface;
    surface.pixels = reinterpret_cast<std::uint32_t*>(image.bits());
    surface.width = image.width();
    surface.height = image.height();
    surface.bytesPerLine = int(image.bytesPerLine());
    surface.originX = origin.x();
    surface.originY = origin.y();
    surface.clip = {clip.left(), clip.top(), clip.left() + clip.width(),
                    clip.top() + clip.height()};
    return surface;
}

TesRect ToTesRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// The straight-alpha picture behind two drawings of it, one onto black and one onto white.
QImage RecoverAlpha(const QImage& onBlack, const QImage& onWhite) {
    QImage out(onBlack.size(), QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* black = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        const auto* white = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int spread =
                std::max({qRed(white[x]) - qRed(black[x]), qGreen(white[x]) - qGreen(black[x]),
                          qBlue(white[x]) - qBlue(black[x]), 0});
            const int alpha = 255 - std::min(spread, 255);
            if (alpha == 0) {
                target[x] = 0;
                continue;
            }
            auto straight = [alpha](int c) { return std::min(255, (c * 255 + alpha / 2) / alpha); };
            target[x] = qRgba(straight(qRed(black[x])), straight(qGreen(black[x])),
                              straight(qBlue(black[x])), alpha);
        }
    }
    return out;
}

// Draws with the library onto `surface`, whose pixels are `scale` to a logical pixel: the
// callee multiplies the logical positions it was given by `scale`.
using SurfaceDraw = std::function<std::int32_t(TesSurface& surface, int scale)>;

int PictureRatio() {
    return BindingState().pictureRatio;
}

QRect Scaled(const QRect& rect, int scale) {
    return QRect(rect.x() * scale, rect.y() * scale, rect.width() * scale, rect.height() * scale);
}

// True when `transform` is exactly `scale` times the logical plane plus a shift (rounded to
// whole pixels when drawn).
bool IsScaleAndShift(const QTransform& transform, int scale) {
    return transform.type() <= QTransform::TxScale && transform.m11() == scale &&
           transform.m22() == scale;
}

std::int32_t DrawThroughPainter(QPainter& painter, const QRect& extent, const SurfaceDraw& draw);

std::int32_t DrawOnImage(QImage& image, const QRect& extent, const SurfaceDraw& draw) {
    if (image.isNull())
        return 0;
    const int ratio = PictureRatio();
    if (image.devicePixelRatio() != ratio) {
        // The picture's pixels are not the image's: scale it on the way.
        QPainter painter(&image);
        return DrawThroughPainter(painter, extent, draw);
    }
    if (DrawsInPlace(image.format())) {
        TesSurface surface = SurfaceOf(image, {}, image.rect());
        return draw(surface, ratio);
    }
    // Other formats go through a 32-bit copy.
    const QImage::Format format = image.format();
    QImage copy = image.convertToFormat(QImage::Format_RGB32);
    TesSurface surface = SurfaceOf(copy, {}, copy.rect());
    const std::int32_t result = draw(surface, ratio);
    image = copy.convertToFormat(format);
    image.setDevicePixelRatio(ratio);
    return result;
}

// `extent` is the area the call may touch in the painter's logical coordinates; it sizes the
// temporary image when the painter cannot be drawn on in place.
std::int32_t DrawOnPainter(QPainter& painter, const QRect& extent, const SurfaceDraw& draw) {
    QPaintDevice* device = painter.device();
    const QTransform transform = painter.deviceTransform();
    const int ratio = PictureRatio();
    if (device && device->devType() == QInternal::Image && IsScaleAndShift(transform, ratio) &&
        DrawsInPlace(static_cast<QImage*>(device)->format())) {
        // The painter's pixels are the picture's: the library blends in place, exactly.
        auto* image = static_cast<QImage*>(device);
        QRect clip = image->rect();
        if (painter.hasClipping())
            clip &= transform.mapRect(painter.clipBoundingRect()).toAlignedRect();
        TesSurface surface =
            SurfaceOf(*image, QPoint(qRound(transform.dx()), qRound(transform.dy())), clip);
        return draw(surface, ratio);
    }
    return DrawThroughPainter(painter, extent, draw);
}

// Any other device (a widget, a pixmap), transform or density: the destination cannot be
// read, so the picture is drawn onto black and onto white at its own pixels, its alpha
// recovered from the difference, and the result painted over the device, scaled smoothly
// where the device's pixels are not the picture's.
std::int32_t DrawThroughPainter(QPainter& painter, const QRect& extent, const SurfaceDraw& draw) {
    const int ratio = PictureRatio();
    if (extent.isEmpty()) {
        TesSurface nothing; // no pixels: the library only looks the picture up
        return draw(nothing, ratio);
    }
    const QRect pixels = Scaled(extent, ratio);
    QImage onBlack(pixels.size(), QImage::Format_RGB32);
    QImage onWhite(pixels.size(), QImage::Format_RGB32);
    onBlack.fill(0xFF000000);
    onWhite.fill(0xFFFFFFFF);
    TesSurface blackSurface = SurfaceOf(onBlack, -pixels.topLeft(), onBlack.rect());
    TesSurface whiteSurface = SurfaceOf(onWhite, -pixels.topLeft(), onWhite.rect());
    const std::int32_t result = draw(blackSurface, ratio);
    draw(whiteSurface, ratio);
    QImage picture = RecoverAlpha(onBlack, onWhite);
    picture.setDevicePixelRatio(ratio);
    // Shrinking or a fractional scale is smoothed; a whole-number enlargement keeps its pixels
    // sharp, as no finer picture exists.
    const QTransform transform = painter.deviceTransform();
    const double factor = std::hypot(transform.m11(), transform.m12()) / ratio;
    const bool smooth = factor < 1.0 || factor != std::round(factor);
    const bool wasSmooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(extent.topLeft(), picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
    return result;
}

// The logical area a picture (or the `source` part of it) covers at (x, y).
QRect PictureExtent(ITesManager* manager, std::int32_t handle, int x, int y, const QRect* source) {
    const TesSize size = manager->GetImageSize(handle);
    if (size.cx <= 0 || size.cy <= 0)
        return {};
    const int ratio = PictureRatio();
    QRect part(0, 0, (size.cx + ratio - 1) / ratio, (size.cy + ratio - 1) / ratio);
    if (source)
        part &= *source;
    return QRect(x, y, part.width(), part.height());
}

TesRect ScaledTesRect(const QRect& rect, int scale) {
    return ToTesRect(Scaled(rect, scale));
}

} // namespace

std::int32_t NativeSkinHandle(std::int32_t handle) {
    const auto& pictures = BindingState().pictures;
    const auto it = pictures.find(handle);
    return it == pictures.end() ? handle : it->second.native;
}

namespace {

// Remembers a picture the manager made and hands out the binding's handle for it: the
// manager's own while no other picture holds it (as long as the first binding lasts), else
// one above every handle seen so far.
std::int32_t Remember(const SkinPicture& picture) {
    SkinBindingState& state = BindingState();
    if (picture.native <= 0)
        return picture.native; // the manager's error, as it gave it
    for (auto& [handle, known] : state.pictures)
        if (known.native == picture.native) {
            ++known.uses;
            return handle;
        }
    std::int32_t handle = picture.native;
    if (state.pictures.count(handle) || handle < state.handleCeiling)
        handle = state.handleCeiling;
    state.handleCeiling = std::max(state.handleCeiling, std::max(handle, picture.native) + 1);
    state.pictures[handle] = picture;
    return handle;
}

} // namespace

std::int32_t SkinAddImage(std::uint32_t id) {
    ITesManager* manager = SkinManager();
    if (!manager || id == 0)
        return 0;
    return Remember({id, false, 0, manager->AddResourceImage(id)});
}

std::int32_t SkinAddImageOnColour(std::uint32_t id, TesColour colour) {
    ITesManager* manager = SkinManager();
    if (!manager || id == 0)
        return 0;
    return Remember({id, true, colour, manager->AddResourceImageOnColour(id, colour)});
}

std::int32_t SkinDrawImage(QPainter& dc, std::int32_t picture, int x, int y, const QRect* source) {
    const std::int32_t handle = NativeSkinHandle(picture);
    ITesManager* manager = SkinManager();
    if (!manager)
        return 0;
    return DrawOnPainter(
        dc, PictureExtent(manager, handle, x, y, source), [&](TesSurface& s, int scale) {
            const TesRect part = source ? ScaledTesRect(*source, scale) : TesRect{};
            return manager->DrawImage(&s, handle, x * scale, y * scale, source ? &part : nullptr);
        });
}

std::int32_t SkinDrawImage(QImage& dc, std::int32_t picture, int x, int y, const QRect* source) {
    const std::int32_t handle = NativeSkinHandle(picture);
    ITesManager* manager = SkinManager();
    if (!manager)
        return 0;
    return DrawOnImage(
        dc, PictureExtent(manager, handle, x, y, source), [&](TesSurface& s, int scale) {
            const TesRect part = source ? ScaledTesRect(*source, scale) : TesRect{};
            return manager->DrawImage(&s, handle, x * scale, y * scale, source ? &part : nullptr);
        });
}

std::int32_t SkinTileImage(QPainter& dc, std::int32_t picture, const QRect& dest,
                           const QRect* source) {
    const std::int32_t handle = NativeSkinHandle(picture);
    ITesManager* manager = SkinManager();
    if (!manager)
        return 0;
    return DrawOnPainter(dc, dest, [&](TesSurface& s, int scale) {
        const TesRect to = ScaledTesRect(dest, scale);
        const TesRect part = source ? ScaledTesRect(*source, scale) : TesRect{};
        return manager->TileImage(&s, handle, &to, source ? &part : nullptr);
    });
}

std::int32_t SkinTileImage(QImage& dc, std::int32_t picture, const QRect& dest,
                           const QRect* source) {
    const std::int32_t handle = NativeSkinHandle(picture);
    ITesManager* manager = SkinManager();
    if (!manager)
        return 0;
    return DrawOnImage(dc, dest, [&](TesSurface& s, int scale) {
        const TesRect to = ScaledTesRect(dest, scale);
        const TesRect part = source ? ScaledTesRect(*source, scale) : TesRect{};
        return manager->TileImage(&s, handle, &to, source ? &part : nullptr);
    });
}

std::int32_t SkinReleaseImage(std::int32_t handle) {
    ITesManager* manager = SkinManager();
    if (!manager)
        return 0;
    manager->ReleaseImage(NativeSkinHandle(handle));
    auto& pictures = BindingState().pictures;
    if (const auto it = pictures.find(handle); it != pictures.end() && --it->second.uses <= 0)
        pictures.erase(it);
    return 1;
}

QSize SkinImageSize(std::int32_t handle) {
    ITesManager* manager = SkinManager();
    if (!manager)
        return QSize(0, 0);
    const TesSize size = manager->GetImageSize(NativeSkinHandle(handle));
    if (size.cx < 0 || size.cy < 0)
        return QSize(size.cx, size.cy); // no such picture
    const int ratio = PictureRatio();
    return QSize((size.cx + ratio - 1) / ratio, (size.cy + ratio - 1) / ratio);
}

QImage SkinLoadIcon(std::uint32_t id) {
    ITesManager* manager = SkinManager();
    TesIcon* icon = manager ? manager->LoadSkinIcon(id) : nullptr;
    if (!icon)
        return {};
    QImage image = QImage::fromData(icon->data, int(icon->size), "PNG");
    std::free(icon);
    image.setDevicePixelRatio(PictureRatio());
    return image;
}

TesColour SkinColourFromRgb(unsigned int qrgb) {
    return TesRgb(std::uint8_t((qrgb >> 16) & 0xFF), std::uint8_t((qrgb >> 8) & 0xFF),
                  std::uint8_t(qrgb & 0xFF));
}
