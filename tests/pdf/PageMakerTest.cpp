#include "pdf/PageMaker.h"

#include "imaging/ImageDecoder.h"
#include "imaging/ImageType.h"
#include "pdf/PdfJob.h"
#include "session/PageFactory.h"
#include "tests/pdf/PdfTestFixture.h"

#include <QFile>
#include <QFileInfo>

namespace {

class PageMakerTest : public CPdfTest {
protected:
    // JPEGs upright and lying, with every EXIF orientation and without EXIF.
    QStringList OrientedJpegs() {
        QStringList names;
        for (int orientation = 0; orientation <= 8; ++orientation) {
            for (const bool lying : {false, true}) {
                const QString name =
                    QStringLiteral("%1-%2.jpg").arg(orientation).arg(lying ? "wide" : "tall");
                EXPECT_TRUE(SaveJpeg(PathIn(name), lying ? 48 : 32, lying ? 32 : 48, orientation));
                names << name;
            }
        }
        return names;
    }
    static void Truncate(const QString& path, qint64 size) {
        QFile file(path);
        ASSERT_TRUE(file.resize(size));
    }
};

} // namespace

// The worker's one read of a JPEG gives the page the general way gives, and refuses (through
// the general way, with its reason) every file that way refuses.
TEST_F(PageMakerTest, JpegPagesAreThoseOfTheGeneralWay) {
    QStringList names = OrientedJpegs();
    ASSERT_TRUE(SaveJpeg(PathIn("cut.jpg"), 200, 120));
    const qint64 whole = QFileInfo(PathIn("cut.jpg")).size();
    Truncate(PathIn("cut.jpg"), whole / 2);
    ASSERT_TRUE(SaveJpeg(PathIn("no-end.jpg"), 200, 120));
    Truncate(PathIn("no-end.jpg"), QFileInfo(PathIn("no-end.jpg")).size() - 2);
    ASSERT_TRUE(SaveJpeg(PathIn("tail.jpg"), 60, 40, 6));
    {
        QFile tail(PathIn("tail.jpg"));
        ASSERT_TRUE(tail.open(QIODevice::Append));
        tail.write("bytes after the end");
    }
    QImage png(30, 20, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(SavePicture(png, PathIn("png.jpg"), "PNG"));
    ASSERT_TRUE(SaveJpeg(PathIn("jpeg.png"), 30, 20));
    WriteFile(PathIn("empty.jpg"), "");
    WriteFile(PathIn("garbage.jpg"), "\xFF\xD8 not really");
    ASSERT_TRUE(SaveJpeg(PathIn("UPPER.JPG"), 50, 20, 8));
    names << "cut.jpg"
          << "no-end.jpg"
          << "tail.jpg"
          << "png.jpg"
          << "jpeg.png"
          << "empty.jpg"
          << "garbage.jpg"
          << "missing.jpg"
          << "UPPER.JPG";
    QStringList paths;
    for (const QString& name : names)
        paths << PathIn(name);

    for (const bool autoPortrait : {false, true}) {
        CPageMaker maker(paths, autoPortrait, 2);
        for (int i = 0; i < paths.size(); ++i) {
            SCOPED_TRACE(names[i].toStdString() + (autoPortrait ? " auto-portrait" : ""));
            CPageMaker::CMadePage made = maker.Take(i);
            EPictureProblem problem = EPictureProblem::None;
            const auto general = MakePdfPageFromFile(paths[i], autoPortrait, {}, &problem);
            ASSERT_EQ(made.page != nullptr, general != nullptr);
            EXPECT_EQ(made.problem, problem);
            if (!general)
                continue;
            EXPECT_EQ(made.page->path, general->path);
            EXPECT_EQ(made.page->typeCode, general->typeCode);
            EXPECT_EQ(made.page->turnCcw, general->turnCcw);
            if (made.orientation != 0) {
                EXPECT_EQ(made.orientation, JpegOrientation(paths[i]));
            }
        }
    }
    // The good JPEGs went the one-read way: their orientation came with them.
    CPageMaker maker(paths, true, 1);
    for (int i = 0; i < paths.size(); ++i) {
        const CPageMaker::CMadePage made = maker.Take(i);
        const bool oneRead = i < 18 || names[i] == "tail.jpg" || names[i] == "UPPER.JPG";
        EXPECT_EQ(made.orientation != 0, oneRead) << names[i].toStdString();
    }
}

// Pages made from files with their orientation read once draw as the plain builder draws the
// same files, byte for byte.
TEST_F(PageMakerTest, OrientedJpegsGiveTheBytesOfThePlainBuilder) {
    const QStringList names = OrientedJpegs();
    CPdfJobOptions options;
    options.outputPath = PathIn("job.pdf");
    options.layout.pageSize = kPaperA5;
    options.autoPortrait = true;
    options.threads = 2;

    CPdfBuilder builder(nullptr, options.layout);
    QStringList paths;
    for (const QString& name : names) {
        paths << PathIn(name);
        const auto page = MakePdfPageFromFile(PathIn(name), true);
        ASSERT_NE(page, nullptr);
        ASSERT_NE(builder.AddPdfPage(), nullptr);
        ASSERT_TRUE(builder.PlacePicture(kImageTypeJpeg, PathIn(name), page->turnCcw));
    }
    ASSERT_TRUE(SaveAsAJobWrites(builder, PathIn("plain.pdf")));

    struct CQuiet : CPdfJobDelegate {
    } delegate;
    ASSERT_TRUE(CPdfJob(options, delegate).RunOnPictures(paths).Done());
    EXPECT_EQ(ReadFile(PathIn("job.pdf")), ReadFile(PathIn("plain.pdf")));
}
