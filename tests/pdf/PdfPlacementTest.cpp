#include "imaging/ImageDecoder.h"
#include "imaging/LoadedImage.h"
#include "tests/pdf/PdfTestFixture.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

using PdfPlacementTest = CPdfTest;
using Numbers = QList<double>;

// The "cm" operands of the first page of a one-picture document.
Numbers PlaceOnePicture(CAppSettings& settings, ImageType typeCode, const QString& path,
                        CPdfFile& file) {
    CPdfBuilder builder(nullptr, settings);
    builder.AddPdfPage();
    EXPECT_TRUE(builder.PlacePicture(typeCode, path));
    EXPECT_TRUE(builder.Save(nullptr, path + ".pdf"));
    EXPECT_TRUE(file.Load(path + ".pdf")) << file.Error().toStdString();
    const QByteArray content = file.Content(file.Pages().value(0));
    EXPECT_TRUE(content.startsWith(CPdfTest::kPrologue)) << content.toStdString();
    const QList<Numbers> cm = OperandsOf(content, "cm");
    return cm.size() == 1 ? cm[0] : Numbers();
}

TEST_F(PdfPlacementTest, JpegOnA4IsFittedAndCentred) {
    ASSERT_TRUE(SaveJpeg(PathIn("big.jpg"), 1600, 1200));
    CPdfFile file;
    EXPECT_EQ(PlaceOnePicture(settings, kImageTypeJpeg, PathIn("big.jpg"), file),
              Numbers({595, 0, 0, 446, 0, 198}));
    // The page content is exactly the prologue and the plain image drawing.
    EXPECT_EQ(Drawing(file.Content(file.Pages()[0])), "q 595 0 0 446 0 198 cm /X1 Do Q");

    // A small JPEG is enlarged even with FitToPage off.
    ASSERT_TRUE(SaveJpeg(PathIn("small.jpg"), 160, 120));
    EXPECT_EQ(PlaceOnePicture(settings, kImageTypeJpeg, PathIn("small.jpg"), file),
              Numbers({595, 0, 0, 446, 0, 198}));
}

TEST_F(PdfPlacementTest, RasterKeepsItsNaturalSizeOnlyWhenItFitsAndFittingIsOff) {
    QImage png(300, 200, QImage::Format_RGB32);
    png.fill(Qt::blue);
    ASSERT_TRUE(SavePicture(png, PathIn("p.png"), "PNG"));
    QImage bmp(700, 500, QImage::Format_RGB32);
    bmp.fill(Qt::green);
    ASSERT_TRUE(SavePicture(bmp, PathIn("b.bmp"), "BMP"));
    settings.pageSize = kPaperLetter;
    CPdfFile file;
    settings.fitToPage = 0;
    EXPECT_EQ(PlaceOnePicture(settings, kImageTypePng, PathIn("p.png"), file),
              Numbers({300, 0, 0, 200, 156, 296}));
    EXPECT_EQ(PlaceOnePicture(settings, kImageTypeBmp, PathIn("b.bmp"), file),
              Numbers({612, 0, 0, 437, 0, 177}));
    settings.fitToPage = 1;
    EXPECT_EQ(PlaceOnePicture(settings, kImageTypePng, PathIn("p.png"), file),
              Numbers({612, 0, 0, 408, 0, 192}));
}

TEST_F(PdfPlacementTest, ExifOrientationTurnsTheDrawingNotTheBytes) {
    // Stored 160 x 120; upright 120 x 160 for the quarter turns (5..8).
    struct Case {
        int orientation;
        Numbers matrix;
    };
    const Case cases[] = {
        {3, {-595, 0, 0, -446, 595, 644}}, {6, {0, -793, 595, 0, 0, 817}},
        {8, {0, 793, -595, 0, 595, 24}},   {2, {-595, 0, 0, 446, 595, 198}},
        {5, {0, -793, -595, 0, 595, 817}},
    };
    for (const Case& c : cases) {
        const QString path = PathIn(QString("o%1.jpg").arg(c.orientation));
        ASSERT_TRUE(SaveJpeg(path, 160, 120, c.orientation));
        ASSERT_EQ(JpegOrientation(path), c.orientation);
        CPdfFile file;
        EXPECT_EQ(PlaceOnePicture(settings, kImageTypeJpeg, path, file), c.matrix)
            << "orientation " << c.orientation;
        const QList<int> images = file.Images(file.Pages()[0]);
        ASSERT_EQ(images.size(), 1);
        EXPECT_EQ(file.Objects().at(images[0]).rawStream, ReadFile(path));
        EXPECT_EQ(file.IntValue(file.Objects().at(images[0]).dict, "Width"), 160);
    }
}

// Renders page `page` of a PDF at 18 dpi (a quarter point per pixel).
QImage Render(const QString& pdf, int page, const QString& prefix) {
    QProcess p;
    p.start("pdftoppm", {"-r", "18", "-f", QString::number(page), "-l", QString::number(page),
                         "-singlefile", "-png", pdf, prefix});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QImage(prefix + ".png");
}

TEST_F(PdfPlacementTest, EveryOrientationLooksLikeTheDecodedPicture) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    CPdfBuilder builder(nullptr, settings);
    for (int o = 1; o <= 8; ++o) {
        ASSERT_TRUE(SaveJpeg(PathIn(QString("q%1.jpg").arg(o)), 160, 120, o));
        builder.AddPdfPage();
        builder.PlaceJpeg(PathIn(QString("q%1.jpg").arg(o)));
    }
    ASSERT_TRUE(builder.Save(nullptr, PathIn("all.pdf")));
    for (int o = 1; o <= 8; ++o) {
        LoadedImage decoded;
        ASSERT_TRUE(LoadImageFile(PathIn(QString("q%1.jpg").arg(o)), &decoded));
        const QImage upright = decoded.bitmap->ToImage();
        const QImage page = Render(PathIn("all.pdf"), o, PathIn(QString("r%1").arg(o)));
        ASSERT_FALSE(page.isNull());
        const QSize fit = upright.width() > upright.height() ? QSize(595, 446) : QSize(595, 793);
        const double top = (842 - fit.height()) / 2.0; // from the top of the page, in points
        for (double fx : {0.25, 0.75}) {
            for (double fy : {0.25, 0.75}) {
                const QRgb want =
                    upright.pixel(int(fx * upright.width()), int(fy * upright.height()));
                const QRgb got =
                    page.pixel(int(fx * fit.width() / 4), int((top + fy * fit.height()) / 4));
                EXPECT_NEAR(qRed(got), qRed(want), 60)
                    << "orientation " << o << " at " << fx << "," << fy;
                EXPECT_NEAR(qGreen(got), qGreen(want), 60) << "orientation " << o;
                EXPECT_NEAR(qBlue(got), qBlue(want), 60) << "orientation " << o;
            }
        }
    }
}

} // namespace
