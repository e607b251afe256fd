#include "imaging/JpegWriter.h"

#include "imaging/ImageDecoder.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace imagingtest;

namespace {

class JpegWriterTest : public CTempHomeTest {};

QByteArray Rgb(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray packed;
    for (int y = 0; y < rgb.height(); ++y)
        packed.append(reinterpret_cast<const char*>(rgb.constScanLine(y)),
                      qsizetype(rgb.width()) * 3);
    return packed;
}

const unsigned char* Bytes(const QByteArray& data) {
    return reinterpret_cast<const unsigned char*>(data.constData());
}

struct CJpegMarkers {
    bool baseline = false;
    bool progressive = false;
    int lumaSampling = 0;
    bool allQuantOne = true;
    int quantTables = 0;
};

CJpegMarkers ParseMarkers(const QByteArray& jpeg) {
    CJpegMarkers m;
    int pos = 2;
    const auto at = [&jpeg](int i) { return static_cast<unsigned char>(jpeg[i]); };
    while (pos + 4 <= jpeg.size() && at(pos) == 0xFF) {
        const unsigned char marker = at(pos + 1);
        const int length = (at(pos + 2) << 8) | at(pos + 3);
        const int body = pos + 4;
        if (marker == 0xC0 || marker == 0xC2) {
            m.baseline = marker == 0xC0;
            m.progressive = marker == 0xC2;
            m.lumaSampling = at(body + 7);
        } else if (marker == 0xDB) {
            for (int t = body; t < pos + 2 + length; t += 65) {
                ++m.quantTables;
                for (int i = 1; i <= 64; ++i)
                    m.allQuantOne = m.allQuantOne && at(t + i) == 1;
            }
        } else if (marker == 0xDA) {
            break;
        }
        pos += 2 + length;
    }
    return m;
}

} // namespace

TEST_F(JpegWriterTest, WritesBaselineQuality100WithLibraryDefaults) {
    const QImage picture = BlockImage(3, 2);
    const QByteArray rgb = Rgb(picture);
    const QString path = PathIn("out.jpg");
    ASSERT_TRUE(WriteJpegRgb(path, 48, 32, kJpegQuality, Bytes(rgb)));
    EXPECT_TRUE(LastJpegMessage().isEmpty());
    const CJpegMarkers markers = ParseMarkers(ReadFile(path));
    EXPECT_TRUE(markers.baseline);
    EXPECT_FALSE(markers.progressive);
    EXPECT_EQ(markers.lumaSampling, 0x22); // 4:2:0, the library's default
    EXPECT_EQ(markers.quantTables, 2);
    EXPECT_TRUE(markers.allQuantOne); // quality 100
    const QImage decoded(path);
    ASSERT_EQ(decoded.size(), picture.size());
    for (int y = 8; y < 32; y += 16)
        for (int x = 8; x < 48; x += 16)
            EXPECT_TRUE(Near(decoded.pixel(x, y), picture.pixel(x, y))) << x << "," << y;
}

TEST_F(JpegWriterTest, RotatedCcwTurnsTheRightColumnToTheTop) {
    CDibBitmap dib;
    ASSERT_TRUE(dib.Create(2, 1));
    dib.SetPixel(0, 0, qRgb(0, 0, 0));
    dib.SetPixel(1, 0, qRgb(255, 255, 255));
    const QString path = PathIn("turned.jpg");
    ASSERT_TRUE(WriteJpegRotatedCcw(path, kJpegQuality, dib));
    const QImage decoded(path);
    ASSERT_EQ(decoded.size(), QSize(1, 2));
    EXPECT_GT(qGray(decoded.pixel(0, 0)), 200); // the source's right pixel
    EXPECT_LT(qGray(decoded.pixel(0, 1)), 55);
}

TEST_F(JpegWriterTest, DeviceBitmapsAndSectionsWriteTheSameFile) {
    const QImage picture = DistinctImage(37, 11); // odd width: rows are not padded in JPEG
    BitmapHandle device = CBitmap::FromImage(picture);
    CDibBitmap section;
    ASSERT_TRUE(section.CreateFromBitmap(device.get()));
    const QString a = PathIn("device.jpg");
    const QString b = PathIn("section.jpg");
    const QString c = PathIn("rgb.jpg");
    ASSERT_TRUE(SaveBitmapAsJpeg(a, kJpegQuality, device.get()));
    ASSERT_TRUE(SaveBitmapAsJpeg(b, kJpegQuality, section.bitmap.get()));
    ASSERT_TRUE(WriteJpegRgb(c, 37, 11, kJpegQuality, Bytes(Rgb(picture))));
    EXPECT_EQ(ReadFile(a), ReadFile(c));
    EXPECT_EQ(ReadFile(b), ReadFile(c));
    EXPECT_FALSE(SaveBitmapAsJpeg(PathIn("none.jpg"), kJpegQuality, nullptr));
}

TEST_F(JpegWriterTest, FailuresGiveFalse) {
    const QByteArray rgb = Rgb(BlockImage(1, 1));
    EXPECT_FALSE(WriteJpegRgb(PathIn("no/such/folder/x.jpg"), 16, 16, 100, Bytes(rgb)));
    EXPECT_FALSE(LastJpegMessage().isEmpty());
    EXPECT_FALSE(WriteJpegRgb(PathIn("x.jpg"), 0, 16, 100, Bytes(rgb)));
    EXPECT_FALSE(WriteJpegRgb(PathIn("x.jpg"), 16, 16, 100, nullptr));
    if (QFile::exists("/dev/full")) {
        // A full storage card: libjpeg's fatal error returns here.
        const QByteArray big = Rgb(DistinctImage(256, 256));
        EXPECT_FALSE(WriteJpegRgb("/dev/full", 256, 256, 100, Bytes(big)));
        EXPECT_FALSE(LastJpegMessage().isEmpty());
    }
    ASSERT_TRUE(WriteJpegRgb(PathIn("ok.jpg"), 16, 16, 100, Bytes(rgb)));
    EXPECT_TRUE(LastJpegMessage().isEmpty());
}

TEST_F(JpegWriterTest, PortraitCopyCutShortIsRemoved) {
    const QString path = PathIn("noisy.png");
    ASSERT_TRUE(SavePng(DistinctImage(300, 200), path));
    // The file size limit makes the copy's write fail half way, like a full card.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = old;
    limited.rlim_cur = 8192;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const CPortraitCopyResult result = MakePortraitCopy(path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(result.made);
    EXPECT_EQ(result.fileName, path);
    EXPECT_FALSE(QFile::exists(path + ".tesimg"));
}
