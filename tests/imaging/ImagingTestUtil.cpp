#include "tests/imaging/ImagingTestUtil.h"

#include "imaging/ImageDecoder.h"

#include "imaging/JpegWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace imagingtest {

void CImagingTest::SetUp() {
    CTempHomeTest::SetUp();
    StartImaging();
}

void CImagingTest::TearDown() {
    StopImaging();
    CTempHomeTest::TearDown();
}

QRgb BlockColour(int index) {
    static const QRgb colours[] = {
        qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255), qRgb(255, 255, 0),
        qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(0, 0, 0),   qRgb(255, 255, 255),
        qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(0, 0, 128), qRgb(128, 128, 128),
    };
    return colours[index % 12];
}

QImage BlockImage(int columns, int rows, int blockSize) {
    QImage image(columns * blockSize, rows * blockSize, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, BlockColour((y / blockSize) * columns + x / blockSize));
    return image;
}

QRgb DistinctColour(int x, int y) {
    return qRgb(x & 0xFF, y & 0xFF, (x + 7 * y) & 0xFF);
}

QImage DistinctImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, DistinctColour(x, y));
    return image;
}

namespace {

QByteArray ExifSegment(int orientation, bool littleEndian) {
    auto u16 = [littleEndian](int v) {
        QByteArray b(2, 0);
        b[littleEndian ? 0 : 1] = char(v & 0xFF);
        b[littleEndian ? 1 : 0] = char((v >> 8) & 0xFF);
        return b;
    };
    auto u32 = [littleEndian](quint32 v) {
        QByteArray b(4, 0);
        for (int i = 0; i < 4; ++i)
            b[littleEndian ? i : 3 - i] = char((v >> (8 * i)) & 0xFF);
        return b;
    };
    QByteArray tiff = littleEndian ? QByteArray("II") : QByteArray("MM");
    tiff += u16(42) + u32(8);
    tiff += u16(1);                              // one entry
    tiff += u16(0x0112) + u16(3) + u32(1);       // Orientation, SHORT, count 1
    tiff += u16(orientation) + QByteArray(2, 0); // value, left-justified
    tiff += u32(0);                              // no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment;
    segment += char(0xFF);
    segment += char(0xE1);
    const int length = int(payload.size()) + 2;
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    return segment + payload;
}

} // namespace

QByteArray JpegBytes(const QImage& image, int orientation, bool littleEndian) {
    QTemporaryDir dir;
    const QString path = dir.filePath("encode.jpg");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray packed;
    for (int y = 0; y < rgb.height(); ++y)
        packed.append(reinterpret_cast<const char*>(rgb.constScanLine(y)),
                      qsizetype(rgb.width()) * 3);
    if (!WriteJpegRgb(path, rgb.width(), rgb.height(), 100,
                      reinterpret_cast<const unsigned char*>(packed.constData())))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (orientation > 0)
        bytes = bytes.left(2) + ExifSegment(orientation, littleEndian) + bytes.mid(2);
    return bytes;
}

QPoint Upright(int orientation, int x, int y, int w, int h) {
    switch (orientation) {
    case 2: return {w - 1 - x, y};
    case 3: return {w - 1 - x, h - 1 - y};
    case 4: return {x, h - 1 - y};
    case 5: return {y, x};
    case 6: return {h - 1 - y, x};
    case 7: return {h - 1 - y, w - 1 - x};
    case 8: return {y, w - 1 - x};
    default: return {x, y};
    }
}

QImage ExpectedUpright(const QImage& stored, int orientation) {
    const bool turned = orientation >= 5 && orientation <= 8;
    QImage out(turned ? stored.height() : stored.width(), turned ? stored.width() : stored.height(),
               QImage::Format_RGB32);
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width(); ++x)
            out.setPixel(Upright(orientation, x, y, stored.width(), stored.height()),
                         stored.pixel(x, y));
    return out;
}

bool WriteBytes(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

bool SavePng(const QImage& image, const QString& path) {
    return image.save(path, "PNG");
}

bool Near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace imagingtest
