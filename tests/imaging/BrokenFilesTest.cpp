#include "imaging/ImageDecoder.h"
#include "imaging/ImageEdit.h"
#include "imaging/PageThumb.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/TempHome.h"

#include <QBuffer>
#include <QFile>

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
