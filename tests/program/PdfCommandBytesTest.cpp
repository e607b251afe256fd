#include "commands/PdfCommand.h"

#include "imaging/ImageType.h"
#include "pdf/PdfJob.h"
#include "tests/pdf/TestPictures.h"
#include "tests/support/TempHome.h"

#include <QImage>

#include <cstdio>

namespace {

class PdfCommandBytesTest : public CTempHomeTest {};

// The command is a front over the job: for the same pictures and choices it writes the
// bytes the job writes for the session's pages.
TEST_F(PdfCommandBytesTest, TheCommandWritesWhatTheJobWritesForTheSamePages) {
    ASSERT_TRUE(SaveJpeg(PathIn("a.jpg"), 64, 48));
    QImage png(30, 20, QImage::Format_RGB32);
    png.fill(Qt::green);
    ASSERT_TRUE(SavePicture(png, PathIn("b.png"), "PNG"));
    QImage bmp(5, 3, QImage::Format_RGB32);
    bmp.fill(Qt::blue);
    ASSERT_TRUE(SavePicture(bmp, PathIn("c.bmp"), "BMP"));
    const QStringList names{"a.jpg", "b.png", "c.bmp"};

    for (const bool fit : {false, true}) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        std::FILE* sink = std::tmpfile();
        QStringList args{"-o",    PathIn("command.pdf"),      "--page-size",
                         "Legal", fit ? "--fit" : "--center", "--no-auto-portrait"};
        for (const QString& name : names)
            args << PathIn(name);
        ASSERT_EQ(RunPdfCommand(args, outStream, errStream, sink), 0) << err.toStdString();
        std::fclose(sink);

        CPdfJobOptions options;
        options.outputPath = PathIn("job.pdf");
        options.layout.pageSize = kPaperLegal;
        options.layout.fitToPage = fit;
        std::vector<CPdfJobPage> pages;
        for (const QString& name : names)
            pages.push_back({PathIn(name), ImageTypeFromPath(name)});
        CPdfJobDelegate quiet;
        ASSERT_TRUE(CPdfJob(options, quiet).Run(pages).Done());

        const QByteArray command = ReadFile(PathIn("command.pdf"));
        ASSERT_TRUE(command.startsWith("%PDF-1.3"));
        EXPECT_EQ(ReadFile(PathIn("job.pdf")), command) << (fit ? "--fit" : "--center");
        EXPECT_TRUE(out.contains(QString("3 pages, Legal, %1 bytes").arg(command.size())))
            << out.toStdString();
    }
}

} // namespace
