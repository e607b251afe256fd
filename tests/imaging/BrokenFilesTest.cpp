#include "imaging/ImageDecoder.h"
#include "imaging/ImageEdit.h"
#include "imaging/ImageReading.h"
#include "imaging/JpegCheck.h"
#include "imaging/JpegReducedDecoder.h"
#include "imaging/PageThumb.h"
#include "imaging/PictureFile.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/TempHome.h"
#include "tests/support/WaitFor.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// A JPEG of `width` x `height` whose frame header then claims `claimedWidth` x
// `claimedHeight`: the data is that of the smaller picture.
QByteArray JpegClaiming(int width, int height, int claimedWidth, int claimedHeight,
                        bool progressive = false) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.setQuality(90);
    if (!writer.write(DistinctImage(width, height)))
        return {};
    const int sof = int(data.indexOf(QByteArray::fromHex(progressive ? "FFC2" : "FFC0")));
    if (sof < 0)
        return {};
    data[sof + 5] = char(claimedHeight >> 8);
    data[sof + 6] = char(claimedHeight & 0xFF);
    data[sof + 7] = char(claimedWidth >> 8);
    data[sof + 8] = char(claimedWidth & 0xFF);
    return data;
}

// The CRC of a PNG chunk (ISO 3309), which the reader checks for the header chunk.
quint32 PngCrc(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG that declares `width` x `height` grey pixels, with one small IDAT chunk: every chunk
// is complete, so only the size can refuse it before decoding.
QByteArray PngDeclaring(quint32 width, quint32 height) {
    const auto be32 = [](quint32 v) {
        const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
        return QByteArray(b, 4);
    };
    const auto chunk = [&](const char* type, const QByteArray& body) {
        return be32(quint32(body.size())) + QByteArray(type) + body +
               be32(PngCrc(QByteArray(type) + body));
    };
    const QByteArray ihdr = be32(width) + be32(height) + QByteArray::fromHex("0800000000");
    return QByteArray::fromHex("89504E470D0A1A0A") + chunk("IHDR", ihdr) +
           chunk("IDAT", QByteArray::fromHex("789C6300000001000100")) + chunk("IEND", {});
}

// A 24-bit BMP whose rows are stored top first (negative height), as many writers make them.
QByteArray TopDownBmp(const std::vector<std::vector<QRgb>>& rows) {
    const int width = int(rows[0].size());
    const int height = int(rows.size());
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const auto le32 = [](qint32 v) {
        const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return QByteArray(b, 4);
    };
    QByteArray bmp = "BM" + le32(54 + rowBytes * height) + le32(0) + le32(54);
    bmp += le32(40) + le32(width) + le32(-height) + QByteArray::fromHex("01001800") + le32(0) +
           le32(rowBytes * height) + le32(2835) + le32(2835) + le32(0) + le32(0);
    for (const auto& row : rows) {
        QByteArray line;
        for (QRgb c : row) {
            line += char(qBlue(c));
            line += char(qGreen(c));
            line += char(qRed(c));
        }
        bmp += line + QByteArray(rowBytes - line.size(), '\0');
    }
    return bmp;
}

} // namespace

// A FIFO would block open() until a writer comes; a device reads without end. Every entry
// point refuses both at once. Should one block, the test opens the FIFO's other end to
// release it, so that it fails instead of hanging.
TEST_F(BrokenFilesTest, FifosAndDevicesAreRefusedWithoutBlocking) {
    const QString fifo = PathIn("fifo.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString device = PathIn("zero.png");
    ASSERT_TRUE(QFile::link("/dev/zero", device));
    for (const QString& path : {fifo, device}) {
        SCOPED_TRACE(path.toStdString());
        std::atomic<bool> done{false};
        std::thread check([&] {
            ExpectRefusedEverywhere(path);
            EXPECT_FALSE(CheckJpegFile(path, nullptr));
            EXPECT_TRUE(DecodeJpegReduced(path, QSize(8, 8)).isNull());
            CPictureHeader header;
            EPictureProblem problem = EPictureProblem::None;
            EXPECT_FALSE(ReadPictureHeader(path, &header, &problem));
            EXPECT_EQ(problem, EPictureProblem::NotAFile);
            done = true;
        });
        int releases = 0;
        const bool quick = WaitFor([&] { return done.load(); }, std::chrono::seconds(20));
        WaitFor([&] {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ++releases;
                ::close(fd);
            }
            return done.load();
        });
        check.join();
        EXPECT_TRUE(quick);
        EXPECT_EQ(releases, 0) << "a reader was waiting on the FIFO";
    }
}

TEST_F(BrokenFilesTest, APictureLargerThanAnyCameraIsRefusedFromItsHeader) {
    // 60000 x 60000: its rows would take most of a minute to decode for a thumbnail.
    ASSERT_TRUE(WriteBytes(PathIn("bomb.png"), PngDeclaring(60000, 60000)));
    ExpectRefusedEverywhere(PathIn("bomb.png"));
    CPictureHeader header;
    EPictureProblem problem = EPictureProblem::None;
    EXPECT_FALSE(ReadPictureHeader(PathIn("bomb.png"), &header, &problem));
    EXPECT_EQ(problem, EPictureProblem::TooLarge);

    // The limit itself is allowed (only the header is read here), one row more is not.
    static_assert(kMaxPicturePixels == 500'000'000);
    ASSERT_TRUE(WriteBytes(PathIn("limit.png"), PngDeclaring(25000, 20000)));
    QSize size;
    EXPECT_TRUE(ReadImageSize(PathIn("limit.png"), &size));
    EXPECT_EQ(size, QSize(25000, 20000));
    ASSERT_TRUE(WriteBytes(PathIn("over.png"), PngDeclaring(25000, 20001)));
    EXPECT_FALSE(ReadPictureHeader(PathIn("over.png"), &header, &problem));
    EXPECT_EQ(problem, EPictureProblem::TooLarge);

    // A JPEG frame may claim up to 65535 x 65535.
    ASSERT_TRUE(WriteBytes(PathIn("huge.jpg"), JpegClaiming(64, 48, 65500, 65500)));
    EXPECT_FALSE(ReadPictureHeader(PathIn("huge.jpg"), &header, &problem));
    EXPECT_EQ(problem, EPictureProblem::TooLarge);
}

TEST_F(BrokenFilesTest, AJpegFrameLargerThanItsDataIsRefused) {
    // 20000 x 15000 (within the pixel limit) over the data of 640 x 480, baseline and
    // progressive: a decoder would make up almost all of the picture.
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const QString path = PathIn(progressive ? "claims-p.jpg" : "claims.jpg");
        const QByteArray data = JpegClaiming(640, 480, 20000, 15000, progressive);
        ASSERT_FALSE(data.isEmpty());
        ASSERT_TRUE(WriteBytes(path, data));
        EXPECT_FALSE(CheckJpegFile(path, nullptr));
        CPictureHeader header;
        EPictureProblem problem = EPictureProblem::None;
        EXPECT_FALSE(ReadPictureHeader(path, &header, &problem));
        EXPECT_EQ(problem, EPictureProblem::NotAPicture);
        ExpectRefusedEverywhere(path);
    }

    // The floor is what the smallest codes need: large pictures of one colour, whose blocks
    // take a few bits each, pass in both forms.
    QImage white(2400, 1600, QImage::Format_RGB32);
    white.fill(Qt::white);
    for (bool progressive : {false, true}) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(progressive);
        ASSERT_TRUE(writer.write(white));
        CJpegFrame frame;
        EXPECT_TRUE(
            CheckJpegData(reinterpret_cast<const uchar*>(data.constData()), data.size(), &frame))
            << data.size() << " bytes";
        EXPECT_EQ(frame.width, 2400);
    }
}

TEST_F(BrokenFilesTest, ATopDownBmpIsReadUpright) {
    const std::vector<std::vector<QRgb>> rows = {
        {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
        {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(10, 20, 30)},
    };
    const QString path = PathIn("topdown.bmp");
    ASSERT_TRUE(WriteBytes(path, TopDownBmp(rows)));
    QSize size;
    ASSERT_TRUE(ReadImageSize(path, &size));
    EXPECT_EQ(size, QSize(3, 2));
    LoadedImage image;
    ASSERT_TRUE(LoadImageFile(path, &image));
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    // The section is stored bottom-up, 12 bytes a row (9 padded to 4).
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const unsigned char* p = image.pixels + qsizetype(2 - 1 - y) * 12 + qsizetype(x) * 3;
            EXPECT_EQ(qRgb(p[2], p[1], p[0]), rows[y][x]) << x << "," << y;
        }
    CPageThumb thumb;
    EXPECT_TRUE(thumb.Build(path, nullptr, 30, 20));
    // Cut short, it is refused like any other BMP.
    ASSERT_TRUE(WriteBytes(PathIn("cut.bmp"), TopDownBmp(rows).left(60)));
    ExpectRefusedEverywhere(PathIn("cut.bmp"));
}
