#include "pdf/SmallerPdfCopy.h"

#include "pdf/PdfJob.h"
#include "pdf/PictureQuality.h"
#include "tests/pdf/PdfFile.h"
#include "tests/pdf/PdfTestFixture.h"
#include "tests/pdf/TestPictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CCountingDelegate : public CSmallerCopyDelegate {
public:
    void OnPicture(int index, int count) override { seen.push_back({index, count}); }
    bool IsCancelled() override { return int(seen.size()) >= cancelAfter; }
    std::vector<std::pair<int, int>> seen;
    int cancelAfter = 1000;
};

// The size of the place a page's picture takes, in points, from its "cm" operator.
QSizeF Placed(const QByteArray& content) {
    const QList<QByteArray> words = content.simplified().split(' ');
    const qsizetype cm = words.indexOf("cm");
    if (cm < 6)
        return {};
    double m[4];
    for (int i = 0; i < 4; ++i)
        m[i] = words[cm - 6 + i].toDouble();
    return QSizeF(std::hypot(m[0], m[1]), std::hypot(m[2], m[3]));
}

class SmallerPdfCopyTest : public CPdfTest {
protected:
    // A JPEG (or PNG, by extension) of that size; `noise` makes it hard to compress.
    QString Picture(const QString& name, int width, int height, bool noise = false) {
        QString path = PathIn(name);
        EXPECT_TRUE(SaveFlatPicture(path, width, height, noise)) << path.toStdString();
        return path;
    }
    // A PDF of the original pictures: a large photo, a turned one, and a PNG page.
    QString MakePdf() {
        std::vector<CPdfJobPage> pages = {
            {Picture("wide.jpg", 2000, 1500, true), kImageTypeJpeg, false},
            {Picture("turned.jpg", 2400, 1800, true), kImageTypeJpeg, true},
            {Picture("drawing.png", 300, 200), kImageTypePng, false},
        };
        CPdfJobOptions options;
        options.outputPath = PathIn("report.pdf");
        options.layout.pageSize = kPaperA4;
        CPdfJobDelegate quiet;
        EXPECT_TRUE(CPdfJob(options, quiet).Run(pages).Done());
        return options.outputPath;
    }
};

TEST_F(SmallerPdfCopyTest, PicturesShrinkToTheirPlaceAndEverythingElseStaysAsItWas) {
    const QString source = MakePdf();
    const QByteArray before = ReadFile(source);
    const QString target = PathIn("copy/report.pdf");
    QDir().mkpath(PathIn("copy"));
    CCountingDelegate delegate;
    const CSmallerCopyResult result = MakeSmallerPdfCopy(source, target, delegate);
    ASSERT_TRUE(result.Done()) << int(result.failure);
    EXPECT_EQ(result.pictures, 2);
    EXPECT_EQ(result.reduced, 2);
    EXPECT_EQ(delegate.seen, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    EXPECT_EQ(ReadFile(source), before);
    EXPECT_EQ(result.sourceBytes, before.size());
    EXPECT_EQ(result.copyBytes, QFileInfo(target).size());
    EXPECT_LT(result.copyBytes, before.size() / 2);

    CPdfFile original, copy;
    ASSERT_TRUE(original.Load(source)) << original.Error().toStdString();
    ASSERT_TRUE(copy.Load(target)) << copy.Error().toStdString();
    ASSERT_EQ(copy.Pages().size(), 3);
    ASSERT_EQ(original.Pages().size(), 3);
    EXPECT_EQ(copy.XrefEntryCount(), original.XrefEntryCount());
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const int page = copy.Pages()[i];
        EXPECT_EQ(copy.MediaBox(page), original.MediaBox(original.Pages()[i]));
        EXPECT_EQ(copy.Content(page), original.Content(original.Pages()[i]));
        ASSERT_EQ(copy.Images(page).size(), 1);
        const QByteArray dict = copy.Objects().at(copy.Images(page)[0]).dict;
        const QByteArray stream = copy.Objects().at(copy.Images(page)[0]).rawStream;
        const int width = copy.IntValue(dict, "Width");
        const int height = copy.IntValue(dict, "Height");
        if (i == 2) { // the PNG page is not a JPEG: its pixels stay byte for byte
            EXPECT_EQ(stream,
                      original.Objects().at(original.Images(original.Pages()[i])[0]).rawStream);
            EXPECT_EQ(width, 300);
            continue;
        }
        // About 150 pixels per inch of the place, never fewer.
        const QSizeF placed = Placed(copy.Content(page));
        const double needed =
            std::max(placed.width() * kEmailPixelsPerInch / 72 / (i ? 2400 : 2000),
                     placed.height() * kEmailPixelsPerInch / 72 / (i ? 1800 : 1500));
        EXPECT_NEAR(width, (i ? 2400 : 2000) * needed, 1.0);
        EXPECT_NEAR(height, (i ? 1800 : 1500) * needed, 1.0);
        EXPECT_LT(width, i ? 2400 : 2000);
        const QImage decoded = QImage::fromData(stream, "JPEG");
        EXPECT_EQ(decoded.size(), QSize(width, height));
    }
    if (QStandardPaths::findExecutable("qpdf").isEmpty())
        return;
    QProcess qpdf;
    qpdf.start("qpdf", {"--check", target});
    ASSERT_TRUE(qpdf.waitForFinished(60000));
    EXPECT_EQ(qpdf.exitCode(), 0) << qpdf.readAllStandardOutput().toStdString();
}

TEST_F(SmallerPdfCopyTest, CancelOtherPdfsAndUnwritableTargetsLeaveNoCopy) {
    const QString source = MakePdf();
    const QByteArray before = ReadFile(source);
    const QString target = PathIn("copy.pdf");
    {
        CCountingDelegate delegate;
        delegate.cancelAfter = 1;
        EXPECT_EQ(MakeSmallerPdfCopy(source, target, delegate).failure,
                  ESmallerCopyFailure::Cancelled);
        EXPECT_EQ(delegate.seen.size(), 1u);
    }
    // An incremental update, a cross-reference stream and plain junk are not what we write.
    const qsizetype table = before.lastIndexOf("startxref");
    const QByteArray size = CPdfFile::Value(before.mid(before.lastIndexOf("trailer")), "Size");
    const QByteArray updated = before + "xref\n0 " + size + "\n" +
                               QByteArray("0000000000 65535 f\r\n").repeated(size.toInt()) +
                               "trailer\n<< /Size " + size + " /Root 1 0 R /Prev " +
                               before.mid(table + 10).split('\n')[0] + " >>\nstartxref\n" +
                               QByteArray::number(before.size()) + "\n%%EOF\n";
    QByteArray xrefStream = before;
    xrefStream.replace(before.indexOf("xref\n0 "), 4, "XREF");
    for (const QByteArray& other : {updated, xrefStream, QByteArray("%PDF-1.4\nnot a PDF\n")}) {
        WriteFile(PathIn("other.pdf"), other);
        CCountingDelegate delegate;
        EXPECT_EQ(MakeSmallerPdfCopy(PathIn("other.pdf"), target, delegate).failure,
                  ESmallerCopyFailure::NotOurPdf);
    }
    CCountingDelegate delegate;
    const CSmallerCopyResult missing = MakeSmallerPdfCopy(PathIn("gone.pdf"), target, delegate);
    EXPECT_EQ(missing.failure, ESmallerCopyFailure::Unreadable);
    EXPECT_FALSE(missing.detail.isEmpty());
    const CSmallerCopyResult unwritable =
        MakeSmallerPdfCopy(source, PathIn("no-folder/copy.pdf"), delegate);
    EXPECT_EQ(unwritable.failure, ESmallerCopyFailure::WriteFailed);
    EXPECT_FALSE(unwritable.detail.isEmpty());
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(ReadFile(source), before);
}

} // namespace
