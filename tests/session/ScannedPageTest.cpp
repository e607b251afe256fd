#include "session/PageFactory.h"

#include "imaging/Bitmap.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageType.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A light sheet on a dark desk, wider than high, drawn a little askew.
QImage SheetPhoto() {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(qRgb(60, 50, 40));
    const QPointF corners[4] = {{40, 30}, {370, 50}, {360, 270}, {30, 255}};
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 240, 235));
    painter.drawPolygon(corners, 4);
    painter.setPen(QPen(QColor(20, 20, 20), 3));
    painter.drawLine(QPointF(80, 100), QPointF(300, 110));
    painter.drawLine(QPointF(80, 160), QPointF(300, 170));
    return image;
}

class ScannedPageTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        StartImaging();
    }
    void TearDown() override {
        StopImaging();
        CTempHomeTest::TearDown();
    }
};

TEST_F(ScannedPageTest, SettingsChooseTheScanOptions) {
    CAppSettings settings;
    EXPECT_TRUE(ScanCopyOptionsOf(settings).IsIdentity());
    settings.straightenPages = 1;
    settings.enhanceLook = 2;
    const CScanCopyOptions options = ScanCopyOptionsOf(settings);
    EXPECT_TRUE(options.straighten);
    EXPECT_EQ(options.look, ELook::BlackAndWhite);
    settings.enhanceLook = 3;
    EXPECT_EQ(ScanCopyOptionsOf(settings).look, ELook::ColourDocument);
    settings.enhanceLook = 9;
    EXPECT_EQ(ScanCopyOptionsOf(settings).look, ELook::Original);
}

TEST_F(ScannedPageTest, ANewPageOwnsAScannedCopyAndThePhotoStaysAsItWas) {
    const QString photo = PathIn("photo.png");
    ASSERT_TRUE(SheetPhoto().save(photo));
    const QByteArray before = ReadFile(photo);
    const QString copy = photo + ".scan.tesimg";
    {
        auto page =
            MakePageFromFile(photo, true, 60, 60, nullptr, CScanCopyOptions{true, ELook::Grey});
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->path, copy);
        EXPECT_TRUE(page->isTemporaryCopy);
        EXPECT_EQ(page->typeCode, kImageTypeJpeg);
        // The straightened sheet is still wider than high, so auto-portrait turns the copy.
        EXPECT_TRUE(page->turnCcw);
        const QImage scanned(copy, "JPEG");
        ASSERT_FALSE(scanned.isNull());
        EXPECT_LT(std::abs(scanned.width() - 331), 6);
        EXPECT_LT(std::abs(scanned.height() - 221), 6);
        const QRgb middle = scanned.pixel(scanned.width() / 2, scanned.height() / 2);
        EXPECT_EQ(qRed(middle), qGreen(middle));
        EXPECT_EQ(ReadFile(photo), before);
    }
    // The copy went with the page.
    EXPECT_FALSE(QFile::exists(copy));
    // Without options the page is the photo itself.
    auto plain = MakePdfPageFromFile(photo, false);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->path, photo);
    EXPECT_FALSE(plain->isTemporaryCopy);
    auto forPdf = MakePdfPageFromFile(photo, false, CScanCopyOptions{false, ELook::BlackAndWhite});
    ASSERT_NE(forPdf, nullptr);
    EXPECT_EQ(forPdf->path, copy);
    EXPECT_FALSE(forPdf->turnCcw);
}

TEST_F(ScannedPageTest, ACopyThatCannotBeWrittenLeavesThePageOnThePhoto) {
    if (RerunWithPrivateMounts())
        return;
    ASSERT_TRUE(QDir().mkpath(PathIn("ro")));
    const QString photo = PathIn("ro/photo.png");
    ASSERT_TRUE(SheetPhoto().save(photo));
    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("ro"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();
    auto page =
        MakePageFromFile(photo, false, 60, 60, nullptr, CScanCopyOptions{true, ELook::Grey});
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->path, photo);
    EXPECT_FALSE(page->isTemporaryCopy);
}

} // namespace
