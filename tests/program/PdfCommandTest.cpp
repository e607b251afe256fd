#include "commands/PdfCommand.h"

#include "app/AppSettings.h"
#include "commands/CommandLine.h"
#include "commands/PdfCommandOptions.h"
#include "tests/pdf/PdfFile.h"
#include "tests/pdf/TestPictures.h"
#include "tests/support/NoPermissionOverride.h"
#include "tests/support/TempHome.h"
#include "tests/support/WaitFor.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <atomic>
#include <cstdio>
#include <map>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PdfCommandTest : public CTempHomeTest {
protected:
    int Run(const QStringList& args, QIODevice* in = nullptr, int pdfOut = 1) {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out), err(&m_err);
        std::FILE* sink = std::tmpfile(); // not a terminal: no progress bar
        const int status = RunPdfCommand(args, out, err, sink, in, pdfOut);
        std::fclose(sink);
        return status;
    }
    QStringList Leftovers() const {
        return QDir(Home()).entryList({"*.part"}, QDir::Files | QDir::Hidden);
    }
    QString m_out, m_err;
};

TEST_F(PdfCommandTest, BadUsageIsStatusTwo) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 40, 30));
    EXPECT_EQ(Run({PathIn("a.jpg")}), 2);
    EXPECT_TRUE(m_err.contains("no output file"));
    EXPECT_EQ(Run({"-o", PathIn("o.pdf")}), 2);
    EXPECT_EQ(Run({"-o", PathIn("o.pdf"), "--page-size", "B5", PathIn("a.jpg")}), 2);
    EXPECT_TRUE(m_err.contains("Letter, Note"));
    EXPECT_EQ(Run({"-o", PathIn("o.pdf"), "--fit", "--center", PathIn("a.jpg")}), 2);
    EXPECT_EQ(Run({"-o", PathIn("o.pdf"), "--frobnicate", PathIn("a.jpg")}), 2);
    EXPECT_EQ(Run({"-o"}), 2);
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_TRUE(m_out.contains("Page sizes: Letter, Note, Legal")) << m_out.toStdString();
    // The help reads on an 80-column terminal.
    for (const QString& line : m_out.split(u'\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
    EXPECT_FALSE(QFile::exists(PathIn("o.pdf")));
}

TEST_F(PdfCommandTest, MakesOnePagePerPictureOnTheChosenPaper) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 40, 30));
    QImage png(30, 20, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(SavePicture(png, PathIn("b.png"), "PNG"));
    ASSERT_EQ(Run({"-o", PathIn("out.pdf"), "--page-size=letter", "--center", "--no-auto-portrait",
                   PathIn("a.jpg"), PathIn("b.png")}),
              0)
        << m_err.toStdString();
    EXPECT_TRUE(m_out.contains("2 pages, Letter")) << m_out.toStdString();
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf"))) << file.Error().toStdString();
    const QList<int> pages = file.Pages();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(file.MediaBox(pages[0]), QRectF(0, 0, 612, 792));
    EXPECT_EQ(OperandsOf(file.Content(pages[1]), "cm").value(0),
              QList<double>({30, 0, 0, 20, 291, 386})); // --center: natural size
    EXPECT_EQ(file.Objects().at(file.Images(pages[0])[0]).rawStream, ReadFile(PathIn("a.jpg")));
    EXPECT_TRUE(Leftovers().isEmpty());
}

TEST_F(PdfCommandTest, DefaultsComeFromTheSettings) {
    LoadSettings(AppSettings());
    AppSettings().pageSize = kPaperA5;
    AppSettings().fitToPage = 1;
    AppSettings().autoPortrait = 1;
    ASSERT_TRUE(SaveSettings(AppSettings()));
    AppSettings() = CAppSettings();
    ASSERT_TRUE(SaveJpeg(PathIn("wide.jpg"), 64, 48));
    QImage png(30, 40, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(SavePicture(png, PathIn("b.png"), "PNG"));
    ASSERT_EQ(Run({"-o", PathIn("out.pdf"), PathIn("wide.jpg"), PathIn("b.png")}), 0)
        << m_err.toStdString();
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf")));
    const QList<int> pages = file.Pages();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(file.MediaBox(pages[0]), QRectF(0, 0, 420, 595));
    // Auto-portrait: the picture's own bytes, drawn turned counter-clockwise as a 48 x 64
    // picture would be placed; nothing is written beside it.
    const CPdfObjectText& image = file.Objects().at(file.Images(pages[0])[0]);
    EXPECT_EQ(file.IntValue(image.dict, "Width"), 64);
    EXPECT_EQ(file.IntValue(image.dict, "Height"), 48);
    EXPECT_EQ(image.rawStream, ReadFile(PathIn("wide.jpg")));
    EXPECT_EQ(OperandsOf(file.Content(pages[0]), "cm").value(0),
              QList<double>({0, 560, -420, 0, 420, 17}));
    EXPECT_EQ(QDir(Home()).entryList({"wide*"}, QDir::Files), QStringList{"wide.jpg"});
    // FitToPage: the small portrait PNG (no copy) fills the page width.
    EXPECT_EQ(OperandsOf(file.Content(pages[1]), "cm").value(0),
              QList<double>({420, 0, 0, 560, 0, 17}));
}

TEST_F(PdfCommandTest, SkippedPicturesAreNamedAndGiveStatusOne) {
    ASSERT_TRUE(SaveJpeg(PathIn("good.jpg"), 40, 30));
    WriteFile(PathIn("bad.jpg"), "garbage");
    QImage xpm(10, 10, QImage::Format_RGB32);
    xpm.fill(Qt::blue);
    ASSERT_TRUE(SavePicture(xpm, PathIn("c.xpm"), "XPM"));
    // Cut short, and a frame header that no decoder can read: refused without decoding.
    const QByteArray good = ReadFile(PathIn("good.jpg"));
    WriteFile(PathIn("cut.jpg"), good.left(good.size() * 2 / 3));
    QByteArray damaged = good;
    damaged[damaged.indexOf(QByteArray::fromHex("FFC0")) + 4] = 12; // 12-bit samples
    WriteFile(PathIn("damaged.jpg"), damaged);
    EXPECT_EQ(
        Run({"-o", PathIn("out.pdf"), PathIn("good.jpg"), PathIn("bad.jpg"), PathIn("missing.png"),
             PathIn("c.xpm"), PathIn("cut.jpg"), PathIn("damaged.jpg")}),
        1);
    EXPECT_TRUE(m_err.contains("bad.jpg: skipped: not a picture that can be read"))
        << m_err.toStdString();
    EXPECT_TRUE(m_err.contains("cut.jpg: skipped: not a picture that can be read"));
    EXPECT_TRUE(m_err.contains("damaged.jpg: skipped: not a picture that can be read"));
    EXPECT_TRUE(m_err.contains("missing.png: skipped: no such file"));
    EXPECT_TRUE(m_err.contains("c.xpm: only JPEG, PNG, BMP, TIFF, GIF, WebP and HEIF"));
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf")));
    EXPECT_EQ(file.Pages().size(), 2); // good.jpg and the blank page of c.xpm
}

TEST_F(PdfCommandTest, OcrNamesThePagesWithoutATextLayerAndStillWritesThePdf) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 400, 300));
    EXPECT_EQ(Run({"-o", PathIn("o.pdf"), "--ocr", "", PathIn("a.jpg")}), 2);
    EXPECT_TRUE(m_err.contains("--ocr needs a language")) << m_err.toStdString();
    EXPECT_EQ(Run({"-o", PathIn("o.pdf"), "--ocr"}), 2);

    // A language that is not installed: the PDF is made, without text, and the page named.
    EXPECT_EQ(Run({"-o", PathIn("xyz.pdf"), "--ocr=xyz", PathIn("a.jpg")}), 1);
    EXPECT_TRUE(m_err.contains("a.jpg: no text layer: the language's data is not installed"))
        << m_err.toStdString();
    EXPECT_TRUE(m_out.contains("Wrote")) << m_out.toStdString();
    EXPECT_EQ(Run({"-o", PathIn("plain.pdf"), PathIn("a.jpg")}), 0) << m_err.toStdString();
    EXPECT_EQ(ReadFile(PathIn("xyz.pdf")), ReadFile(PathIn("plain.pdf")));

    // A picture without text is no failure: no text, no note.
    EXPECT_EQ(Run({"-o", PathIn("eng.pdf"), "--ocr", "eng", PathIn("a.jpg")}), 0)
        << m_err.toStdString();
    EXPECT_EQ(ReadFile(PathIn("eng.pdf")), ReadFile(PathIn("plain.pdf")));
}

TEST_F(PdfCommandTest, AnExistingOutputIsReplacedOnlyByAWholePdf) {
    WriteFile(PathIn("out.pdf"), "previous");
    WriteFile(PathIn("bad.jpg"), "garbage");
    EXPECT_EQ(Run({"-o", PathIn("out.pdf"), PathIn("bad.jpg")}), 1);
    EXPECT_EQ(ReadFile(PathIn("out.pdf")), "previous");

    // A PNG named .jpg passes the check but the PDF library refuses it: nothing is written.
    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(SavePicture(png, PathIn("fake.jpg"), "PNG"));
    EXPECT_EQ(Run({"-o", PathIn("out.pdf"), "--no-auto-portrait", PathIn("fake.jpg")}), 1);
    EXPECT_TRUE(m_err.contains("the PDF library could not take it")) << m_err.toStdString();
    EXPECT_EQ(ReadFile(PathIn("out.pdf")), "previous");
    EXPECT_TRUE(Leftovers().isEmpty());

    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 40, 30));
    EXPECT_EQ(Run({"-o", PathIn("out.pdf"), PathIn("a.jpg")}), 0);
    EXPECT_TRUE(ReadFile(PathIn("out.pdf")).startsWith("%PDF-1.3"));
    EXPECT_TRUE(Leftovers().isEmpty());
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

// Hostile inputs: each is named with the reason, the rest still makes the PDF, and nothing
// blocks. Should the FIFO block a reader, the test opens its other end to release it, so that
// it fails instead of hanging.
TEST_F(PdfCommandTest, AFifoAHugePictureAndALyingJpegAreNamedAndSkipped) {
    ASSERT_TRUE(SaveJpeg(PathIn("good.jpg"), 40, 30));
    const QString fifo = PathIn("fifo.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A PNG that declares 60000 x 60000 pixels (its data is beside the point).
    const auto be32 = [](quint32 v) {
        const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
        return QByteArray(b, 4);
    };
    const auto chunk = [&](const char* type, const QByteArray& body) {
        return be32(quint32(body.size())) + QByteArray(type) + body +
               be32(PngCrc(QByteArray(type) + body));
    };
    WriteFile(PathIn("bomb.png"),
              QByteArray::fromHex("89504E470D0A1A0A") +
                  chunk("IHDR", be32(60000) + be32(60000) + QByteArray::fromHex("0800000000")) +
                  chunk("IDAT", QByteArray::fromHex("789C6300000001000100")) + chunk("IEND", {}));
    // A JPEG of 640 x 480 whose frame claims 20000 x 15000.
    ASSERT_TRUE(SaveJpeg(PathIn("small.jpg"), 640, 480));
    QByteArray lying = ReadFile(PathIn("small.jpg"));
    const int sof = int(lying.indexOf(QByteArray::fromHex("FFC0")));
    ASSERT_GT(sof, 0);
    lying.replace(sof + 5, 4, QByteArray::fromHex("3A984E20")); // 15000 high, 20000 wide
    WriteFile(PathIn("lying.jpg"), lying);

    std::atomic<bool> done{false};
    int status = -1;
    std::thread run([&] {
        status = Run({"-o", PathIn("out.pdf"), fifo, PathIn("bomb.png"), PathIn("lying.jpg"),
                      PathIn("good.jpg")});
        done = true;
    });
    const bool quick = WaitFor([&] { return done.load(); }, std::chrono::seconds(30));
    WaitFor([&] {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        return done.load();
    });
    run.join();
    EXPECT_TRUE(quick) << "the command blocked";
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(m_err.contains("fifo.jpg: skipped: not a file")) << m_err.toStdString();
    EXPECT_TRUE(m_err.contains(
        "bomb.png: skipped: more than 500 million pixels, larger than any camera's picture"))
        << m_err.toStdString();
    EXPECT_TRUE(m_err.contains("lying.jpg: skipped: not a picture that can be read"))
        << m_err.toStdString();
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf"))) << file.Error().toStdString();
    EXPECT_EQ(file.Pages().size(), 1);
}

// What cannot be read for want of permission is named with the reason, folders too; as root
// as well, with the capabilities that override permissions set aside.
TEST_F(PdfCommandTest, UnreadableFoldersAndFilesAreNamedWithTheReason) {
    ASSERT_TRUE(SaveJpeg(PathIn("good.jpg"), 40, 30));
    ASSERT_TRUE(QDir().mkdir(PathIn("locked")));
    ASSERT_TRUE(SaveJpeg(PathIn("locked/inside.jpg"), 40, 30));
    ASSERT_TRUE(SaveJpeg(PathIn("secret.jpg"), 40, 30));
    ASSERT_EQ(::chmod(QFile::encodeName(PathIn("locked")).constData(), 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(PathIn("secret.jpg")).constData(), 0), 0);
    {
        CNoPermissionOverride noOverride;
        if (!noOverride.Holds()) {
            ::chmod(QFile::encodeName(PathIn("locked")).constData(), 0700);
            GTEST_SKIP() << "file permissions cannot be made to hold here";
        }
        EXPECT_EQ(Run({"-o", PathIn("none.pdf"), PathIn("locked")}), 1);
        EXPECT_TRUE(
            m_err.contains(PathIn("locked") + ": cannot read the folder: Permission denied"))
            << m_err.toStdString();
        EXPECT_TRUE(m_err.contains("no picture could be used")) << m_err.toStdString();
        EXPECT_FALSE(QFile::exists(PathIn("none.pdf")));

        EXPECT_EQ(Run({"-o", PathIn("out.pdf"), PathIn("locked"), PathIn("secret.jpg"),
                       PathIn("good.jpg")}),
                  1);
        EXPECT_TRUE(
            m_err.contains(PathIn("locked") + ": cannot read the folder: Permission denied"))
            << m_err.toStdString();
        EXPECT_TRUE(m_err.contains("secret.jpg: skipped: cannot be opened: Permission denied"))
            << m_err.toStdString();
    }
    ::chmod(QFile::encodeName(PathIn("locked")).constData(), 0700);
    CPdfFile file;
    ASSERT_TRUE(file.Load(PathIn("out.pdf"))) << file.Error().toStdString();
    EXPECT_EQ(file.Pages().size(), 1);
}

TEST_F(PdfCommandTest, QualityComesFromTheOptionOrTheSetting) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 640, 480));
    EXPECT_EQ(Run({"-o", PathIn("x.pdf"), "--quality", "tiny", PathIn("a.jpg")}), 2);
    EXPECT_TRUE(m_err.contains("original, email, bw")) << m_err.toStdString();
    EXPECT_FALSE(QFile::exists(PathIn("x.pdf")));

    const auto image = [&](const QString& pdf) {
        CPdfFile file;
        EXPECT_TRUE(file.Load(pdf)) << file.Error().toStdString();
        const QList<int> images = file.Images(file.Pages().value(0));
        return images.isEmpty() ? CPdfObjectText() : file.Objects().at(images[0]);
    };
    ASSERT_EQ(Run({"-o", PathIn("bw.pdf"), "--quality=bw", PathIn("a.jpg")}), 0)
        << m_err.toStdString();
    EXPECT_TRUE(CPdfFile::Value(image(PathIn("bw.pdf")).dict, "Filter").contains("CCITTFax"));

    // The setting, when no option says otherwise; the option wins over it.
    LoadSettings(AppSettings());
    AppSettings().pictureQuality = 1;
    ASSERT_TRUE(SaveSettings(AppSettings()));
    AppSettings() = CAppSettings();
    ASSERT_EQ(Run({"-o", PathIn("email.pdf"), PathIn("a.jpg")}), 0) << m_err.toStdString();
    const CPdfObjectText email = image(PathIn("email.pdf"));
    EXPECT_TRUE(CPdfFile::Value(email.dict, "Filter").contains("DCTDecode"));
    EXPECT_NE(email.rawStream, ReadFile(PathIn("a.jpg")));
    ASSERT_EQ(Run({"-o", PathIn("original.pdf"), "--quality", "original", PathIn("a.jpg")}), 0);
    EXPECT_EQ(image(PathIn("original.pdf")).rawStream, ReadFile(PathIn("a.jpg")));
}

TEST_F(PdfCommandTest, EveryOptionInTheTableIsTakenAndShown) {
    // A value each option that takes one accepts; an option added to the table without one
    // here fails, so the parser cannot drift from what the helps say.
    const std::map<QString, QString> values{
        {"-o", "x.pdf"},        {"--output", "x.pdf"},
        {"--page-size", "A4"},  {"--order", "name"},
        {"--ocr", "eng"},       {"--enhance", "grey"},
        {"--quality", "email"}, {"--files-from", PathIn("list.txt")},
    };
    const QString programHelp = UsageText();
    const QString commandHelp = CommandHelpText(*FindCliCommand("pdf"));
    for (const CCliOption& option : PdfCommandOptionTable()) {
        EXPECT_TRUE(programHelp.contains(QString::fromLatin1(option.synopsis).section(' ', 0, 0)))
            << option.synopsis;
        EXPECT_TRUE(commandHelp.contains(QString::fromLatin1(option.synopsis))) << option.synopsis;
        for (const QString& name : QString::fromLatin1(option.names).split(' ')) {
            QStringList args{"-o", "x.pdf", name};
            if (values.count(name))
                args << values.at(name);
            args << "a.jpg";
            QString error;
            EXPECT_TRUE(ParsePdfCommandOptions(args, &error).has_value())
                << name.toStdString() << ": " << error.toStdString();
        }
    }
    QString error;
    EXPECT_FALSE(ParsePdfCommandOptions({"-o", "x.pdf", "--recursive", "a.jpg"}, &error));
    EXPECT_EQ(error, "unknown option '--recursive'");
    EXPECT_FALSE(ParsePdfCommandOptions({"-o", "x.pdf", "--fit=yes", "a.jpg"}, &error));
    EXPECT_EQ(error, "--fit takes no value");
}

TEST_F(PdfCommandTest, ListsAreReadWhereTheyAreNamed) {
    WriteFile(PathIn("list.txt"), "one.jpg\r\n\n  \ntwo words.jpg\nthree.jpg");
    QBuffer input;
    input.setData("from stdin.jpg\n\n");
    QString error;
    const auto options = ParsePdfCommandOptions(
        {"-o", "-", "first.jpg", "@" + PathIn("list.txt"), "--", "@literal.jpg", "-"}, &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_TRUE(options->ToStandardOutput());
    EXPECT_EQ(
        ReadPictureArguments(options->inputs, input, &error),
        QStringList({"first.jpg", "one.jpg", "two words.jpg", "three.jpg", "@literal.jpg", "-"}));
    const auto piped =
        ParsePdfCommandOptions({"-o", "x.pdf", "--files-from=-", "last.jpg"}, &error);
    ASSERT_TRUE(piped);
    EXPECT_EQ(ReadPictureArguments(piped->inputs, input, &error),
              QStringList({"from stdin.jpg", "last.jpg"}));

    // Standard input holds one list; a list that cannot be read is named.
    const auto twice = ParsePdfCommandOptions({"-o", "x.pdf", "@-", "--files-from", "-"}, &error);
    ASSERT_TRUE(twice);
    EXPECT_FALSE(ReadPictureArguments(twice->inputs, input, &error));
    EXPECT_EQ(error, "standard input can give the list only once");
    const auto missing = ParsePdfCommandOptions({"-o", "x.pdf", "@" + PathIn("nope.txt")}, &error);
    ASSERT_TRUE(missing);
    EXPECT_FALSE(ReadPictureArguments(missing->inputs, input, &error));
    EXPECT_TRUE(error.startsWith("cannot read the list " + PathIn("nope.txt")))
        << error.toStdString();
    EXPECT_FALSE(ParsePdfCommandOptions({"-o", "x.pdf", "-"}, &error));
    EXPECT_TRUE(error.contains("--files-from -")) << error.toStdString();
}

TEST_F(PdfCommandTest, StandardOutputGetsTheWholePdfAndNothingElse) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 40, 30));
    WriteFile(PathIn("list.txt"), QFile::encodeName(PathIn("a.jpg")) + "\n");
    QTemporaryFile stdoutFile;
    ASSERT_TRUE(stdoutFile.open());
    QBuffer input;
    input.setData(QFile::encodeName(PathIn("a.jpg")) + "\n");
    // A temporary folder of this test's own, to see that nothing stays in it.
    const QByteArray oldTemp = qgetenv("TMPDIR");
    ASSERT_TRUE(QDir().mkpath(PathIn("tmp")));
    qputenv("TMPDIR", QFile::encodeName(PathIn("tmp")));
    const int status = Run({"-o", "-", "--files-from", "-", "@" + PathIn("list.txt")}, &input,
                           stdoutFile.handle());
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemp);
    ASSERT_EQ(status, 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.isEmpty()) << m_out.toStdString();
    EXPECT_TRUE(m_err.contains("Wrote standard output: 2 pages")) << m_err.toStdString();
    EXPECT_FALSE(QFile::exists("-"));
    CPdfFile file;
    ASSERT_TRUE(file.Load(stdoutFile.fileName())) << file.Error().toStdString();
    EXPECT_EQ(file.Pages().size(), 2);
    // Nothing of the PDF stays behind in the temporary folder.
    EXPECT_TRUE(QDir(PathIn("tmp")).isEmpty());

    // Nothing usable: nothing written.
    QTemporaryFile empty;
    ASSERT_TRUE(empty.open());
    WriteFile(PathIn("bad.jpg"), "garbage");
    EXPECT_EQ(Run({"-o", "-", PathIn("bad.jpg")}, nullptr, empty.handle()), 1);
    EXPECT_EQ(QFileInfo(empty.fileName()).size(), 0);
    EXPECT_TRUE(m_err.contains("nothing was written to standard output")) << m_err.toStdString();
}

TEST_F(PdfCommandTest, UnwritableOutputIsStatusOne) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 40, 30));
    WriteFile(PathIn("plain"), "x");
    EXPECT_EQ(Run({"-o", PathIn("plain/out.pdf"), PathIn("a.jpg")}), 1);
    EXPECT_TRUE(m_err.contains("cannot write")) << m_err.toStdString();
}

} // namespace
