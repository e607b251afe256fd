// TIFF (also multi-page and turned), GIF, WebP and HEIF pictures become real PDF pages: each
// written here with its own encoder, made into a PDF by the job, rendered with pdftoppm and
// compared with the picture. Lossless sources must come out pixel for pixel and as Flate
// pixels; lossy ones (lossy WebP, HEIF) as a JPEG, within the rounding of two lossy codecs.

#include "imaging/ImageDecoder.h"
#include "imaging/ImageReading.h"
#include "imaging/JpegReducedDecoder.h"
#include "imaging/LoadedImage.h"
#include "pdf/PdfJob.h"
#include "session/PageFactory.h"
#include "session/PictureImport.h"
#include "session/Session.h"
#include "tests/pdf/PdfTestFixture.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/TiffWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <libheif/heif.h>

#include <cstdlib>
#include <cstring>

namespace {

// Four quadrants of distinct colours: any turn or mirror of the picture shows.
QImage Quadrants(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2, bottom = y >= h / 2;
            image.setPixel(x, y,
                           !right && !bottom  ? qRgb(200, 30, 40)
                           : right && !bottom ? qRgb(30, 170, 60)
                           : !right           ? qRgb(40, 60, 210)
                                              : qRgb(230, 210, 40));
        }
    return image;
}

// Blocks of 8 x 8 pixels, each of its own colour: fine detail that a lossless path keeps
// exactly, and whose block centres survive the renderer's resampling at the edges.
QImage Detailed(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           qRgb((x / 8 * 37 + y / 8 * 11) & 0xFF, (y / 8 * 53) & 0xFF,
                                ((x / 8 + y / 8) * 29) & 0xFF));
    return image;
}

// The stored pixels that show `upright` under EXIF/TIFF orientation o (6 and 8 undo each
// other; the others undo themselves).
QImage StoredFor(const QImage& upright, int o) {
    return OrientUpright(upright, o == 6 ? 8 : o == 8 ? 6 : o);
}

// A GIF89a of the picture, whose colours must number 256 at most. The LZW data holds only
// literal codes of 9 bits, with a clear code before the table would grow to 10 bits.
bool WriteGif(const QString& path, const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    QByteArray indices;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            qsizetype i = palette.indexOf(c);
            if (i < 0) {
                if (palette.size() == 256)
                    return false;
                palette.append(c);
                i = palette.size() - 1;
            }
            indices.append(char(i));
        }
    QByteArray out("GIF89a");
    const auto le16 = [&](int v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
    le16(image.width());
    le16(image.height());
    out.append(char(0xF7)).append('\0').append('\0'); // 256-entry global table
    for (int i = 0; i < 256; ++i) {
        const QRgb c = palette.value(i);
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    out.append(',');
    le16(0);
    le16(0);
    le16(image.width());
    le16(image.height());
    out.append('\0').append(char(8)); // no local table; LZW minimum code size 8
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](int c) {
        bits |= quint32(c) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            data.append(char(bits & 0xFF));
    };
    code(256);
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i > 0 && i % 250 == 0)
            code(256);
        code(uchar(indices[i]));
    }
    code(257);
    if (count > 0)
        data.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size())).append(block);
    }
    out.append('\0').append(';');
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// A HEIC of the picture (HEVC through libheif's encoder), shown upright under orientation o.
bool WriteHeic(const QString& path, const QImage& upright, int o = 1) {
    const QImage stored = StoredFor(upright, o).convertToFormat(QImage::Format_RGB888);
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_image* image = nullptr;
    heif_encoding_options* options = heif_encoding_options_alloc();
    bool ok = heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder).code ==
              heif_error_Ok;
    ok = ok && heif_image_create(stored.width(), stored.height(), heif_colorspace_RGB,
                                 heif_chroma_interleaved_RGB, &image)
                       .code == heif_error_Ok;
    ok = ok &&
         heif_image_add_plane(image, heif_channel_interleaved, stored.width(), stored.height(), 8)
                 .code == heif_error_Ok;
    if (ok) {
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < stored.height(); ++y)
            std::memcpy(plane + qsizetype(y) * stride, stored.constScanLine(y),
                        std::size_t(stored.width()) * 3);
        heif_encoder_set_lossy_quality(encoder, 95);
        options->image_orientation = heif_orientation(o);
        ok = heif_context_encode_image(context, image, encoder, options, nullptr).code ==
                 heif_error_Ok &&
             heif_context_write_to_file(context, QFile::encodeName(path).constData()).code ==
                 heif_error_Ok;
    }
    heif_encoding_options_free(options);
    if (image)
        heif_image_release(image);
    if (encoder)
        heif_encoder_release(encoder);
    heif_context_free(context);
    return ok;
}

bool HaveHeifEncoder() {
    return heif_have_encoder_for_format(heif_compression_HEVC) != 0;
}

int ChannelDifference(QRgb p, QRgb q) {
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                     std::abs(qBlue(p) - qBlue(q))});
}

// The largest difference of any channel at the centres of the blocks of `size` pixels. The
// renderer spreads a picture drawn at one pixel per point over one pixel more, so pixels
// near a block's edge may show its neighbour; its centre shows its own colour.
int BlockDifference(const QImage& shown, const QImage& want, int size = 8) {
    if (shown.size() != want.size())
        return 256;
    int worst = 0;
    for (int y = size / 2; y < want.height(); y += size)
        for (int x = size / 2; x < want.width(); x += size)
            worst = std::max(worst, ChannelDifference(shown.pixel(x, y), want.pixel(x, y)));
    return worst;
}

// The picture as the PDF stores lossless pixels: top-down rows of red, green, blue.
QByteArray RgbBytes(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    for (int y = 0; y < rgb.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)),
                     qsizetype(rgb.width()) * 3);
    return bytes;
}

// Two lossy codecs in a row (the source's, then ours at high quality, then poppler's).
constexpr int kLossyTolerance = 12;

class PictureFormatsTest : public CPdfTest {
protected:
    void SetUp() override {
        CPdfTest::SetUp();
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    QStringList Files() const { return QDir(Home()).entryList(QDir::Files, QDir::Name); }

    CPdfJobResult RunOnPictures(const QStringList& pictures, const QString& out,
                                bool autoPortrait = false, const CScanCopyOptions& scan = {}) {
        CPdfJobOptions options;
        options.outputPath = out;
        options.layout = CPdfPageOptions::FromSettings(settings);
        options.autoPortrait = autoPortrait;
        options.scan = scan;
        options.threads = 2;
        CPdfJobDelegate quiet;
        return CPdfJob(options, quiet).RunOnPictures(pictures);
    }

    // Page `page` (from 1) rendered at 72 dpi: one pixel per point.
    QImage Render(const QString& pdf, int page) {
        const QString prefix = PathIn(QString("render%1").arg(page));
        QProcess p;
        p.start("pdftoppm", {"-r", "72", "-f", QString::number(page), "-l", QString::number(page),
                             "-singlefile", "-png", pdf, prefix});
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return {};
        return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
    }

    // What page `page` shows where a picture of `size` lies at its natural size on A4.
    QImage Shown(const QString& pdf, int page, QSize size) {
        const QImage rendered = Render(pdf, page);
        EXPECT_EQ(rendered.size(), QSize(595, 842));
        const int x = int(float(595 - size.width()) * 0.5f);
        const int y = int(float(842 - size.height()) * 0.5f);
        return rendered.copy(x, 842 - y - size.height(), size.width(), size.height());
    }

    // The one image on page `page` (from 1); 0 without exactly one.
    static int ImageOf(const CPdfFile& file, int page) {
        const QList<int> images = file.Images(file.Pages().value(page - 1));
        return images.size() == 1 ? images[0] : 0;
    }
    static QByteArray ImageFilter(const CPdfFile& file, int page) {
        const int image = ImageOf(file, page);
        return image ? CPdfFile::Value(file.Objects().at(image).dict, "Filter").simplified()
                     : QByteArray();
    }
};

TEST_F(PictureFormatsTest, EachFormatBecomesAPageShowingItsPicture) {
    const QImage detailed = Detailed(160, 120);
    const QImage quadrants = Quadrants(320, 240);
    struct CCase {
        const char* name;
        QImage picture;
        bool lossless;
        int block; // the size of its blocks of one colour
    };
    std::vector<CCase> cases = {
        {"lzw.tif", detailed, true, 8},     {"plain.tiff", detailed, true, 8},
        {"deflate.tif", detailed, true, 8}, {"small.gif", Detailed(88, 72), true, 8},
        {"exact.webp", detailed, true, 8},  {"photo.webp", quadrants, false, 160},
    };
    ASSERT_TRUE(WriteTiff(PathIn("lzw.tif"), {detailed}));
    ASSERT_TRUE(WriteTiff(PathIn("plain.tiff"), {detailed}, 1, ETiffCompression::None));
    ASSERT_TRUE(WriteTiff(PathIn("deflate.tif"), {detailed}, 1, ETiffCompression::Deflate));
    ASSERT_TRUE(WriteGif(PathIn("small.gif"), cases[3].picture));
    ASSERT_TRUE(detailed.save(PathIn("exact.webp"), "WEBP", 100)); // Qt's 100 is lossless
    ASSERT_TRUE(quadrants.save(PathIn("photo.webp"), "WEBP", 90));
    if (HaveHeifEncoder()) {
        ASSERT_TRUE(WriteHeic(PathIn("phone.heic"), quadrants));
        cases.push_back({"phone.heic", quadrants, false, 160});
    } else {
        ADD_FAILURE() << "libheif has no HEVC encoder: the HEIC case is not checked";
    }
    QStringList paths;
    for (const CCase& c : cases)
        paths << PathIn(c.name);
    const QStringList before = Files();
    const CPdfJobResult result = RunOnPictures(paths, PathIn("all.pdf"));
    ASSERT_TRUE(result.Done());
    EXPECT_TRUE(result.notes.empty());
    EXPECT_EQ(result.pagesWritten, int(cases.size()));
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("all.pdf"))) << file.Error().toStdString();
    ASSERT_EQ(file.Pages().size(), qsizetype(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const CCase& c = cases[i];
        SCOPED_TRACE(c.name);
        const int page = int(i) + 1;
        const QImage shown = Shown(PathIn("all.pdf"), page, c.picture.size());
        if (c.lossless) {
            EXPECT_EQ(ImageFilter(file, page), "[ /FlateDecode ]");
            EXPECT_TRUE(file.StreamData(ImageOf(file, page)) == RgbBytes(c.picture));
            EXPECT_EQ(BlockDifference(shown, c.picture, c.block), 0);
        } else {
            EXPECT_EQ(ImageFilter(file, page), "[ /DCTDecode ]");
            EXPECT_LE(BlockDifference(shown, c.picture, c.block), kLossyTolerance);
        }
    }
    // Nothing was left beside the pictures.
    QStringList expected = before;
    expected << "all.pdf";
    for (int page = 1; page <= int(cases.size()); ++page)
        expected << QString("render%1.png").arg(page);
    expected.sort();
    EXPECT_EQ(Files(), expected);
}

TEST_F(PictureFormatsTest, EveryPageOfAMultiPageTiffBecomesAPageInOrder) {
    const QImage first = Quadrants(200, 150);
    const QImage second = Detailed(120, 180);
    ASSERT_TRUE(WriteTiff(PathIn("scan.tif"), {first, second}));
    ASSERT_TRUE(SavePicture(Quadrants(100, 100), PathIn("after.png"), "PNG"));
    const QStringList before = Files();
    const CPdfJobResult result =
        RunOnPictures({PathIn("scan.tif"), PathIn("after.png")}, PathIn("scan.pdf"));
    ASSERT_TRUE(result.Done());
    EXPECT_EQ(result.pagesWritten, 3);
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("scan.pdf")));
    ASSERT_EQ(file.Pages().size(), 3);
    EXPECT_TRUE(file.StreamData(ImageOf(file, 1)) == RgbBytes(first));
    EXPECT_TRUE(file.StreamData(ImageOf(file, 2)) == RgbBytes(second));
    EXPECT_TRUE(file.StreamData(ImageOf(file, 3)) == RgbBytes(Quadrants(100, 100)));
    EXPECT_EQ(BlockDifference(Shown(PathIn("scan.pdf"), 2, second.size()), second), 0);
    // The copy of the second page went with the job.
    QStringList expected = before;
    expected << "scan.pdf"
             << "render2.png";
    expected.sort();
    EXPECT_EQ(Files(), expected);
}

// The look (and straightening) the command asks for is given to every page of a TIFF, and
// a page that cannot be written beside the picture is named, never dropped without a word.
TEST_F(PictureFormatsTest, EveryPageOfATiffGetsTheLookAndNoPageVanishes) {
    if (RerunWithPrivateMounts())
        return;
    QDir(Home()).mkdir("ro");
    const QString tiff = PathIn("ro/scan.tif");
    ASSERT_TRUE(WriteTiff(tiff, {Quadrants(200, 150), Quadrants(120, 180), Detailed(80, 80)}));
    CScanCopyOptions grey;
    grey.look = ELook::Grey;
    const CPdfJobResult result = RunOnPictures({tiff}, PathIn("grey.pdf"), false, grey);
    ASSERT_TRUE(result.Done());
    EXPECT_TRUE(result.notes.empty());
    ASSERT_EQ(result.pagesWritten, 3);
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const QImage shown = Render(PathIn("grey.pdf"), page);
        ASSERT_FALSE(shown.isNull());
        int colour = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb p = shown.pixel(x, y);
                colour = std::max(
                    {colour, std::abs(qRed(p) - qGreen(p)), std::abs(qGreen(p) - qBlue(p))});
            }
        EXPECT_LE(colour, 2);
    }
    // The copies of pages 2 and 3 went with the job.
    EXPECT_EQ(QDir(PathIn("ro")).entryList(QDir::Files), QStringList{"scan.tif"});

    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("ro"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();
    const CPdfJobResult kept = RunOnPictures({tiff}, PathIn("ro.pdf"), false, grey);
    ASSERT_TRUE(kept.Done());
    EXPECT_EQ(kept.pagesWritten, 1);
    ASSERT_EQ(kept.notes.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(kept.notes[std::size_t(k)].issue, EPdfPageIssue::PageNotWritten);
        EXPECT_EQ(kept.notes[std::size_t(k)].page, k + 2);
        EXPECT_EQ(kept.notes[std::size_t(k)].path, tiff);
        EXPECT_EQ(kept.notes[std::size_t(k)].index, 0);
    }
}

TEST_F(PictureFormatsTest, ImportingAMultiPageTiffAddsEachPageAndFolderImportFindsNewFormats) {
    QDir(Home()).mkdir("pics");
    ASSERT_TRUE(
        WriteTiff(PathIn("pics/a.tif"), {Quadrants(60, 40), Detailed(40, 60), Quadrants(50, 50)}));
    ASSERT_TRUE(WriteGif(PathIn("pics/b.gif"), Quadrants(30, 20)));
    ASSERT_TRUE(Detailed(30, 20).save(PathIn("pics/c.webp"), "WEBP", 100));
    if (HaveHeifEncoder()) {
        ASSERT_TRUE(WriteHeic(PathIn("pics/d.heic"), Quadrants(64, 64)));
    }
    CSession session;
    CAppSettings import = settings;
    import.autoPortrait = 0;
    import.pictureImportOrder = kImportByNameAscending;
    CFolderImportDelegate delegate;
    const CFolderImportResult result =
        ImportPictureFolder(session, import, PathIn("pics"), delegate);
    const int files = HaveHeifEncoder() ? 4 : 3;
    EXPECT_EQ(result.found, files);
    EXPECT_EQ(result.imported, files);
    ASSERT_EQ(session.Pages().Size(), files + 2);
    EXPECT_EQ(session.Pages().At(0)->path, PathIn("pics/a.tif"));
    EXPECT_EQ(session.Pages().At(1)->path, PathIn("pics/a.tif.page2.tesimg"));
    EXPECT_EQ(session.Pages().At(2)->path, PathIn("pics/a.tif.page3.tesimg"));
    EXPECT_EQ(session.Pages().At(1)->typeCode, kImageTypePng);
    EXPECT_TRUE(session.Pages().At(1)->isTemporaryCopy);
    EXPECT_TRUE(session.Pages().At(1)->thumb.HasSurface());
    LoadedImage second;
    ASSERT_TRUE(LoadImageFile(session.Pages().At(1)->path, &second));
    EXPECT_EQ(second.bitmap->ToImage().convertToFormat(QImage::Format_RGB32), Detailed(40, 60));
    EXPECT_EQ(session.Pages().At(3)->typeCode, kImageTypeGif);
    EXPECT_EQ(session.Pages().At(4)->typeCode, kImageTypeWebp);
    if (HaveHeifEncoder()) {
        EXPECT_EQ(session.Pages().At(5)->typeCode, kImageTypeHeif);
    }
    // The copies go with their pages.
    session.ClearSession();
    EXPECT_FALSE(QFile::exists(PathIn("pics/a.tif.page2.tesimg")));
    EXPECT_FALSE(QFile::exists(PathIn("pics/a.tif.page3.tesimg")));
}

TEST_F(PictureFormatsTest, TiffAndHeifOrientationIsHonoured) {
    const QImage upright = Detailed(160, 120);
    QStringList paths;
    for (int o : {3, 6, 8}) {
        paths << PathIn(QString("o%1.tif").arg(o));
        ASSERT_TRUE(WriteTiff(paths.back(), {StoredFor(upright, o)}, o));
    }
    const bool heif = HaveHeifEncoder();
    if (heif) {
        for (int o : {3, 6, 8}) {
            paths << PathIn(QString("o%1.heic").arg(o));
            ASSERT_TRUE(WriteHeic(paths.back(), Quadrants(160, 120), o));
        }
    }
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        QSize size;
        ASSERT_TRUE(ReadImageSize(path, &size));
        EXPECT_EQ(size, upright.size());
    }
    ASSERT_TRUE(RunOnPictures(paths, PathIn("turned.pdf")).Done());
    for (int i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i].toStdString());
        const QImage shown = Shown(PathIn("turned.pdf"), i + 1, upright.size());
        if (paths[i].endsWith(".tif"))
            EXPECT_EQ(BlockDifference(shown, upright), 0);
        else
            EXPECT_LE(BlockDifference(shown, Quadrants(160, 120), 80), kLossyTolerance);
    }
    // Auto-portrait turns the upright landscape picture, whatever its orientation tag.
    ASSERT_TRUE(RunOnPictures({paths[1]}, PathIn("portrait.pdf"), true).Done());
    const QImage turned = OrientUpright(upright, 8);
    EXPECT_EQ(BlockDifference(Shown(PathIn("portrait.pdf"), 1, turned.size()), turned), 0);
}

TEST_F(PictureFormatsTest, DamagedFilesAreRefusedWithAReasonNeverDecodedInPart) {
    ASSERT_TRUE(WriteTiff(PathIn("whole.tif"), {Detailed(64, 48)}));
    ASSERT_TRUE(WriteGif(PathIn("whole.gif"), Quadrants(64, 48)));
    ASSERT_TRUE(Quadrants(64, 48).save(PathIn("whole.webp"), "WEBP", 90));
    QStringList wholes = {"whole.tif", "whole.gif", "whole.webp"};
    if (HaveHeifEncoder()) {
        ASSERT_TRUE(WriteHeic(PathIn("whole.heic"), Quadrants(64, 48)));
        wholes << "whole.heic";
    }
    // A HEIF brand in front of nothing a HEIF file holds.
    QByteArray fake("\0\0\0\x18"
                    "ftypheic\0\0\0\0mif1heic",
                    24);
    fake.append(QByteArray(200, '\x5A'));
    {
        QFile out(PathIn("fake.heic"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(fake);
    }
    QStringList damaged = {"fake.heic"};
    for (const QString& name : wholes) {
        const QByteArray bytes = ReadFile(PathIn(name));
        const QString cut = "cut-" + name;
        WriteFile(PathIn(cut), bytes.left(bytes.size() / 2));
        damaged << cut;
    }
    for (const QString& name : damaged) {
        SCOPED_TRACE(name.toStdString());
        LoadedImage image;
        EXPECT_FALSE(LoadImageFile(PathIn(name), &image));
        EPictureProblem problem = EPictureProblem::None;
        EXPECT_FALSE(MakePdfPageFromFile(PathIn(name), false, {}, &problem));
        EXPECT_EQ(problem, EPictureProblem::NotAPicture);
    }
    for (const QString& name : wholes) {
        SCOPED_TRACE(name.toStdString());
        LoadedImage image;
        EXPECT_TRUE(LoadImageFile(PathIn(name), &image));
        EXPECT_EQ(QSize(image.width, image.height), QSize(64, 48));
    }
}

} // namespace
