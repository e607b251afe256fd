#include "pdf/PictureQuality.h"

#include "imaging/ImageType.h"
#include "pdf/PdfJob.h"
#include "tests/ocr/TextPages.h"
#include "tests/pdf/PdfTestFixture.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

// Nothing to show: the job's progress is not what these tests look at.
class CQuietDelegate : public CPdfJobDelegate {
public:
    void OnStep(int, int) override {}
    void OnStage(EPdfJobStage, int, int) override {}
    void OnPageNote(const CPdfPageNote& note) override { notes.push_back(note); }
    void OnObjectWritten(int, int) override {}
    void OnLibraryError(const CPdfLibraryError&) override { ++errors; }
    bool IsCancelled() override { return false; }
    std::vector<CPdfPageNote> notes;
    int errors = 0;
};

// A photographed page of text (shaded paper, noise) with a large filled box in its lower
// half.
QImage TextPhoto(int w, int h) {
    QImage image = DrawTextPage(SampleWords(400, 7), QSize(w, h), 7).image;
    QPainter p(&image);
    p.fillRect(QRect(w / 8, h * 6 / 10, w * 3 / 4, h * 3 / 10), QColor(20, 20, 20));
    return image;
}

// The rectangle the unit square of the page's picture covers, from its "cm" matrix.
QRectF PlacedRect(const QByteArray& content) {
    const QList<QByteArray> words = content.simplified().split(' ');
    const qsizetype cm = words.indexOf("cm");
    if (cm < 6)
        return {};
    double m[6];
    for (int i = 0; i < 6; ++i)
        m[i] = words[cm - 6 + i].toDouble();
    const double xs[] = {m[4], m[4] + m[0], m[4] + m[2], m[4] + m[0] + m[2]};
    const double ys[] = {m[5], m[5] + m[1], m[5] + m[3], m[5] + m[1] + m[3]};
    const auto [x0, x1] = std::minmax_element(std::begin(xs), std::end(xs));
    const auto [y0, y1] = std::minmax_element(std::begin(ys), std::end(ys));
    return QRectF(QPointF(*x0, *y0), QPointF(*x1, *y1));
}

class PictureQualityTest : public CPdfTest {
protected:
    CPdfJobOptions Options(const QString& name, EPictureQuality quality) {
        CPdfJobOptions o;
        o.outputPath = PathIn(name);
        o.layout = CPdfPageOptions::FromSettings(settings);
        o.quality = quality;
        return o;
    }
    // Makes the PDF of `pages` and loads it.
    void Make(const QString& name, EPictureQuality quality, const std::vector<CPdfJobPage>& pages,
              CPdfFile& file) {
        CQuietDelegate delegate;
        ASSERT_TRUE(CPdfJob(Options(name, quality), delegate).Run(pages).Done());
        EXPECT_TRUE(delegate.notes.empty());
        ASSERT_TRUE(file.Load(PathIn(name))) << file.Error().toStdString();
    }
    const CPdfObjectText& OnlyImage(const CPdfFile& file, int page = 0) {
        const QList<int> images = file.Images(file.Pages()[page]);
        EXPECT_EQ(images.size(), 1);
        return file.Objects().at(images.value(0));
    }
    // Page 1 at 36 dpi, grey.
    QImage Render(const QString& pdf) {
        QProcess p;
        p.start("pdftoppm", {"-r", "36", "-gray", "-singlefile", "-png", pdf, pdf + "-page"});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return {};
        return QImage(pdf + "-page.png");
    }
};

} // namespace

TEST(PictureQualityNameTest, NamesRoundTripAndStrayValuesAreOriginal) {
    for (std::uint32_t q = 0; q < kPictureQualityCount; ++q)
        EXPECT_EQ(PictureQualityFromName(PictureQualityName(EPictureQuality(q))),
                  EPictureQuality(q));
    EXPECT_EQ(PictureQualityFromName(" E-Mail "), EPictureQuality::Email);
    EXPECT_EQ(PictureQualityFromName("Black-and-White"), EPictureQuality::BlackAndWhite);
    EXPECT_FALSE(PictureQualityFromName("small"));
    CAppSettings record;
    record.pictureQuality = 7;
    EXPECT_EQ(PictureQualityOf(record), EPictureQuality::Original);
    record.pictureQuality = 2;
    EXPECT_EQ(PictureQualityOf(record), EPictureQuality::BlackAndWhite);
}

TEST_F(PictureQualityTest, OriginalEmbedsTheFileBytesAsTheBuilderAlwaysHas) {
    ASSERT_TRUE(SavePicture(TextPhoto(800, 600), PathIn("p.jpg"), "JPEG"));
    CPdfBuilder builder(nullptr, settings);
    builder.AddPdfPage();
    builder.PlaceJpeg(PathIn("p.jpg"));
    ASSERT_TRUE(SaveAsAJobWrites(builder, PathIn("plain.pdf")));
    CPdfFile file;
    Make("original.pdf", PictureQualityOf(settings), {{PathIn("p.jpg"), kImageTypeJpeg, false}},
         file);
    EXPECT_EQ(ReadFile(PathIn("original.pdf")), ReadFile(PathIn("plain.pdf")));
    EXPECT_EQ(OnlyImage(file).rawStream, ReadFile(PathIn("p.jpg")));
}

TEST_F(PictureQualityTest, EmailScalesToItsPlaceOnThePageAndKeepsTheGeometry) {
    // A 5 MP camera picture on A4: fitted to 595 x 446 points, 150 ppi of which is
    // 1240 x 930 pixels; turned upright (auto-portrait) it takes 595 x 793 points.
    ASSERT_TRUE(TextPhoto(2592, 1944).save(PathIn("p.jpg"), "JPEG", 95));
    QImage png = TextPhoto(300, 200);
    ASSERT_TRUE(SavePicture(png, PathIn("small.png"), "PNG"));
    const std::vector<CPdfJobPage> pages{{PathIn("p.jpg"), kImageTypeJpeg, false},
                                         {PathIn("p.jpg"), kImageTypeJpeg, true},
                                         {PathIn("small.png"), kImageTypePng, false}};
    CPdfFile original, email;
    Make("original.pdf", EPictureQuality::Original, pages, original);
    Make("email.pdf", EPictureQuality::Email, pages, email);
    EXPECT_LT(email.Bytes().size() * 4, original.Bytes().size());

    const struct { int width, height; } expected[] = {{1240, 930}, {1240, 1653}, {300, 200}};
    for (int page = 0; page < 3; ++page) {
        // Placed exactly where the original lies, whatever the original's own orientation.
        EXPECT_EQ(PlacedRect(email.Content(email.Pages()[page])),
                  PlacedRect(original.Content(original.Pages()[page])))
            << page;
        const CPdfObjectText& image = OnlyImage(email, page);
        EXPECT_EQ(email.IntValue(image.dict, "Width"), expected[page].width) << page;
        EXPECT_EQ(email.IntValue(image.dict, "Height"), expected[page].height) << page;
        EXPECT_TRUE(CPdfFile::Value(image.dict, "Filter").contains("/DCTDecode"));
        EXPECT_TRUE(image.rawStream.startsWith("\xFF\xD8"));
        // Decodes to the same size, upright.
        const QImage decoded = QImage::fromData(image.rawStream, "JPEG");
        EXPECT_EQ(decoded.size(), QSize(expected[page].width, expected[page].height));
    }
    // The turned picture is turned: the filled box at the bottom of the photo lies on the
    // right after a quarter turn counter-clockwise.
    const QImage turned = QImage::fromData(OnlyImage(email, 1).rawStream, "JPEG");
    EXPECT_LT(qGray(turned.pixel(turned.width() * 4 / 5, turned.height() / 2)), 60);
    EXPECT_GT(qGray(turned.pixel(turned.width() / 30, turned.height() / 2)), 150);
}

TEST_F(PictureQualityTest, BlackAndWhiteIsOneBitGroupFourWithTextAndBoxBlackPaperWhite) {
    ASSERT_TRUE(TextPhoto(1200, 1600).save(PathIn("p.jpg"), "JPEG", 95));
    CPdfFile original, bw;
    const std::vector<CPdfJobPage> pages{{PathIn("p.jpg"), kImageTypeJpeg, false}};
    Make("original.pdf", EPictureQuality::Original, pages, original);
    Make("bw.pdf", EPictureQuality::BlackAndWhite, pages, bw);
    EXPECT_EQ(Drawing(bw.Content(bw.Pages()[0])), Drawing(original.Content(original.Pages()[0])));
    const CPdfObjectText& image = OnlyImage(bw);
    EXPECT_EQ(bw.IntValue(image.dict, "BitsPerComponent"), 1);
    EXPECT_EQ(CPdfFile::Value(image.dict, "ColorSpace").trimmed(), "/DeviceGray");
    EXPECT_TRUE(CPdfFile::Value(image.dict, "Filter").contains("/CCITTFaxDecode"));
    const QByteArray parms = CPdfFile::Value(image.dict, "DecodeParms");
    EXPECT_TRUE(parms.contains("/K -1")) << parms.constData();
    // Fitted to 595 x 793 points: 300 ppi would be more than the picture has.
    EXPECT_EQ(bw.IntValue(image.dict, "Width"), 1200);
    EXPECT_EQ(bw.IntValue(image.dict, "Height"), 1600);
    EXPECT_LT(image.rawStream.size(), 1200 * 1600 / 8 / 4);

    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QImage page = Render(PathIn("bw.pdf"));
    ASSERT_FALSE(page.isNull());
    ASSERT_EQ(page.size(), QSize(298, 421));
    // At 36 dpi the picture's 595 x 793 points lie 12.5 pixels below the page's top edge.
    // Paper above the text is white, the middle of the filled box black (not hollowed out).
    const QRectF at(0, 12.5, 297.5, 396.5);
    const QPoint paper(int(at.left() + at.width() * 0.5), int(at.top() + at.height() * 0.04));
    const QPoint box(int(at.left() + at.width() * 0.5), int(at.top() + at.height() * 0.75));
    // (Grey levels: the renderer smooths the picture's 145 ppi down to 36.)
    EXPECT_GE(qGray(page.pixel(paper)), 250);
    EXPECT_LE(qGray(page.pixel(box)), 5);
}

TEST_F(PictureQualityTest, APictureThatCannotBeReducedGoesInAsItIs) {
    // The library reads the JPEG's head and embeds it, though no decoder can make pixels of
    // it: the page keeps what the original mode would give rather than going blank.
    ASSERT_TRUE(SavePicture(TextPhoto(400, 300), PathIn("p.jpg"), "JPEG"));
    QByteArray bytes = ReadFile(PathIn("p.jpg"));
    bytes.truncate(bytes.size() / 3);
    QFile cut(PathIn("cut.jpg"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes);
    cut.close();
    CPdfFile file;
    Make("email.pdf", EPictureQuality::Email, {{PathIn("cut.jpg"), kImageTypeJpeg, false}}, file);
    EXPECT_EQ(OnlyImage(file).rawStream, bytes);
}
