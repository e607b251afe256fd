#include "imaging/ImageReading.h"

#include "imaging/HeifDecoder.h"
#include "imaging/JpegCheck.h"
#include "imaging/JpegReducedDecoder.h"
#include "imaging/PictureFile.h"

#include <QImageReader>

#include <algorithm>
#include <cstring>
#include <set>

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

// Whether a WebP file stores its picture with loss: a "VP8 " bitstream (also inside an
// extended file) rather than a lossless "VP8L" one.
bool WebpIsLossy(const uchar* data, qint64 size) {
    qint64 pos = 12;
    while (pos + 8 <= size) {
        if (std::memcmp(data + pos, "VP8 ", 4) == 0)
            return true;
        if (std::memcmp(data + pos, "VP8L", 4) == 0)
            return false;
        const qint64 length = Le32(data + pos + 4);
        pos += 8 + length + (length & 1);
    }
    return false;
}

// The header of a HEIF file, from libheif: it reads sizes from the boxes and applies the
// file's own turns, so stored and upright sizes are the same.
bool ReadHeifHeader(CPictureFile& file, CPictureHeader* header, EPictureProblem* problem);

// A GIF's first picture must be there to its last data block: the reader would give the
// rows it has and leave the rest blank.
bool GifIsComplete(const uchar* data, qint64 size) {
    if (size < 13 || std::memcmp(data, "GIF", 3) != 0)
        return false;
    qint64 pos = 13;
    if (data[10] & 0x80)
        pos += 3 * (qint64(2) << (data[10] & 7)); // the global colour table
    // Skips sub-blocks up to and including their terminator; false past the end.
    const auto skipBlocks = [&]() {
        while (pos < size) {
            const int length = data[pos++];
            if (length == 0)
                return true;
            pos += length;
        }
        return false;
    };
    while (pos < size) {
        const uchar kind = data[pos++];
        if (kind == 0x21) { // an extension: its label, then its blocks
            ++pos;
            if (!skipBlocks())
                return false;
        } else if (kind == 0x2C) { // the first picture
            if (pos + 9 > size)
                return false;
            const uchar flags = data[pos + 8];
            pos += 9;
            if (flags & 0x80)
                pos += 3 * (qint64(2) << (flags & 7)); // its local colour table
            ++pos;                                     // the LZW code size
            return skipBlocks();
        } else {
            return false; // the trailer, or garbage, before any picture
        }
    }
    return false;
}

enum class CheckKind { None, Jpeg, Bmp, Png, Tiff, Gif };

bool FileIsComplete(CPictureFile& file, const QByteArray& format) {
    CheckKind kind = CheckKind::None;
    if (format == "jpeg" || format == "jpg")
        kind = CheckKind::Jpeg;
    else if (format == "bmp")
        kind = CheckKind::Bmp;
    else if (format == "png")
        kind = CheckKind::Png;
    else if (format == "tif" || format == "tiff")
        kind = CheckKind::Tiff;
    else if (format == "gif")
        kind = CheckKind::Gif;
    if (kind == CheckKind::None)
        return true;
    qint64 size = 0;
    const uchar* data = file.Bytes(&size);
    if (!data)
        return false;
    switch (kind) {
    case CheckKind::Jpeg: return CheckJpegData(data, size, nullptr);
    case CheckKind::Bmp: return BmpIsComplete(data, size);
    case CheckKind::Png: return PngIsComplete(data, size);
    case CheckKind::Tiff: return TiffIsComplete(data, size);
    case CheckKind::Gif: return GifIsComplete(data, size);
    default: return true;
    }
}

// The size of the stored pixels as the reader reports it. A BMP stored top-down has a
// negative height in its header, which the reader passes on; its rows are read upright.
QSize StoredSize(QImageReader& reader) {
    QSize size = reader.size();
    if (size.height() < 0 && reader.format() == "bmp")
        size.setHeight(-size.height());
    return size;
}

bool TooManyPixels(QSize size) {
    return qint64(size.width()) * qint64(size.height()) > kMaxPicturePixels;
}

// Qt's reader refuses pictures that need more memory than its own limit (128 MB by default:
// a 32-megapixel scan); ours is kMaxPicturePixels, checked from the header before decoding.
void AllowLargePictures() {
    static const bool raised = [] {
        QImageReader::setAllocationLimit(int(kMaxPicturePixels * 4 / (qint64(1024) * 1024)) + 1);
        return true;
    }();
    (void)raised;
}

bool Refuse(EPictureProblem* problem, EPictureProblem why) {
    if (problem)
        *problem = why;
    return false;
}

bool ReadHeifHeader(CPictureFile& file, CPictureHeader* header, EPictureProblem* problem) {
    qint64 size = 0;
    const uchar* data = file.Bytes(&size);
    QSize upright;
    if (!data || !ReadHeifSize(data, size, &upright))
        return Refuse(problem, EPictureProblem::NotAPicture);
    if (TooManyPixels(upright))
        return Refuse(problem, EPictureProblem::TooLarge);
    header->storedSize = header->uprightSize = upright;
    header->transformation = QImageIOHandler::TransformationNone;
    header->format = "heif";
    header->frames = 1;
    header->lossy = true;
    return true;
}

// The file's first bytes are looked at through its map: reading ahead on the device would
// confuse Qt's TIFF reader, which then counts one page only.
bool IsHeif(CPictureFile& file) {
    qint64 size = 0;
    const uchar* data = file.Bytes(&size);
    return data && IsHeifData(data, size);
}

// The pages of a TIFF file, counted along its chain of directories (Qt's reader counts them
// only when asked in one particular order). 0 for a file that is no classic TIFF; a chain
// that leaves the file or loops ends there.
int TiffPageCount(CPictureFile& file) {
    qint64 size = 0;
    const uchar* data = file.Bytes(&size);
    if (!data || size < 8)
        return 0;
    const bool little = std::memcmp(data, "II*\0", 4) == 0;
    if (!little && std::memcmp(data, "MM\0*", 4) != 0)
        return 0;
    const auto u16 = [&](qint64 at) {
        return little ? Le16(data + at) : quint16(data[at] << 8 | data[at + 1]);
    };
    const auto u32 = [&](qint64 at) { return little ? Le32(data + at) : Be32(data + at); };
    std::set<qint64> seen;
    qint64 offset = u32(4);
    while (offset >= 8 && offset + 2 <= size && seen.count(offset) == 0 && seen.size() < 100000) {
        const qint64 next = offset + 2 + qint64(u16(offset)) * 12;
        if (next + 4 > size)
            break;
        seen.insert(offset);
        offset = u32(next);
    }
    return int(seen.size());
}

QImage ScaledUpright(QImage image, QSize uprightScaledSize) {
    if (image.isNull() || !uprightScaledSize.isValid() || image.size() == uprightScaledSize)
        return image;
    return image.scaled(uprightScaledSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

bool ReadPictureHeader(const QString& path, CPictureHeader* header, EPictureProblem* problem) {
    if (problem)
        *problem = EPictureProblem::None;
    AllowLargePictures();
    CPictureFile file(path);
    if (!file.IsOpen())
        return Refuse(problem, file.Problem());
    // Qt's reader has no HEIF decoder: libheif reads those.
    if (IsHeif(file))
        return ReadHeifHeader(file, header, problem);
    const int tiffPages = TiffPageCount(file);
    QImageReader reader(&file.Device());
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return Refuse(problem, EPictureProblem::NotAPicture);
    const QSize stored = StoredSize(reader);
    if (!stored.isValid() || stored.isEmpty())
        return Refuse(problem, EPictureProblem::NotAPicture);
    if (TooManyPixels(stored))
        return Refuse(problem, EPictureProblem::TooLarge);
    header->storedSize = stored;
    header->transformation = reader.transformation();
    header->uprightSize = (header->transformation & QImageIOHandler::TransformationRotate90)
                              ? stored.transposed()
                              : stored;
    header->format = reader.format();
    header->frames = std::max(1, tiffPages);
    header->lossy = header->format == "jpeg" || header->format == "jpg";
    if (header->format == "webp") {
        qint64 size = 0;
        const uchar* data = file.Bytes(&size);
        header->lossy = data && WebpIsLossy(data, size);
    }
    if (!FileIsComplete(file, header->format))
        return Refuse(problem, EPictureProblem::NotAPicture);
    return true;
}

QImage ReadPictureUpright(const QString& path, const CPictureHeader& header,
                          QSize uprightScaledSize) {
    const bool scaled = uprightScaledSize.isValid() && !uprightScaledSize.isEmpty() &&
                        uprightScaledSize != header.uprightSize;
    const bool turned = header.transformation & QImageIOHandler::TransformationRotate90;
    if (header.format == "heif") {
        CPictureFile file(path);
        qint64 size = 0;
        const uchar* data = file.Bytes(&size);
        return ScaledUpright(DecodeHeif(data, size, header.storedSize),
                             scaled ? uprightScaledSize : QSize());
    }
    if (scaled && (header.format == "jpeg" || header.format == "jpg")) {
        // Straight from libjpeg at the reduced scale; then only a small picture is turned
        // and scaled. Files it cannot take (CMYK) go through the reader below.
        CPictureFile file(path);
        qint64 size = 0;
        const uchar* data = file.Bytes(&size);
        // The file is checked again here: it may have been replaced since its header was read.
        CJpegFrame frame;
        if (!data || !CheckJpegData(data, size, &frame) ||
            QSize(frame.width, frame.height) != header.storedSize)
            return QImage();
        const QImage reduced = DecodeJpegReduced(
            data, size, turned ? uprightScaledSize.transposed() : uprightScaledSize);
        if (!reduced.isNull()) {
            QImage upright =
                OrientUpright(reduced, OrientationFromTransformation(header.transformation));
            if (upright.size() == uprightScaledSize)
                return upright;
            return upright.scaled(uprightScaledSize, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
        }
    }
    CPictureFile file(path);
    if (!file.IsOpen())
        return QImage();
    QImageReader reader(&file.Device(), header.format);
    reader.setAutoTransform(true);
    // A file replaced since its header was read is not decoded: it could be any size.
    if (StoredSize(reader) != header.storedSize)
        return QImage();
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

QImage ReadPictureFrame(const QString& path, const CPictureHeader& header, int frame) {
    if (frame == 0)
        return ReadPictureUpright(path, header);
    if (frame < 0 || frame >= header.frames)
        return QImage();
    CPictureFile file(path);
    if (!file.IsOpen())
        return QImage();
    QImageReader reader(&file.Device(), header.format);
    reader.setAutoTransform(true);
    // Each page has a size and an orientation of its own, checked before it is decoded.
    // (Qt's TIFF reader moves on one page at a time; it refuses to jump.)
    for (int page = 0; page < frame; ++page) {
        if (!reader.jumpToNextImage())
            return QImage();
    }
    const QSize stored = StoredSize(reader);
    if (!stored.isValid() || stored.isEmpty() || TooManyPixels(stored))
        return QImage();
    return reader.read();
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
