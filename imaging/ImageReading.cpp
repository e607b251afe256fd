#include "imaging/ImageReading.h"

#include "imaging/JpegCheck.h"
#include "imaging/JpegReducedDecoder.h"

#include <QFile>
#include <QImageReader>

#include <cstring>

namespace {

quint32 Le32(const uchar* p) {
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}
quint16 Le16(const uchar* p) {
    return quint16(p[0] | p[1] << 8);
}

// An uncompressed BMP must hold all the rows its header promises.
bool BmpIsComplete(const uchar* data, qint64 size) {
    if (size < 54 || data[0] != 'B' || data[1] != 'M')
        return size >= 26; // core headers are left to the reader
    const quint32 offBits = Le32(data + 10);
    const quint32 headerSize = Le32(data + 14);
    if (headerSize < 40)
        return true;
    const qint64 width = qint32(Le32(data + 18));
    const qint64 height = qint32(Le32(data + 22));
    const int bitCount = Le16(data + 28);
    const quint32 compression = Le32(data + 30);
    if (compression != 0 && compression != 3)
        return true;
    const qint64 rowBytes = ((width * bitCount + 31) / 32) * 4;
    const qint64 needed = qint64(offBits) + rowBytes * (height < 0 ? -height : height);
    return width > 0 && size >= needed;
}

quint32 Be32(const uchar* p) {
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}

// A PNG's chunks must all be there, up to IEND (only the chunk headers are read).
bool PngIsComplete(const uchar* data, qint64 size) {
    static const uchar kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (size < 8 || std::memcmp(data, kSignature, 8) != 0)
        return false;
    qint64 pos = 8;
    while (pos + 12 <= size) {
        const qint64 length = Be32(data + pos);
        const bool end = std::memcmp(data + pos + 4, "IEND", 4) == 0;
        pos += 12 + length;
        if (pos > size)
            return false;
        if (end)
            return true;
    }
    return false;
}

// A TIFF's first directory must lie inside the file (writers often put it at the end).
bool TiffIsComplete(const uchar* data, qint64 size) {
    if (size < 8)
        return false;
    const bool little = data[0] == 'I';
    const qint64 offset = little ? Le32(data + 4) : Be32(data + 4);
    return offset >= 8 && offset + 2 <= size;
}

enum class CheckKind { None, Jpeg, Bmp, Png, Tiff };

bool FileIsComplete(const QString& path, const QByteArray& format) {
    CheckKind kind = CheckKind::None;
    if (format == "jpeg" || format == "jpg")
        kind = CheckKind::Jpeg;
    else if (format == "bmp")
        kind = CheckKind::Bmp;
    else if (format == "png")
        kind = CheckKind::Png;
    else if (format == "tif" || format == "tiff")
        kind = CheckKind::Tiff;
    if (kind == CheckKind::None)
        return true;
    const auto check = [kind](const uchar* data, qint64 size) {
        switch (kind) {
        case CheckKind::Jpeg: return CheckJpegData(data, size, nullptr);
        case CheckKind::Bmp: return BmpIsComplete(data, size);
        case CheckKind::Png: return PngIsComplete(data, size);
        case CheckKind::Tiff: return TiffIsComplete(data, size);
        default: return true;
        }
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size <= 0)
        return false;
    const uchar* data = file.map(0, size);
    if (data)
        return check(data, size);
    const QByteArray bytes = file.readAll();
    return check(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
}

} // namespace

bool ReadPictureHeader(const QString& path, CPictureHeader* header) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return false;
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return false;
    header->storedSize = stored;
    header->transformation = reader.transformation();
    header->uprightSize = (header->transformation & QImageIOHandler::TransformationRotate90)
                              ? stored.transposed()
                              : stored;
    header->format = reader.format();
    return FileIsComplete(path, header->format);
}

QImage ReadPictureUpright(const QString& path, const CPictureHeader& header,
                          QSize uprightScaledSize) {
    const bool scaled = uprightScaledSize.isValid() && !uprightScaledSize.isEmpty() &&
                        uprightScaledSize != header.uprightSize;
    const bool turned = header.transformation & QImageIOHandler::TransformationRotate90;
    if (scaled && (header.format == "jpeg" || header.format == "jpg")) {
        // Straight from libjpeg at the reduced scale; then only a small picture is turned
        // and scaled. Files it cannot take (CMYK) go through the reader below.
        const QImage reduced =
            DecodeJpegReduced(path, turned ? uprightScaledSize.transposed() : uprightScaledSize);
        if (!reduced.isNull()) {
            const QImage upright =
                OrientUpright(reduced, OrientationFromTransformation(header.transformation));
            if (upright.size() == uprightScaledSize)
                return upright;
            return upright.scaled(uprightScaledSize, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
        }
    }
    QImageReader reader(path, header.format);
    reader.setAutoTransform(true);
    QSize expected = header.uprightSize;
    if (scaled) {
        // The reader scales the stored pixels before it turns them upright.
        reader.setScaledSize(turned ? uprightScaledSize.transposed() : uprightScaledSize);
        // Smooth scaling after the reduced-scale decode, as a thumbnail deserves.
        reader.setQuality(75);
        expected = uprightScaledSize;
    }
    QImage image = reader.read();
    if (image.isNull() || image.size() != expected)
        return QImage();
    return image;
}

int OrientationFromTransformation(QImageIOHandler::Transformations transformation) {
    switch (int(transformation)) {
    case QImageIOHandler::TransformationMirror: return 2;
    case QImageIOHandler::TransformationRotate180: return 3;
    case QImageIOHandler::TransformationFlip: return 4;
    case QImageIOHandler::TransformationFlipAndRotate90: return 5;
    case QImageIOHandler::TransformationRotate90: return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90: return 7;
    case QImageIOHandler::TransformationRotate270: return 8;
    default: return 1;
    }
}
