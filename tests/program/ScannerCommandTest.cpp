// "quillmark scan" against SANE's test scanners (tests/support): feeder and flatbed scans
// into one PDF whose pages carry the scanned pictures, Ctrl+C keeping what was scanned, and
// the usage errors.

#include "commands/ScannerCommand.h"

#include "tests/pdf/PdfFile.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include <csignal>

namespace {

class ScannerCommandTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        UseSaneTestBackend();
        // The command's scratch folders go here, where the test sees all of them.
        m_oldTemp = qgetenv("TMPDIR");
        ASSERT_TRUE(QDir().mkpath(PathIn("tmp")));
        qputenv("TMPDIR", QFile::encodeName(PathIn("tmp")));
    }
    void TearDown() override {
        if (m_oldTemp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_oldTemp);
        CTempHomeTest::TearDown();
    }
    int Run(const QStringList& args) {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out), err(&m_err);
        std::FILE* sink = std::tmpfile(); // not a terminal: no progress bar
        const int status = RunScannerCommand(args, out, err, sink, &m_stop);
        std::fclose(sink);
        out.flush();
        err.flush();
        return status;
    }
    // The picture embedded in a page of the PDF (a JPEG kept as it was scanned).
    static QImage PageImage(const CPdfFile& pdf, int page) {
        const QList<int> images = pdf.Images(pdf.Pages()[page]);
        if (images.isEmpty())
            return {};
        const CPdfObjectText& object = pdf.Objects().at(images[0]);
        QImage image;
        image.loadFromData(object.rawStream);
        return image;
    }

    QString m_out, m_err;
    std::atomic<bool> m_stop{false};
    QByteArray m_oldTemp;
};

TEST_F(ScannerCommandTest, TheFeederGivesEveryPageIntoOnePdf) {
    const QString out = PathIn("out.pdf");
    ASSERT_EQ(Run({"-o", out, "--device", "test:0", "--source", "adf", "--resolution", "50",
                   "--mode", "gray", "--no-auto-portrait"}),
              0)
        << m_err.toStdString();
    EXPECT_TRUE(m_out.startsWith("Wrote " + out + ": 10 pages, ")) << m_out.toStdString();
    EXPECT_TRUE(m_err.contains("quillmark scan: scanned page 10\n"));
    CPdfFile pdf;
    ASSERT_TRUE(pdf.Load(out)) << pdf.Error().toStdString();
    ASSERT_EQ(pdf.Pages().size(), 10);

    // The page carries what the scanner gave: the test pattern as scanimage reads it, over the
    // paper cut to the test scanner's 200 x 200 mm.
    const QImage scanned = PageImage(pdf, 0);
    QProcess scanimage;
    scanimage.start("scanimage", {"-d", "test:0", "--mode", "Gray", "--resolution", "50", "-l", "0",
                                  "-t", "0", "-x", "200", "-y", "200", "--format=pnm"});
    ASSERT_TRUE(scanimage.waitForFinished(60000));
    QImage reference;
    ASSERT_TRUE(reference.loadFromData(scanimage.readAllStandardOutput(), "PNM"));
    ASSERT_EQ(scanned.size(), reference.size());
    long error = 0;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            error += std::abs(qGray(reference.pixel(x, y)) - qGray(scanned.pixel(x, y)));
    EXPECT_LT(double(error) / (reference.width() * reference.height()), 3.0);
    // The grey page is grey: no pixel with colour in it.
    int coloured = 0;
    for (int y = 0; y < scanned.height(); ++y)
        for (int x = 0; x < scanned.width(); ++x) {
            const QRgb p = scanned.pixel(x, y);
            coloured += std::abs(qRed(p) - qGreen(p)) + std::abs(qGreen(p) - qBlue(p)) > 8;
        }
    EXPECT_EQ(coloured, 0);
    // The pictures went with the finished PDF.
    EXPECT_TRUE(QDir(PathIn("tmp")).isEmpty());
}

TEST_F(ScannerCommandTest, TheFlatbedGivesThePagesAskedFor) {
    const QString out = PathIn("two.pdf");
    ASSERT_EQ(Run({"-o", out, "--device", "test:1", "--source", "flatbed", "--pages", "2",
                   "--resolution", "50", "--page-size", "A6", "--mode", "lineart"}),
              0)
        << m_err.toStdString();
    CPdfFile pdf;
    ASSERT_TRUE(pdf.Load(out));
    ASSERT_EQ(pdf.Pages().size(), 2);
    EXPECT_TRUE(m_out.contains(": 2 pages, A6, ")) << m_out.toStdString();
    // Black and white reached the scanner and the page: a PNG (no JPEG in the PDF) of black
    // and white only, with both in it.
    const QList<int> bw = pdf.Images(pdf.Pages()[0]);
    ASSERT_EQ(bw.size(), 1);
    EXPECT_FALSE(pdf.Objects().at(bw[0]).dict.contains("/DCTDecode"));
    const QByteArray samples = pdf.StreamData(bw[0]);
    ASSERT_FALSE(samples.isEmpty());
    EXPECT_EQ(samples.count('\0') + samples.count('\xff'), samples.size());
    EXPECT_GT(samples.count('\0'), 0);
    EXPECT_GT(samples.count('\xff'), 0);

    // Without --pages the flatbed gives one, and without --mode in colour.
    ASSERT_EQ(Run({"-o", out, "--resolution", "50", "--source", "flatbed"}), 0);
    CPdfFile one;
    ASSERT_TRUE(one.Load(out)) << one.Error().toStdString();
    ASSERT_EQ(one.Pages().size(), 1);
    const QImage colour = PageImage(one, 0);
    ASSERT_FALSE(colour.isNull());
    int coloured = 0;
    for (int y = 0; y < colour.height(); ++y)
        for (int x = 0; x < colour.width(); ++x) {
            const QRgb p = colour.pixel(x, y);
            coloured += std::abs(qRed(p) - qGreen(p)) + std::abs(qGreen(p) - qBlue(p)) > 60;
        }
    EXPECT_GT(coloured, colour.width() * colour.height() / 10);
}

TEST_F(ScannerCommandTest, ListsTheScanners) {
    ASSERT_EQ(Run({"--list"}), 0);
    EXPECT_EQ(m_out, "test:0\tNoname frontend-tester (virtual device)\n"
                     "test:1\tNoname frontend-tester (virtual device)\n");
}

TEST_F(ScannerCommandTest, StoppedBeforeAPageOrRefusedWritesNothing) {
    const QString out = PathIn("none.pdf");
    m_stop = true;
    EXPECT_EQ(Run({"-o", out, "--source", "adf", "--resolution", "50"}), 130);
    EXPECT_TRUE(m_err.contains("stopped before a page was scanned; " + out + " was not written"));
    m_stop = false;
    EXPECT_EQ(Run({"-o", out, "--source", "duplex"}), 1);
    EXPECT_TRUE(
        m_err.contains("the scanner test:0 has no duplex source (it offers: flatbed, adf)"));
    EXPECT_EQ(Run({"-o", out, "--device", "test:8"}), 1);
    EXPECT_TRUE(m_err.contains("the scanner test:8 could not be opened"));
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(ScannerCommandTest, BadUsageExitsWithTwo) {
    EXPECT_EQ(Run({"--source", "adf"}), 2);
    EXPECT_TRUE(
        m_err.startsWith("quillmark scan: no output file (-o OUT.pdf)\nusage: quillmark scan"));
    EXPECT_EQ(Run({"-o", "a.pdf", "--source", "tray"}), 2);
    EXPECT_TRUE(m_err.contains("unknown source 'tray' (one of flatbed, adf, duplex)"));
    EXPECT_EQ(Run({"-o", "a.pdf", "--pages", "0"}), 2);
    EXPECT_TRUE(m_err.contains("--pages takes a number from 1 to 100000, not '0'"));
    EXPECT_EQ(Run({"-o", "a.pdf", "--mode", "sepia"}), 2);
    EXPECT_EQ(Run({"-o", "a.pdf", "--order", "name"}), 2);
    EXPECT_TRUE(m_err.contains("unknown option '--order'"));
    EXPECT_EQ(Run({"-o", "a.pdf", "picture.jpg"}), 2);
    EXPECT_EQ(Run({"-o", "-"}), 2);
    // The pdf command's options are judged as there.
    EXPECT_EQ(Run({"-o", "a.pdf", "--page-size", "B5"}), 2);
    EXPECT_TRUE(m_err.contains("unknown page size 'B5'"));
    EXPECT_EQ(Run({"-o", "a.pdf", "--fit", "--center"}), 2);
    EXPECT_FALSE(QFile::exists("a.pdf"));
}

// The program itself, interrupted from the terminal while its feeder scan runs slowly.
TEST_F(ScannerCommandTest, CtrlCStopsBetweenPagesAndKeepsWhatWasScanned) {
    const QString config = PathIn("sane");
    ASSERT_TRUE(WriteSaneTestConfig(config, {"read-limit true", "read-limit-size 8192",
                                             "read-delay true", "read-delay-duration 20000"}));
    QProcess program;
    program.setReadChannel(QProcess::StandardError);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SANE_CONFIG_DIR", config);
    environment.insert("TMPDIR", PathIn("tmp"));
    program.setProcessEnvironment(environment);
    const QString out = PathIn("stopped.pdf");
    program.start(QM_QUILLMARK_EXE,
                  {"scan", "-o", out, "--source", "adf", "--mode", "gray", "--resolution", "50"});
    ASSERT_TRUE(program.waitForStarted());
    QByteArray err;
    while (!err.contains("scanned page 1\n") && program.waitForReadyRead(30000))
        err += program.readAllStandardError();
    ASSERT_TRUE(err.contains("scanned page 1\n")) << err.toStdString();
    ::kill(pid_t(program.processId()), SIGINT);
    ASSERT_TRUE(program.waitForFinished(60000));
    err += program.readAllStandardError();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 130) << err.toStdString();
    CPdfFile pdf;
    ASSERT_TRUE(pdf.Load(out)) << err.toStdString();
    EXPECT_GE(pdf.Pages().size(), 1);
    EXPECT_LT(pdf.Pages().size(), 10);
    EXPECT_TRUE(err.contains("quillmark scan: stopped; the PDF has the ")) << err.toStdString();
    // Nothing of the scan stays behind.
    EXPECT_TRUE(QDir(PathIn("tmp")).isEmpty());
}

} // namespace
