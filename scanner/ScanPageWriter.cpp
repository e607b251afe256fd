#include "scanner/ScanPageWriter.h"

#include "imaging/JpegWriter.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "text/Catalogue.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>

#include <cmath>
#include <memory>
#include <mutex>

namespace {

void SetError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

QByteArray EncodePng(const CScannedPicture& picture) {
    QImage gray(picture.width, picture.height, QImage::Format_Grayscale8);
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.pixels.data() + std::size_t(y) * std::size_t(picture.width),
                    picture.width, gray.scanLine(y));
    QImage mono = gray.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    if (picture.resolution > 0) {
        const int perMetre = int(std::lround(picture.resolution / 0.0254));
        mono.setDotsPerMeterX(perMetre);
        mono.setDotsPerMeterY(perMetre);
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!mono.save(&buffer, "PNG"))
        return {};
    return data;
}

} // namespace

QString WriteScannedPage(const QString& folder, const CScannedPicture& picture, QString* error) {
    const std::size_t expected = std::size_t(picture.width) * std::size_t(picture.height) *
                                 std::size_t(picture.BytesPerPixel());
    if (picture.width <= 0 || picture.height <= 0 || picture.pixels.size() != expected) {
        SetError(error, TranslateText("Scanner", "the scanned page is empty"));
        return {};
    }
    if (!platform::EnsureFolder(folder)) {
        SetError(error, TranslateText("Scanner", "cannot create the folder %1").arg(folder));
        return {};
    }
    const bool png = picture.kind == EScanMode::Lineart;
    const QString extension = png ? QStringLiteral(".png") : QStringLiteral(".jpg");
    const QString stem =
        QStringLiteral("%1/SCAN_%2")
            .arg(folder, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")));
    // Two scans of this process never pick the same name; another program's file of that
    // name is seen and passed over.
    static std::mutex naming;
    const std::lock_guard lock(naming);
    QString path;
    for (int n = 1; n < 10000 && path.isEmpty(); ++n) {
        const QString name =
            n == 1 ? stem + extension : QStringLiteral("%1_%2%3").arg(stem).arg(n).arg(extension);
        if (!QFileInfo::exists(name))
            path = name;
    }
    if (path.isEmpty()) {
        SetError(error, TranslateText("Scanner", "no free name in %1").arg(folder));
        return {};
    }
    QString why;
    QString jpegWhy;
    bool written = false;
    if (png) {
        const QByteArray data = EncodePng(picture);
        written = !data.isEmpty() && platform::WriteFileAtomically(path, data, &why);
    } else {
        std::unique_ptr<unsigned char[]> expanded;
        const unsigned char* rgb = picture.pixels.data();
        if (picture.kind == EScanMode::Gray) {
            expanded.reset(new unsigned char[picture.pixels.size() * 3]);
            for (std::size_t i = 0; i < picture.pixels.size(); ++i)
                expanded[3 * i] = expanded[3 * i + 1] = expanded[3 * i + 2] = picture.pixels[i];
            rgb = expanded.get();
        }
        written = platform::ReplaceFileAtomically(
            path,
            [&](int fd) {
                if (WriteJpegRgbToDescriptor(fd, picture.width, picture.height, kJpegQuality, rgb))
                    return true;
                jpegWhy = LastJpegMessage();
                return false;
            },
            &why);
        if (!jpegWhy.isEmpty())
            why = jpegWhy;
    }
    if (!written) {
        SetError(error, TranslateText("Scanner", "cannot write %1: %2").arg(path, why));
        return {};
    }
    return path;
}
