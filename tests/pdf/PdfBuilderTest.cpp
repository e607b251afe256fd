#include "pdf/PaperSizes.h"
#include "tests/pdf/PdfTestFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace {

using PdfBuilderTest = CPdfTest;

TEST_F(PdfBuilderTest, EveryPaperSizeGivesPortraitPagesOfItsSize) {
    for (std::uint32_t i = 0; i < kPaperSizes.size(); ++i) {
        settings.pageSize = i;
        CPdfBuilder builder(&sink, settings);
        ASSERT_NE(builder.AddPdfPage(), nullptr);
        EXPECT_EQ(builder.PageWidth(), float(kPaperSizes[i].width));
        EXPECT_EQ(builder.PageHeight(), float(kPaperSizes[i].height));
        CPdfFile file;
        SaveAndLoad(builder, file, QString("size%1.pdf").arg(i));
        ASSERT_EQ(file.Pages().size(), 1);
        EXPECT_EQ(file.MediaBox(file.Pages()[0]),
                  QRectF(0, 0, kPaperSizes[i].width, kPaperSizes[i].height))
            << kPaperSizes[i].name;
        EXPECT_LT(kPaperSizes[i].width, kPaperSizes[i].height);
    }
    EXPECT_EQ(CPdfBuilder::PaperSize(kPaperA4), QSize(595, 842));
    EXPECT_EQ(CPdfBuilder::PaperSize(kPaperPostcard), QSize(283, 416));
    EXPECT_TRUE(sink.errors.isEmpty());
}

TEST_F(PdfBuilderTest, TheLayoutIsFixedWhenTheDocumentIsMade) {
    settings.pageSize = kPaperPostcard;
    settings.fitToPage = 0;
    CPdfBuilder builder(&sink, settings);
    settings.pageSize = kPaperLetter; // a later change of the settings record
    settings.fitToPage = 1;
    ASSERT_NE(builder.AddPdfPage(), nullptr);
    ASSERT_NE(builder.AddPdfPage(), nullptr);
    EXPECT_EQ(builder.PageWidth(), 283.f);
    EXPECT_EQ(builder.PageHeight(), 416.f);
    EXPECT_EQ(builder.Options().pageSize, 4u);
    EXPECT_FALSE(builder.Options().fitToPage);
}

TEST_F(PdfBuilderTest, PaperSizeNamesAndStrayValues) {
    EXPECT_EQ(FindPaperSize("a4"), kPaperA4);
    EXPECT_EQ(FindPaperSize("Postcard"), kPaperPostcard);
    EXPECT_EQ(FindPaperSize("A7"), -1);
    EXPECT_EQ(CPdfBuilder::PaperSize(kPaperLetter), QSize(612, 792));
    EXPECT_EQ(CPdfBuilder::PaperSize(12), QSize(595, 842));
}

TEST_F(PdfBuilderTest, HeaderPrologueAndNothingButTheProducer) {
    // Types the PDF does not draw give blank pages, readable or not.
    WriteFile(PathIn("a.tga"), "TRUEVISION");
    QImage xpm(10, 10, QImage::Format_RGB32);
    xpm.fill(Qt::red);
    ASSERT_TRUE(SavePicture(xpm, PathIn("t.xpm"), "XPM"));

    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    EXPECT_TRUE(builder.PlacePicture(kImageTypeTga, PathIn("a.tga")));
    builder.AddPdfPage();
    EXPECT_TRUE(builder.PlacePicture(kImageTypeXpm, PathIn("t.xpm")));
    builder.AddPdfPage();
    EXPECT_TRUE(builder.PlacePicture(kImageTypeJpeg, QString())); // a blank page of the session
    CPdfFile file;
    SaveAndLoad(builder, file);
    EXPECT_TRUE(file.Bytes().startsWith("%PDF-1.3\n"));
    const QList<int> pages = file.Pages();
    ASSERT_EQ(pages.size(), 3);
    for (int page : pages) {
        EXPECT_EQ(file.Content(page), kPrologue); // nothing but the invisible stroke
        EXPECT_TRUE(file.Images(page).isEmpty());
    }
    // The content streams are Flate-compressed (compression of everything is on).
    const QByteArray contentRef = CPdfFile::Value(file.Objects().at(pages[0]).dict, "Contents");
    EXPECT_TRUE(CPdfFile::Value(file.Objects().at(contentRef.split(' ')[0].toInt()).dict, "Filter")
                    .contains("/FlateDecode"));
    // The information dictionary holds the producer and nothing else.
    for (const auto& [id, obj] : file.Objects()) {
        if (obj.dict.contains("/Producer")) {
            EXPECT_TRUE(obj.dict.contains("(Haru Free PDF Library 2.3.0)"));
            EXPECT_FALSE(obj.dict.contains("/Title"));
            EXPECT_FALSE(obj.dict.contains("/Author"));
            EXPECT_FALSE(obj.dict.contains("/Creator"));
        }
        EXPECT_FALSE(obj.dict.contains("/Font"));
    }
    EXPECT_FALSE(builder.Failed());
}

TEST_F(PdfBuilderTest, JpegBytesEnterThePdfUnchanged) {
    ASSERT_TRUE(SaveJpeg(PathIn("cam.jpg"), 160, 120, 0));
    ASSERT_TRUE(SaveJpeg(PathIn("exif.jpg"), 160, 120, 6));
    CPdfBuilder builder(&sink, settings);
    for (const char* name : {"cam.jpg", "exif.jpg"}) {
        builder.AddPdfPage();
        EXPECT_TRUE(builder.PlacePicture(kImageTypeJpeg, PathIn(name)));
    }
    CPdfFile file;
    SaveAndLoad(builder, file);
    const QList<int> pages = file.Pages();
    ASSERT_EQ(pages.size(), 2);
    int i = 0;
    for (const char* name : {"cam.jpg", "exif.jpg"}) {
        const QList<int> images = file.Images(pages[i++]);
        ASSERT_EQ(images.size(), 1);
        const CPdfObjectText& image = file.Objects().at(images[0]);
        EXPECT_EQ(CPdfFile::Value(image.dict, "Filter").simplified(), "[ /DCTDecode ]");
        EXPECT_EQ(image.rawStream, ReadFile(PathIn(name))) << name;
    }
}

TEST_F(PdfBuilderTest, OddWidthBmpIsUprightUnshearedAndInTrueColours) {
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(10 * x + 1, 50 * y + 2, 7 * x + 30 * y + 3));
    ASSERT_TRUE(SavePicture(image, PathIn("odd.bmp"), "BMP"));
    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    ASSERT_TRUE(builder.PlaceRaster(PathIn("odd.bmp")));
    CPdfFile file;
    SaveAndLoad(builder, file);
    const QList<int> images = file.Images(file.Pages()[0]);
    ASSERT_EQ(images.size(), 1);
    const QByteArray& dict = file.Objects().at(images[0]).dict;
    EXPECT_EQ(CPdfFile::Value(dict, "Filter").simplified(), "[ /FlateDecode ]");
    EXPECT_EQ(CPdfFile::Value(dict, "ColorSpace"), "/DeviceRGB");
    EXPECT_EQ(file.IntValue(dict, "Width"), 5);
    EXPECT_EQ(file.IntValue(dict, "Height"), 3);
    QByteArray expected;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            for (int c : {10 * x + 1, 50 * y + 2, 7 * x + 30 * y + 3})
                expected += char(c);
    EXPECT_EQ(file.StreamData(images[0]), expected);
}

TEST_F(PdfBuilderTest, UndecodableRasterLeavesABlankPageAndGoesOn) {
    WriteFile(PathIn("broken.png"), "\x89PNG\r\n\x1a\n truncated");
    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    EXPECT_FALSE(builder.PlaceRaster(PathIn("broken.png")));
    EXPECT_FALSE(builder.Failed());
    EXPECT_FALSE(builder.PlacePicture(kImageTypePng, PathIn("missing.png")));
    EXPECT_FALSE(builder.Failed());
    CPdfFile file;
    SaveAndLoad(builder, file);
    EXPECT_EQ(file.Content(file.Pages()[0]), kPrologue);
    EXPECT_TRUE(sink.errors.isEmpty());
}

} // namespace

namespace {

TEST_F(PdfBuilderTest, ProgressiveAndExifHeavyJpegsKeepTheirBytes) {
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(qRgb(30, 60, 90));
    QImageWriter writer(PathIn("prog.jpg"), "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(image));
    // A big application segment before the frame header, as camera thumbnails make.
    QByteArray withApp = ReadFile(PathIn("prog.jpg"));
    QByteArray app("\xFF\xE2", 2);
    app += char(0xF0);
    app += char(0x02);
    app += QByteArray(0xF000, 'z');
    withApp.insert(2, app);
    WriteFile(PathIn("app.jpg"), withApp);

    CPdfBuilder builder(&sink, settings);
    for (const char* name : {"prog.jpg", "app.jpg"}) {
        builder.AddPdfPage();
        EXPECT_TRUE(builder.PlacePicture(kImageTypeJpeg, PathIn(name))) << name;
    }
    CPdfFile file;
    SaveAndLoad(builder, file);
    int i = 0;
    for (const char* name : {"prog.jpg", "app.jpg"}) {
        const int id = file.Images(file.Pages()[i++]).value(0);
        const QByteArray& dict = file.Objects().at(id).dict;
        EXPECT_EQ(file.IntValue(dict, "Width"), 120) << name;
        EXPECT_EQ(file.IntValue(dict, "Height"), 90) << name;
        EXPECT_EQ(CPdfFile::Value(dict, "ColorSpace"), "/DeviceRGB") << name;
        EXPECT_EQ(file.Objects().at(id).rawStream, ReadFile(PathIn(name))) << name;
    }
    EXPECT_TRUE(sink.errors.isEmpty());
}

TEST_F(PdfBuilderTest, AJpegWithoutAFrameHeaderIsALibraryError) {
    WriteFile(PathIn("cut.jpg"), QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\0", 11));
    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    EXPECT_FALSE(builder.PlacePicture(kImageTypeJpeg, PathIn("cut.jpg")));
    EXPECT_TRUE(builder.Failed());
    EXPECT_EQ(sink.errors.size(), 1);
}

} // namespace

namespace {

TEST_F(PdfBuilderTest, PreparedPixelsPlaceLikeTheFile) {
    QImage image(7, 2, QImage::Format_RGB32);
    for (int x = 0; x < 7; ++x) {
        image.setPixel(x, 0, qRgb(x * 30, 0, 255));
        image.setPixel(x, 1, qRgb(0, x * 30, 9));
    }
    ASSERT_TRUE(SavePicture(image, PathIn("p.png"), "PNG"));
    const CRasterPixels raw = PrepareRaster(PathIn("p.png"), false);
    ASSERT_TRUE(raw.decoded);
    EXPECT_FALSE(raw.compressed);
    EXPECT_EQ(raw.data.size(), 7 * 2 * 3);
    EXPECT_FALSE(PrepareRaster(PathIn("none.png"), true).decoded);

    CPdfBuilder builder(&sink, settings);
    builder.AddPdfPage();
    ASSERT_TRUE(builder.PlaceRaster(raw)); // raw pixels: compressed by the builder
    builder.AddPdfPage();
    ASSERT_TRUE(builder.PlaceRaster(PrepareRaster(PathIn("p.png"), true)));
    CPdfFile file;
    SaveAndLoad(builder, file);
    const QList<int> pages = file.Pages();
    ASSERT_EQ(pages.size(), 2);
    for (int page : pages) {
        const int id = file.Images(page).value(0);
        EXPECT_EQ(CPdfFile::Value(file.Objects().at(id).dict, "Filter").simplified(),
                  "[ /FlateDecode ]");
        EXPECT_EQ(file.StreamData(id), raw.data);
    }
}

} // namespace

namespace {

TEST_F(PdfBuilderTest, JpegsOfSeveralMegabytesAreCopiedWhole) {
    // Noise compresses badly: a JPEG of a few megabytes, read in more than one piece.
    QImage noise(1100, 1000, QImage::Format_RGB32);
    std::uint32_t seed = 7;
    for (int y = 0; y < noise.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = 0xFF000000u | (seed >> 8);
        }
    }
    ASSERT_TRUE(noise.save(PathIn("big.jpg"), "JPEG", 100));
    ASSERT_GT(QFileInfo(PathIn("big.jpg")).size(), 2 << 20);
    CPdfBuilder builder(&sink, settings);
    for (int i = 0; i < 2; ++i) {
        builder.AddPdfPage();
        builder.PlaceJpeg(PathIn("big.jpg"));
    }
    CPdfFile file;
    SaveAndLoad(builder, file);
    for (int page : file.Pages())
        EXPECT_EQ(file.Objects().at(file.Images(page).value(0)).rawStream,
                  ReadFile(PathIn("big.jpg")));
}

} // namespace
