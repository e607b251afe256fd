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
        platform::SetDeviceScreenSize(QSize(480, 640));
        platform::SetDeviceScreenRatio(1.0);
        CTempHomeTest::TearDown();
    }

    std::int32_t m_handle = 0;
};

// A 240 x 320 screen on a display of scale 2: the VGA pictures at half size.
class SkinDrawingAtRatio2Test : public SkinDrawingTest {
protected:
    void SetUp() override {
        platform::SetDeviceScreenRatio(2.0);
        SkinDrawingTest::SetUp(); // makes the picture, bound for 480 x 640
        platform::SetDeviceScreenSize(QSize(240, 320));
        UnbindSkinLibrary();
        ASSERT_TRUE(BindSkinLibraryFrom(ProgramFolder(), nullptr));
        ASSERT_EQ(SkinPictureRatio(), 2);
        m_handle = SkinManager()->AddFileImage(PathIn("picture.png").toUtf8().constData());
        ASSERT_GE(m_handle, 10000);
    }
    // A back buffer as the screens make them on that display: two pixels to a logical one.
    static QImage Buffer(int width, int height) {
        QImage image(2 * width, 2 * height, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2.0);
        image.fill(kGreyForRatio);
        return image;
    }
    static constexpr QRgb kGreyForRatio = 0xFF202020;
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

TEST_F(SkinDrawingAtRatio2Test, PicturesLandExactlyOnTheDisplaysPixels) {
    EXPECT_FALSE(IsHighResolution()); // the layout stays the 240 x 320 one
    EXPECT_TRUE(BoundSkinLibraryPath().endsWith(QStringLiteral("Quillmark.vga")));
    // The 2 x 2 picture covers one logical pixel.
    EXPECT_EQ(SkinImageSize(m_handle), QSize(1, 1));
    const std::int32_t face = SkinAddImage(ids::IDB_BUTTON_NORMAL);
    EXPECT_EQ(SkinImageSize(face), QSize(76, 23)); // 151 x 46 pixels, the 240 x 320 button
    const QImage icon = SkinLoadIcon(ids::IDB_LOGO);
    EXPECT_EQ(icon.size(), QSize(128, 128));
    EXPECT_EQ(icon.deviceIndependentSize(), QSizeF(64, 64));

    // Through a painter with a translation and a clip, at logical (2, 1) + (1, 0).
    QImage image = Buffer(5, 3);
    {
        QPainter painter(&image);
        painter.translate(2, 1);
        painter.setClipRect(QRect(0, 0, 3, 1));
        EXPECT_EQ(SkinDrawImage(painter, m_handle, 1, 0), 1);
    }
    EXPECT_EQ(image.pixel(6, 2), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(7, 2), kGreyForRatio); // the transparent pixel
    EXPECT_EQ(image.pixel(6, 3), kBlendedWhite);
    EXPECT_EQ(image.pixel(7, 3), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(5, 2), kGreyForRatio);
    EXPECT_EQ(image.pixel(8, 2), kGreyForRatio);
    EXPECT_EQ(image.pixel(6, 4), kGreyForRatio);

    // On the image itself, with a source part in logical pixels, and tiled.
    image = Buffer(3, 2);
    const QRect whole(0, 0, 1, 1);
    EXPECT_EQ(SkinDrawImage(image, m_handle, 2, 1, &whole), 1);
    EXPECT_EQ(image.pixel(4, 2), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(5, 3), 0xFF0000FFu);
    image = Buffer(3, 1);
    {
        QPainter painter(&image);
        EXPECT_EQ(SkinTileImage(painter, m_handle, QRect(0, 0, 2, 1)), 1);
    }
    const QRgb top[6] = {0xFFFF0000,    kGreyForRatio, 0xFFFF0000,
                         kGreyForRatio, kGreyForRatio, kGreyForRatio};
    const QRgb bottom[6] = {kBlendedWhite, 0xFF0000FF,    kBlendedWhite,
                            0xFF0000FF,    kGreyForRatio, kGreyForRatio};
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(image.pixel(x, 0), top[x]) << x;
        EXPECT_EQ(image.pixel(x, 1), bottom[x]) << x;
    }
}

TEST_F(SkinDrawingAtRatio2Test, CoarserTargetsGetThePictureScaledDownSmoothly) {
    // An image of one pixel to a logical one (a display of scale 1.25 or 1.5 rounds its
    // buffers the same way): the picture shrinks to its logical size, its colours mixed.
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(kGrey);
    EXPECT_EQ(SkinDrawImage(image, m_handle, 1, 1), 1);
    const QRgb mixed = image.pixel(1, 1);
    EXPECT_NE(mixed, kGrey);
    EXPECT_GT(qRed(mixed), 0x20);
    EXPECT_GT(qBlue(mixed), 0x20);
    for (const QPoint untouched : {QPoint(0, 1), QPoint(2, 1), QPoint(1, 0), QPoint(1, 2)})
        EXPECT_EQ(image.pixel(untouched), kGrey) << untouched.x() << "," << untouched.y();

    // A scale of 1.5 (three pixels to two logical ones): the 2 x 2 picture covers 1.5 pixels.
    QImage dense(6, 6, QImage::Format_ARGB32_Premultiplied);
    dense.setDevicePixelRatio(1.5);
    dense.fill(kGrey);
    {
        QPainter painter(&dense);
        EXPECT_EQ(SkinDrawImage(painter, m_handle, 2, 2), 1);
    }
    EXPECT_NE(dense.pixel(3, 3), kGrey);
    EXPECT_EQ(dense.pixel(2, 2), kGrey);
    EXPECT_EQ(dense.pixel(5, 5), kGrey);
}
