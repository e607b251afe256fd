#include "session/PageFactory.h"
#include "session/PictureImport.h"

#include "app/AppSettings.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageType.h"
#include "session/Session.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/TempHome.h"
#include "tests/support/TiffWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A light sheet on a dark desk, drawn a little askew; `shade` tells the pages apart.
QImage SheetPhoto(int shade) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(qRgb(60, 50, 40));
    const QPointF corners[4] = {{40, 30}, {370, 50}, {360, 270}, {30, 255}};
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 240 - shade, 235 - 2 * shade));
    painter.drawPolygon(corners, 4);
    painter.setPen(QPen(QColor(20, 20, 20), 3));
    painter.drawLine(QPointF(80, 100), QPointF(300, 110));
    painter.drawLine(QPointF(80, 160), QPointF(300, 170));
    return image;
}

class TiffPagesTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        StartImaging();
        m_settings.autoPortrait = 0;
        m_settings.straightenPages = 1;
        m_settings.enhanceLook = std::uint32_t(ELook::Grey);
        m_settings.pictureImportOrder = kImportByNameAscending;
    }
    void TearDown() override {
        StopImaging();
        CTempHomeTest::TearDown();
    }
    QString Tiff(const QString& name, int pages) {
        QList<QImage> pictures;
        for (int i = 0; i < pages; ++i)
            pictures << SheetPhoto(i * 20);
        QString path = PathIn(name);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(WriteTiff(path, pictures));
        return path;
    }

    CAppSettings m_settings;
    CSession m_session;
};

TEST_F(TiffPagesTest, EveryPageIsStraightenedAndGivenTheLookAsTheFirstIs) {
    const QString tiff = Tiff("scans/letter.tif", 3);
    ASSERT_EQ(ImportPictureFile(m_session, m_settings, tiff), EFileImport::Whole);
    ASSERT_EQ(m_session.PageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const CPage* page = m_session.Pages().At(i);
        EXPECT_EQ(page->path, i == 0 ? tiff + ".scan.tesimg"
                                     : tiff + QString(".page%1.tesimg.scan.tesimg").arg(i + 1));
        EXPECT_EQ(page->typeCode, kImageTypeJpeg);
        EXPECT_TRUE(page->isTemporaryCopy);
        // The sheet alone, grey: each page as the first.
        const QImage scanned(page->path, "JPEG");
        ASSERT_FALSE(scanned.isNull());
        EXPECT_LT(std::abs(scanned.width() - 331), 6);
        EXPECT_LT(std::abs(scanned.height() - 221), 6);
        const QRgb middle = scanned.pixel(scanned.width() / 2, scanned.height() / 2);
        EXPECT_EQ(qRed(middle), qGreen(middle));
        EXPECT_EQ(qGreen(middle), qBlue(middle));
    }
    // The lossless copies the scanned ones were made from are gone.
    EXPECT_EQ(QDir(PathIn("scans")).entryList({"*.page?.tesimg"}, QDir::Files), QStringList());

    // Without straightening or a look, pages 2 and 3 are lossless copies of themselves.
    m_settings.straightenPages = 0;
    m_settings.enhanceLook = 0;
    CSession plain;
    ASSERT_EQ(ImportPictureFile(plain, m_settings, tiff), EFileImport::Whole);
    ASSERT_EQ(plain.PageCount(), 3);
    EXPECT_EQ(plain.Pages().At(0)->path, tiff);
    EXPECT_EQ(plain.Pages().At(2)->path, tiff + ".page3.tesimg");
    EXPECT_EQ(plain.Pages().At(2)->typeCode, kImageTypePng);
}

TEST_F(TiffPagesTest, PagesThatCannotBeWrittenAreReportedNotDropped) {
    if (RerunWithPrivateMounts())
        return;
    const QString tiff = Tiff("ro/letter.tif", 3);
    const QString other = Tiff("ro/single.tif", 1);
    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("ro"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();

    CLostPages lost;
    EXPECT_TRUE(MakeFurtherPages(tiff, false, 0, 0, nullptr, {}, &lost).empty());
    EXPECT_EQ(lost.notWritten, QList<int>({2, 3}));
    EXPECT_EQ(lost.notDecoded, QList<int>());

    // The first page is in (on the picture itself, as for any picture in a read-only folder),
    // and the import says why the others are not, so the user is told.
    EXPECT_EQ(ImportPictureFile(m_session, m_settings, tiff), EFileImport::PagesNotWritten);
    ASSERT_EQ(m_session.PageCount(), 1);
    EXPECT_EQ(m_session.Pages().At(0)->path, tiff);
    // A single-page TIFF has nothing to lose.
    EXPECT_EQ(ImportPictureFile(m_session, m_settings, other), EFileImport::Whole);

    CFolderImportDelegate quiet;
    CSession folder;
    const CFolderImportResult result = ImportPictureFolder(folder, m_settings, PathIn("ro"), quiet);
    EXPECT_EQ(result.imported, 2);
    EXPECT_EQ(result.incomplete, QStringList({tiff}));
    EXPECT_EQ(result.notWritten, QStringList({tiff}));
    EXPECT_EQ(folder.PageCount(), 2);
    EXPECT_EQ(QDir(PathIn("ro")).entryList(QDir::Files), QStringList({"letter.tif", "single.tif"}));
}

} // namespace
