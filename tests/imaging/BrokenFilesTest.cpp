#include "imaging/ImageDecoder.h"
#include "imaging/ImageEdit.h"
#include "imaging/JpegCheck.h"
#include "imaging/JpegReducedDecoder.h"
#include "imaging/PageThumb.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/TempHome.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <gtest/gtest.h>

using namespace imagingtest;

namespace {

class BrokenFilesTest : public CImagingTest {
protected:
    // Every entry point refuses the file cleanly.
    void ExpectRefusedEverywhere(const QString& path) {
        SCOPED_TRACE(path.toStdString());
        LoadedImage image;
        EXPECT_FALSE(LoadImageFile(path, &image));
        EXPECT_EQ(image.bitmap, nullptr);
        EXPECT_EQ(image.pixels, nullptr);
        QSize size;
        EXPECT_FALSE(ReadImageSize(path, &size));
        EXPECT_EQ(OpenImage(path), nullptr);
        EXPECT_EQ(OpenImageCount(), 0);
        CPageThumb thumb;
        EXPECT_FALSE(thumb.Build(path, nullptr, 100, 100));
        EXPECT_FALSE(thumb.HasSurface());
        EXPECT_EQ(thumb.sourceWidth, 0);
        const CPortraitCopyResult copy = MakePortraitCopy(path);
        EXPECT_FALSE(copy.made);
        EXPECT_EQ(copy.fileName, path);
        EXPECT_FALSE(QFile::exists(path + ".tesimg"));
        CImageEdit edit;
        EXPECT_FALSE(edit.LoadPicture(path));
        EXPECT_FALSE(edit.HasPicture());
        EXPECT_EQ(JpegOrientation(path), JpegOrientation(path)); // answers without crashing
    }

    QByteArray Encoded(const char* format) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        DistinctImage(120, 80).save(&buffer, format);
        return data;
    }
};

} // namespace

TEST_F(BrokenFilesTest, ZeroByteAndMissingFiles) {
    for (const char* name : {"empty.jpg", "empty.png", "empty.bmp", "empty"}) {
        ASSERT_TRUE(WriteBytes(PathIn(name), QByteArray()));
        ExpectRefusedEverywhere(PathIn(name));
    }
    ExpectRefusedEverywhere(PathIn("missing.jpg"));
    ExpectRefusedEverywhere(Home()); // a folder
}

TEST_F(BrokenFilesTest, TruncatedFiles) {
    const QByteArray jpeg = JpegBytes(DistinctImage(120, 80), 6);
    for (double part : {0.02, 0.3, 0.7, 0.99}) {
        const QString path = PathIn(QString("cut%1.jpg").arg(int(part * 100)));
        ASSERT_TRUE(WriteBytes(path, jpeg.left(int(jpeg.size() * part))));
        ExpectRefusedEverywhere(path);
    }
    for (const char* format : {"PNG", "BMP", "GIF", "TIFF"}) {
        const QByteArray data = Encoded(format);
        if (data.isEmpty())
            continue;
        const QString path = PathIn(QString("cut.%1").arg(QString(format).toLower()));
        ASSERT_TRUE(WriteBytes(path, data.left(data.size() / 2)));
        ExpectRefusedEverywhere(path);
    }
}

TEST_F(BrokenFilesTest, DamagedAndUnsupportedFiles) {
    QByteArray jpeg = JpegBytes(DistinctImage(120, 80));
    QByteArray damaged = jpeg;
    for (int i = 2; i < 200 && i < damaged.size(); ++i)
        damaged[i] = char(0x5A ^ i); // the header is garbage
    ASSERT_TRUE(WriteBytes(PathIn("damaged.jpg"), damaged));
    ExpectRefusedEverywhere(PathIn("damaged.jpg"));

    QByteArray noise(4096, 0);
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 2654435761u) >> 13);
    ASSERT_TRUE(WriteBytes(PathIn("noise.png"), noise));
    ExpectRefusedEverywhere(PathIn("noise.png"));

    ASSERT_TRUE(WriteBytes(PathIn("text.jpg"), "this is not a picture\n"));
    ExpectRefusedEverywhere(PathIn("text.jpg"));

    // A format the decoder does not know (PCX header followed by nothing useful).
    QByteArray pcx(128, 0);
    pcx[0] = 0x0A;
    pcx[1] = 5;
    pcx[2] = 1;
    pcx[3] = 8;
    ASSERT_TRUE(WriteBytes(PathIn("scan.pcx"), pcx));
    ExpectRefusedEverywhere(PathIn("scan.pcx"));

    // A JPEG whose header promises a size its data does not have.
    QByteArray lying = jpeg;
    const int sof = int(lying.indexOf(QByteArray::fromHex("FFC0")));
    ASSERT_GT(sof, 0);
    lying[sof + 5] = char(0x7F); // height 0x7Fxx
    ASSERT_TRUE(WriteBytes(PathIn("lying.jpg"), lying));
    LoadedImage image;
    LoadImageFile(PathIn("lying.jpg"), &image); // may decode grey rows; must not crash
    CPageThumb thumb;
    thumb.Build(PathIn("lying.jpg"), nullptr, 100, 100);
}

// The JPEG check reads no pixels, so it must refuse exactly what the decoder cannot take
// whole: each damaged frame below also fails libjpeg's own decode.
TEST_F(BrokenFilesTest, JpegFramesTheDecoderCannotReadAreRefusedWithoutDecoding) {
    const QByteArray good = JpegBytes(DistinctImage(120, 80));
    CJpegFrame frame;
    ASSERT_TRUE(
        CheckJpegData(reinterpret_cast<const uchar*>(good.constData()), good.size(), &frame));
    EXPECT_EQ(frame.width, 120);
    EXPECT_EQ(frame.height, 80);
    EXPECT_EQ(frame.components, 3);
    EXPECT_FALSE(frame.progressive);
    const int sof = int(good.indexOf(QByteArray::fromHex("FFC0")));
    ASSERT_GT(sof, 0);
    ASSERT_EQ(good[sof + 9], char(3));

    struct {
        const char* name;
        int offset; // from the frame marker
        char value;
    } const damages[] = {
        {"precision12.jpg", 4, 12},      {"width0.jpg", 7, 0},
        {"sampling0.jpg", 11, 0x00},     {"quanttable3.jpg", 12, 3},
        {"lossless.jpg", 1, char(0xC3)}, {"hierarchical.jpg", 1, char(0xC5)},
    };
    for (const auto& d : damages) {
        SCOPED_TRACE(d.name);
        QByteArray bad = good;
        bad[sof + d.offset] = d.value;
        if (std::string(d.name) == "width0.jpg")
            bad[sof + 8] = 0;
        const QString path = PathIn(d.name);
        ASSERT_TRUE(WriteBytes(path, bad));
        EXPECT_FALSE(CheckJpegFile(path, nullptr));
        EXPECT_TRUE(DecodeJpegReduced(path, QSize(8, 8)).isNull());
        ExpectRefusedEverywhere(path);
    }

    // Two components, a scan naming a component the frame lacks, no end marker.
    QByteArray two = good;
    two[sof + 9] = 2;
    ASSERT_TRUE(WriteBytes(PathIn("two.jpg"), two));
    EXPECT_FALSE(CheckJpegFile(PathIn("two.jpg"), nullptr));
    QByteArray stranger = good;
    const int sos = int(stranger.indexOf(QByteArray::fromHex("FFDA")));
    stranger[sos + 5] = char(0x77);
    ASSERT_TRUE(WriteBytes(PathIn("stranger.jpg"), stranger));
    EXPECT_FALSE(CheckJpegFile(PathIn("stranger.jpg"), nullptr));
    ExpectRefusedEverywhere(PathIn("stranger.jpg"));
    ASSERT_TRUE(WriteBytes(PathIn("noend.jpg"), good.left(good.size() - 2)));
    EXPECT_FALSE(CheckJpegFile(PathIn("noend.jpg"), nullptr));
    ExpectRefusedEverywhere(PathIn("noend.jpg"));

    // Bytes after the end marker are no harm to a decoder; grey and progressive files pass.
    ASSERT_TRUE(WriteBytes(PathIn("tail.jpg"), good + "trailing bytes"));
    EXPECT_TRUE(CheckJpegFile(PathIn("tail.jpg"), &frame));
    QImage grey(33, 17, QImage::Format_Grayscale8);
    grey.fill(100);
    ASSERT_TRUE(grey.save(PathIn("grey.jpg"), "JPEG"));
    EXPECT_TRUE(CheckJpegFile(PathIn("grey.jpg"), &frame));
    EXPECT_EQ(frame.components, 1);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(DistinctImage(64, 40)));
    ASSERT_TRUE(WriteBytes(PathIn("progressive.jpg"), buffer.data()));
    EXPECT_TRUE(CheckJpegFile(PathIn("progressive.jpg"), &frame));
    EXPECT_TRUE(frame.progressive);
    EXPECT_EQ(frame.width, 64);
}
