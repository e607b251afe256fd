#include "camera/StillWriter.h"

#include "imaging/JpegWriter.h"
#include "platform/Paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <atomic>
#include <unistd.h>

QString CameraPicturesFolder() {
    QString pictures = qEnvironmentVariable("XDG_PICTURES_DIR");
    if (pictures.isEmpty() || !QDir::isAbsolutePath(pictures))
        pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        pictures = QDir::homePath() + QStringLiteral("/Pictures");
    return QDir::cleanPath(pictures + QStringLiteral("/Camera"));
}

int ExifOrientationFromTag(const QString& tag) {
    static const char* const names[] = {"rotate-0",        "flip-rotate-0",   "rotate-180",
                                        "flip-rotate-180", "flip-rotate-270", "rotate-90",
                                        "flip-rotate-90",  "rotate-270"};
    for (int i = 0; i < 8; ++i)
        if (tag == QLatin1String(names[i]))
            return i + 1;
    return 1;
}

QByteArray AddExifOrientation(const QByteArray& jpeg, int orientation) {
    if (orientation <= 1 || orientation > 8 || jpeg.size() < 4 || uchar(jpeg[0]) != 0xFF ||
        uchar(jpeg[1]) != 0xD8)
        return jpeg;
    // APP1 "Exif", big-endian TIFF header, IFD0 with the one Orientation entry (SHORT).
    static const unsigned char block[] = {0xFF, 0xE1, 0x00, 0x22, 'E',  'x',  'i',  'f',  0x00,
                                          0x00, 'M',  'M',  0x00, 0x2A, 0x00, 0x00, 0x00, 0x08,
                                          0x00, 0x01, 0x01, 0x12, 0x00, 0x03, 0x00, 0x00, 0x00,
                                          0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    QByteArray exif(reinterpret_cast<const char*>(block), sizeof block);
    exif[29] = char(orientation);
    qsizetype at = 2;
    if (uchar(jpeg[2]) == 0xFF && uchar(jpeg[3]) == 0xE0 && jpeg.size() >= 6) {
        const qsizetype length = (uchar(jpeg[4]) << 8) | uchar(jpeg[5]);
        if (2 + 2 + length <= jpeg.size())
            at = 2 + 2 + length;
    }
    QByteArray out = jpeg.left(at);
    out += exif;
    out += jpeg.mid(at);
    return out;
}

namespace {

void SetError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

bool AddOrientationToFile(const QString& path, int orientation) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray data = AddExifOrientation(file.readAll(), orientation);
    return file.seek(0) && file.write(data) == data.size() && file.flush();
}

} // namespace

QString WriteStill(const QString& folder, int width, int height, const unsigned char* rgb,
                   int orientation, QString* error) {
    if (width <= 0 || height <= 0 || !rgb) {
        SetError(error, QStringLiteral("empty picture"));
        return {};
    }
    if (!platform::EnsureFolder(folder)) {
        SetError(error, QStringLiteral("cannot create the folder %1").arg(folder));
        return {};
    }
    // Written under a hidden name first, so a name only ever stands for a whole picture.
    static std::atomic<int> serial{0};
    const QString part = QStringLiteral("%1/.capture-%2-%3.part")
                             .arg(folder)
                             .arg(::getpid())
                             .arg(serial.fetch_add(1));
    if (!WriteJpegRgb(part, width, height, kJpegQuality, rgb) ||
        (orientation > 1 && !AddOrientationToFile(part, orientation))) {
        SetError(error, QStringLiteral("cannot write %1: %2").arg(part, LastJpegMessage()));
        QFile::remove(part);
        return {};
    }
    const QString stem =
        QStringLiteral("%1/IMG_%2")
            .arg(folder, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")));
    for (int n = 1; n < 1000; ++n) {
        QString name =
            n == 1 ? stem + QStringLiteral(".jpg") : QStringLiteral("%1_%2.jpg").arg(stem).arg(n);
        // Rename never replaces an existing file.
        if (QFile::rename(part, name))
            return name;
    }
    QFile::remove(part);
    SetError(error, QStringLiteral("no free name in %1").arg(folder));
    return {};
}
