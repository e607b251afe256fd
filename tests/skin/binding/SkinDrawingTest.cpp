#include "skin/binding/SkinBinding.h"

#include "platform/Device.h"
#include "resources/ids/SkinIds.h"
#include "tests/support/TempHome.h"

#include <QImage>
#include <QPainter>

namespace {

// Where the build puts the program and its skin libraries.
QString ProgramFolder() {
    return QStringLiteral(QM_SKIN_LIBRARY_DIR);
}

class SkinDrawingTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        platform::SetDeviceScreenSize(QSize(480, 640));
        ASSERT_TRUE(BindSkinLibraryFrom(ProgramFolder(), nullptr));
        // 2 x 2: opaque red, transparent, half-transparent white, opaque blue.
        QImage picture(2, 2, QImage::Format_ARGB32);
        picture.setPixel(0, 0, 0xFFFF0000);
        picture.setPixel(1, 0, 0x00FFFFFF);
        picture.setPixel(0, 1, 0x80FFFFFF);
        picture.setPixel(1, 1, 0xFF0000FF);
        const QString path = PathIn("picture.png");
        ASSERT_TRUE(picture.save(path, "PNG"));
        m_handle = SkinManager()->AddFileImage(path.toUtf8().constData());
        ASSERT_GE(m_handle, 10000);
    }
    void TearDown() override {
        UnbindSkinLibrary();
        CTempHomeTest::TearDown();
    }

    std::int32_t m_handle = 0;
};

constexpr QRgb kGrey = 0xFF202020;
// White at alpha 128 over 0x20: (255 x 128 + 32 x 127) >> 8 = 143.
constexpr QRgb kBlendedWhite = 0xFF8F8F8F;

} // namespace

TEST_F(SkinDrawingTest, PainterTranslationAndClipReachTheLibrary) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(kGrey);
    {
        QPainter painter(&image);
        painter.translate(10, 5);
        painter.setClipRect(QRect(0, 0, 2, 1)); // only the top row of the picture
        EXPECT_EQ(SkinDrawImage(painter, m_handle, 1, 0), 1);
    }
    EXPECT_EQ(image.pixel(11, 5), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(12, 5), kGrey);
    EXPECT_EQ(image.pixel(11, 6), kGrey); // clipped away
    EXPECT_EQ(image.pixel(12, 6), kGrey);

    image.fill(kGrey);
    const QRect bottomRow(0, 1, 2, 1);
    EXPECT_EQ(SkinDrawImage(image, m_handle, 3, 4, &bottomRow), 1);
    EXPECT_EQ(image.pixel(3, 4), kBlendedWhite);
    EXPECT_EQ(image.pixel(4, 4), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(3, 5), kGrey);
}

TEST_F(SkinDrawingTest, OtherImageFormatsAndTransformsDrawThroughACopy) {
    QImage image(4, 4, QImage::Format_RGB888);
    image.fill(QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(SkinDrawImage(image, m_handle, 1, 1), 1);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(2, 1), kGrey);
    EXPECT_EQ(image.pixel(1, 2), kBlendedWhite);
    EXPECT_EQ(image.pixel(2, 2), 0xFF0000FFu);

    QImage scaled(8, 8, QImage::Format_RGB32);
    scaled.fill(kGrey);
    {
        QPainter painter(&scaled);
        painter.scale(2, 2);
        EXPECT_EQ(SkinDrawImage(painter, m_handle, 1, 1), 1);
    }
    EXPECT_EQ(scaled.pixel(2, 2), 0xFFFF0000u);
    EXPECT_EQ(scaled.pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(scaled.pixel(5, 5), 0xFF0000FFu);
    EXPECT_EQ(scaled.pixel(4, 2), kGrey); // the transparent pixel
    // The half-transparent pixel keeps its alpha through the copy (within rounding).
    EXPECT_NEAR(qRed(scaled.pixel(2, 4)), qRed(kBlendedWhite), 2);
    EXPECT_NEAR(qBlue(scaled.pixel(3, 5)), qBlue(kBlendedWhite), 2);
}

TEST_F(SkinDrawingTest, TilingThroughThePainter) {
    QImage image(7, 3, QImage::Format_ARGB32_Premultiplied);
    image.fill(kGrey);
    const QRect topRow(0, 0, 2, 1);
    {
        QPainter painter(&image);
        EXPECT_EQ(SkinTileImage(painter, m_handle, QRect(1, 1, 5, 1), &topRow), 1);
    }
    const QRgb expected[7] = {kGrey, 0xFFFF0000, kGrey, 0xFFFF0000, kGrey, 0xFFFF0000, kGrey};
    for (int x = 0; x < 7; ++x) {
        EXPECT_EQ(image.pixel(x, 1), expected[x]) << x;
        EXPECT_EQ(image.pixel(x, 0), kGrey);
        EXPECT_EQ(image.pixel(x, 2), kGrey);
    }
}

TEST_F(SkinDrawingTest, WrappersOverTheLibrary) {
    EXPECT_EQ(SkinAddImage(0), 0);
    EXPECT_EQ(SkinAddImageOnColour(0, 0xFFFFFF), 0);
    const std::int32_t face =
        SkinAddImageOnColour(ids::IDB_BUTTON_NORMAL, TesRgb(0xF8, 0xF8, 0xF8));
    EXPECT_GT(face, m_handle);
    EXPECT_EQ(SkinAddImage(ids::IDB_BUTTON_NORMAL), face);
    EXPECT_EQ(SkinReleaseImage(face), 1);
    EXPECT_EQ(SkinImageSize(face), QSize(151, 46));
    EXPECT_EQ(SkinImageSize(4711), QSize(-1, -1));

    // A face on a colour: the transparent corner takes the colour exactly.
    QImage image(151, 46, QImage::Format_RGB32);
    image.fill(0xFF000000);
    EXPECT_EQ(SkinDrawImage(image, face, 0, 0), 1);
    EXPECT_EQ(image.pixel(0, 0), 0xFFF8F8F8u);
    EXPECT_EQ(SkinDrawImage(image, 4711, 0, 0), 0);

    EXPECT_EQ(SkinColourFromRgb(0xFF112233u), TesRgb(0x11, 0x22, 0x33));
    EXPECT_EQ(SkinLoadIcon(ids::IDB_LOGO).size(), QSize(128, 128));
    EXPECT_TRUE(SkinLoadIcon(4711).isNull());
}
