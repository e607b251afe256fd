#include "commands/PdfCommand.h"

#include "imaging/Bitmap.h"
#include "imaging/ScanCopy.h"
#include "tests/pdf/PdfFile.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {

// A photo of a sheet with text lines, taken at an angle, on a darker desk with uneven light.
QImage SheetPhoto() {
    QImage image(480, 600, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(70 + x / 12, 60 + y / 20, 50));
    const QPointF corners[4] = {{90, 60}, {400, 90}, {380, 540}, {70, 510}};
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 232, 225));
    painter.drawPolygon(corners, 4);
    painter.setPen(QPen(QColor(25, 25, 30), 4));
    for (int i = 1; i < 9; ++i) {
        const double t = i / 10.0;
        const QPointF left = corners[0] + (corners[3] - corners[0]) * t;
        const QPointF right = corners[1] + (corners[2] - corners[1]) * t;
        painter.drawLine(left + (right - left) * 0.1, left + (right - left) * 0.8);
    }
    return image;
}

class PdfCommandScanTest : public CTempHomeTest {
protected:
    int Run(const QStringList& args) {
        QString out, err;
        QTextStream o(&out), e(&err);
        std::FILE* sink = std::tmpfile();
        const int status = RunPdfCommand(args, o, e, sink);
        std::fclose(sink);
        m_err = err;
        return status;
    }
    QString m_err;
};

TEST_F(PdfCommandScanTest, StraightenAndBlackAndWhiteEmbedTheCorrectedPageAndKeepThePhoto) {
    ASSERT_TRUE(QDir().mkpath(PathIn("pics")));
    const QString photo = PathIn("pics/photo.jpg");
    ASSERT_TRUE(SheetPhoto().save(photo, "JPEG", 95));
    const QByteArray before = ReadFile(photo);
    const QString out = PathIn("out.pdf");
    ASSERT_EQ(Run({"-o", out, "--no-auto-portrait", "--straighten", "--enhance", "bw", photo}), 0)
        << m_err.toStdString();

    // What the page should be: the photo as decoded, straightened and made black and white.
    auto decoded = CBitmap::FromImage(QImage(photo));
    ASSERT_NE(decoded, nullptr);
    const BitmapHandle expected =
        ScanPicture(*decoded, CScanCopyOptions{true, ELook::BlackAndWhite});
    ASSERT_NE(expected, nullptr);
    const QImage want = expected->ToImage().convertToFormat(QImage::Format_RGB32);
    // The sheet was found: the page is the sheet's shape, not the photo's.
    EXPECT_LT(std::abs(want.width() - 312), 8);
    EXPECT_LT(std::abs(want.height() - 452), 8);

    CPdfFile pdf;
    ASSERT_TRUE(pdf.Load(out)) << pdf.Error().toStdString();
    ASSERT_EQ(pdf.Pages().size(), 1);
    const QList<int> images = pdf.Images(pdf.Pages()[0]);
    ASSERT_EQ(images.size(), 1);
    const CPdfObjectText& image = pdf.Objects().at(images[0]);
    EXPECT_TRUE(CPdfFile::Value(image.dict, "Filter").contains("/DCTDecode"));
    EXPECT_EQ(pdf.IntValue(image.dict, "Width"), want.width());
    EXPECT_EQ(pdf.IntValue(image.dict, "Height"), want.height());
    const QImage got =
        QImage::fromData(image.rawStream, "JPEG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(got.size(), want.size());
    // Within JPEG rounding at quality 100: a black and white page has sharp edges, so allow
    // a few grey steps at each edge pixel but count the pixels that differ visibly.
    long far = 0;
    long sum = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x) {
            const int d = std::abs(qGray(got.pixel(x, y)) - qGray(want.pixel(x, y)));
            sum += d;
            far += d > 48;
        }
    EXPECT_EQ(far, 0);
    EXPECT_LT(double(sum) / (got.width() * got.height()), 2.0);
    // The photo is untouched and the scanned copy went with the page.
    EXPECT_EQ(ReadFile(photo), before);
    EXPECT_EQ(QDir(PathIn("pics")).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{"photo.jpg"});
}

TEST_F(PdfCommandScanTest, AnUnknownLookIsAUsageError) {
    const QString photo = PathIn("photo.jpg");
    ASSERT_TRUE(SheetPhoto().save(photo, "JPEG", 95));
    EXPECT_EQ(Run({"-o", PathIn("out.pdf"), "--enhance", "sepia", photo}), 2);
    EXPECT_TRUE(m_err.contains("unknown look 'sepia'")) << m_err.toStdString();
    EXPECT_EQ(Run({"-o", PathIn("out.pdf"), photo, "--enhance"}), 2);
    EXPECT_FALSE(QFile::exists(PathIn("out.pdf")));
}

} // namespace
