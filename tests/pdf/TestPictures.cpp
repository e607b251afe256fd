#include "tests/pdf/TestPictures.h"

#include <QColor>
#include <QFile>
#include <QRandomGenerator>

bool SavePicture(const QImage& image, const QString& path, const char* format) {
    return image.save(path, format, format == QByteArray("JPEG") ? 90 : -1);
}

bool SaveFlatPicture(const QString& path, int w, int h, bool noise) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    if (noise) {
        QRandomGenerator random(7);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, random.generate() | 0xFF000000u);
    }
    return image.save(path, nullptr, 100);
}

QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation) {
    // Exif header, little-endian TIFF header, one IFD entry 0x0112 (SHORT) and no next IFD.
    QByteArray exif("Exif\0\0", 6);
    exif += QByteArray("II*\0\x08\0\0\0", 8);
    exif += QByteArray("\x01\x00", 2);
    exif += QByteArray("\x12\x01\x03\x00\x01\x00\x00\x00", 8);
    exif += char(orientation);
    exif += QByteArray("\0\0\0", 3);
    exif += QByteArray("\0\0\0\0", 4);
    QByteArray segment("\xFF\xE1", 2);
    const int length = int(exif.size()) + 2;
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    segment += exif;
    qsizetype insertAt = 2;
    if (jpeg.mid(2, 2) == QByteArray("\xFF\xE0", 2))
        insertAt = 4 + ((uchar(jpeg[4]) << 8) | uchar(jpeg[5]));
    QByteArray out = jpeg;
    out.insert(insertAt, segment);
    return out;
}

bool SaveJpeg(const QString& path, int w, int h, int orientation) {
    // Four coloured quarters, so a wrong turn would show in any decoded check.
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           x < w / 2 ? (y < h / 2 ? 0xFF0000 : 0x00FF00)
                                     : (y < h / 2 ? 0x0000FF : 0xFFFF00));
    if (!SavePicture(image, path, "JPEG"))
        return false;
    if (orientation == 0)
        return true;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = WithExifOrientation(f.readAll(), orientation);
    f.close();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}
