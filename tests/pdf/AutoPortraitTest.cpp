// Auto-portrait pages in the PDF: the picture's own bytes (or pixels) drawn turned a quarter
// counter-clockwise, placed as the upright copy was, for the screens and the command alike.

#include "imaging/DibBitmap.h"
#include "imaging/ImageDecoder.h"
#include "imaging/JpegReducedDecoder.h"
#include "imaging/LoadedImage.h"
#include "pdf/PdfJob.h"
#include "session/PageFactory.h"
#include "session/PageList.h"
#include "tests/pdf/PdfTestFixture.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <cstdlib>

namespace {

using Numbers = QList<double>;

class AutoPortraitTest : public CPdfTest {
protected:
    // A smooth picture with distinct corners: red grows to the right, green downwards. Smooth,
    // so that two JPEG decoders differ by rounding only.
    static QImage Smooth(int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128 + (x - y) * 100 / (w + h)));
        return image;
    }
    QStringList Files() const { return QDir(Home()).entryList(QDir::Files, QDir::Name); }
    static QStringList Sorted(QStringList names) {
        names.sort();
        return names;
    }

    // The page a session would hold for the picture, auto-portrait on.
    std::vector<CPdfJobPage> SessionPages(const QStringList& paths) {
        std::vector<CPdfJobPage> pages;
        for (const QString& path : paths) {
            auto page = MakePageFromFile(path, true, 100, 100);
            EXPECT_TRUE(page) << path.toStdString();
            if (page)
                pages.push_back({page->path, page->typeCode, page->turnCcw});
        }
        return pages;
    }
    CPdfJobResult RunJob(const std::vector<CPdfJobPage>& pages, const QString& out) {
        CPdfJobOptions options;
        options.outputPath = out;
        options.layout = CPdfPageOptions::FromSettings(settings);
        CPdfJobDelegate quiet;
        return CPdfJob(options, quiet).Run(pages);
    }

    // Page `page` rendered at 72 dpi: one pixel per point.
    QImage Render(const QString& pdf, int page) {
        const QString prefix = PathIn(QString("render%1").arg(page));
        QProcess p;
        p.start("pdftoppm", {"-r", "72", "-f", QString::number(page), "-l", QString::number(page),
                             "-singlefile", "-png", pdf, prefix});
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return {};
        return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
    }

    // The largest difference of any channel of any pixel.
    static int MaxDifference(const QImage& a, const QImage& b) {
        int worst = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(p) - qRed(q)),
                                  std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            }
        return worst;
    }

    // The decoded upright picture turned counter-clockwise, as the page must look.
    static QImage TurnedUpright(const QString& path) {
        LoadedImage decoded;
        if (!LoadImageFile(path, &decoded))
            return {};
        return OrientUpright(decoded.bitmap->ToImage(), 8);
    }
};

// Decoders round the same JPEG data a little differently (poppler's and Qt's).
constexpr int kJpegRounding = 4;

TEST_F(AutoPortraitTest, ACameraPictureKeepsItsBytesAndIsPlacedAsItsUprightCopyWas) {
    const QString path = PathIn("camera.jpg");
    ASSERT_TRUE(SavePicture(Smooth(2592, 1944), path, "JPEG"));
    const QStringList before = Files();
    const auto pages = SessionPages({path});
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_TRUE(RunJob(pages, PathIn("turned.pdf")).Done());

    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("turned.pdf"))) << file.Error().toStdString();
    const int page = file.Pages().value(0);
    const CPdfObjectText& image = file.Objects().at(file.Images(page).value(0));
    EXPECT_EQ(image.rawStream, ReadFile(path));
    EXPECT_EQ(file.IntValue(image.dict, "Width"), 2592);
    EXPECT_EQ(file.IntValue(image.dict, "Height"), 1944);
    // The counter-clockwise turn: the picture's top edge runs up the left side of the
    // 595 x 793 rectangle at 0,24, the placement of a 1944 x 2592 picture on A4.
    EXPECT_EQ(Drawing(file.Content(page)), "q 0 793 -595 0 595 24 cm /X1 Do Q");

    // The copy the program used to write is placed in the same rectangle.
    CPdfBuilder builder(nullptr, settings);
    builder.AddPdfPage();
    const CPortraitCopyResult copy = MakePortraitCopy(path);
    ASSERT_TRUE(copy.made);
    builder.PlaceJpeg(copy.fileName);
    CPdfFile copied;
    SaveAndLoad(builder, copied, "copy.pdf");
    EXPECT_EQ(OperandsOf(copied.Content(copied.Pages()[0]), "cm").value(0),
              Numbers({595, 0, 0, 793, 0, 24}));
    QFile::remove(copy.fileName);
    EXPECT_EQ(Files(), Sorted(before + QStringList{"copy.pdf", "turned.pdf"}));
}

TEST_F(AutoPortraitTest, EveryExifOrientationRendersUprightAndTurnedPixelForPixel) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    // Upright 792 x 612, so the turned page fills Letter exactly: one pixel per point.
    settings.pageSize = kPaperLetter;
    const QImage upright = Smooth(792, 612);
    QStringList paths;
    for (int o = 1; o <= 8; ++o) {
        // Stored so that orientation o shows `upright` (6 and 8 undo each other).
        const QImage stored = OrientUpright(upright, o == 6 ? 8 : o == 8 ? 6 : o);
        const QString path = PathIn(QString("o%1.jpg").arg(o));
        ASSERT_TRUE(SavePicture(stored, path, "JPEG"));
        WriteFile(path, WithExifOrientation(ReadFile(path), o));
        paths << path;
    }
    const QStringList before = Files();
    const auto pages = SessionPages(paths);
    ASSERT_EQ(pages.size(), 8u);
    ASSERT_TRUE(RunJob(pages, PathIn("all.pdf")).Done());
    EXPECT_EQ(Files(), Sorted(before + QStringList{"all.pdf"}));
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("all.pdf")));
    for (int o = 1; o <= 8; ++o) {
        SCOPED_TRACE(o);
        EXPECT_TRUE(pages[std::size_t(o - 1)].turnCcw);
        const int page = file.Pages().value(o - 1);
        EXPECT_EQ(file.Objects().at(file.Images(page).value(0)).rawStream, ReadFile(paths[o - 1]));
        const QImage rendered = Render(PathIn("all.pdf"), o);
        ASSERT_EQ(rendered.size(), QSize(612, 792));
        const QImage expected = TurnedUpright(paths[o - 1]);
        ASSERT_EQ(expected.size(), QSize(612, 792));
        EXPECT_LE(MaxDifference(rendered, expected), kJpegRounding);
        // Orientation does not matter: the top left shows the upright picture's top right.
        EXPECT_GT(qRed(rendered.pixel(5, 5)), 220);
        EXPECT_LT(qGreen(rendered.pixel(5, 5)), 30);
    }
}

TEST_F(AutoPortraitTest, TurnedPngAndBmpPagesCarryTheirPixelsTurned) {
    const QImage picture = Smooth(64, 48);
    ASSERT_TRUE(SavePicture(picture, PathIn("p.png"), "PNG"));
    ASSERT_TRUE(SavePicture(picture, PathIn("b.bmp"), "BMP"));
    const QStringList before = Files();
    const auto pages = SessionPages({PathIn("p.png"), PathIn("b.bmp")});
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_TRUE(RunJob(pages, PathIn("out.pdf")).Done());
    EXPECT_EQ(Files(), Sorted(before + QStringList{"out.pdf"}));
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf")));
    const QImage turned = OrientUpright(picture, 8);
    for (int i = 0; i < 2; ++i) {
        const int page = file.Pages().value(i);
        const int id = file.Images(page).value(0);
        EXPECT_EQ(file.IntValue(file.Objects().at(id).dict, "Width"), 48);
        EXPECT_EQ(file.IntValue(file.Objects().at(id).dict, "Height"), 64);
        const QByteArray rgb = file.StreamData(id);
        ASSERT_EQ(rgb.size(), 48 * 64 * 3);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 48; ++x) {
                const uchar* p =
                    reinterpret_cast<const uchar*>(rgb.constData()) + qsizetype(y * 48 + x) * 3;
                ASSERT_EQ(qRgb(p[0], p[1], p[2]), turned.pixel(x, y) | 0xFF000000)
                    << i << " at " << x << "," << y;
            }
        // FitToPage off: the turned picture keeps its natural size, centred on A4.
        EXPECT_EQ(OperandsOf(file.Content(page), "cm").value(0), Numbers({48, 0, 0, 64, 273, 389}));
    }
}

TEST_F(AutoPortraitTest, TheScreensPdfAndTheCommandsPdfAreTheSameBytes) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 160, 120));    // landscape
    ASSERT_TRUE(SaveJpeg(PathIn("b.jpg"), 120, 160, 6)); // landscape once upright
    ASSERT_TRUE(SaveJpeg(PathIn("c.jpg"), 120, 160));    // portrait
    ASSERT_TRUE(SavePicture(Smooth(50, 30), PathIn("d.png"), "PNG"));
    const QStringList paths{PathIn("a.jpg"), PathIn("b.jpg"), PathIn("c.jpg"), PathIn("d.png")};
    const QStringList before = Files();
    // The screens' session: pages made by the import, handed to the job as a page list.
    CPageList session;
    for (const QString& path : paths)
        session.Append(MakePageFromFile(path, true, 120, 90));
    ASSERT_EQ(session.Size(), 4);
    for (const bool fit : {false, true}) {
        settings.fitToPage = fit;
        CPdfJobOptions options;
        options.outputPath = PathIn("screen.pdf");
        options.layout = CPdfPageOptions::FromSettings(settings);
        CPdfJobDelegate quiet;
        ASSERT_TRUE(CPdfJob(options, quiet).Run(session).Done());
        options.outputPath = PathIn("command.pdf");
        options.autoPortrait = true;
        const CPdfJobResult result = CPdfJob(options, quiet).RunOnPictures(paths);
        ASSERT_TRUE(result.Done());
        EXPECT_TRUE(result.notes.empty());
        EXPECT_EQ(ReadFile(PathIn("command.pdf")), ReadFile(PathIn("screen.pdf")));
    }
    EXPECT_EQ(Files(), Sorted(before + QStringList({"command.pdf", "screen.pdf"})));
}

} // namespace
