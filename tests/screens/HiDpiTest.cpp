// Screens on a 2x display and a window that moves between displays of different density.
// The offscreen platform is given two screens before the application starts: "dense" (device
// pixel ratio 2, the primary one, where windows open) and "plain" (ratio 1).

#include "app/AppSettings.h"
#include "imaging/ImageDecoder.h"
#include "imaging/PageThumb.h"
#include "platform/Device.h"
#include "resources/ResourceIds.h"
#include "screens/FrameList.h"
#include "screens/ImageEditDlg.h"
#include "screens/ImageView.h"
#include "screens/MainDlg.h"
#include "screens/StaticThumb.h"
#include "session/PageFactory.h"
#include "skin/binding/SkinBinding.h"
#include "tests/screens/ScreenTestSupport.h"
#include "ui/toolkit/RememberedAnswers.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// Runs before main, so before the application object picks its platform.
const bool g_twoDisplays = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QM_TWO_DISPLAYS_CONFIG);
    return true;
}();

using namespace ids;

// A picture of 1-pixel black and white squares: any averaging turns it grey.
QImage Checkerboard(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

// How many pixels of `area` (in the image's pixels) are the checkerboard's, exactly, starting
// black or white at its top-left corner.
int CheckerboardPixels(const QImage& image, const QRect& area) {
    int exact = 0;
    const QRgb first = image.pixel(area.topLeft()) & 0xFFFFFF;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool same = (x - area.left() + y - area.top()) % 2 == 0;
            const QRgb expected = same ? first : (first ^ 0xFFFFFF);
            exact += (image.pixel(x, y) & 0xFFFFFF) == expected;
        }
    return exact;
}

QScreen* Display(const char* name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name))
            return screen;
    return nullptr;
}

class HiDpiTest : public CScreenTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(g_twoDisplays);
        CScreenTest::SetUp();
        ASSERT_NE(Display("dense"), nullptr) << "the offscreen platform did not take the config";
        ASSERT_NE(Display("plain"), nullptr);
        ASSERT_EQ(Display("dense")->devicePixelRatio(), 2.0);
        UseScreen(QSize(240, 320));
        ASSERT_EQ(m_device->devicePixelRatioF(), 2.0);
    }
    // Puts the device window on that display and waits until its widgets know.
    void MoveTo(const char* name) {
        QScreen* display = Display(name);
        ASSERT_NE(display, nullptr);
        m_device->windowHandle()->setScreen(display);
        ASSERT_TRUE(
            WaitFor([&] { return m_device->devicePixelRatioF() == display->devicePixelRatio(); }));
        QCoreApplication::processEvents();
    }
};

TEST_F(HiDpiTest, AStripThumbnailAt2xHasTwiceThePixelsAndKeepsDetailA1xOneCannot) {
    // A bound QVGA layout on a 2x display draws the VGA pictures at half size.
    EXPECT_FALSE(IsHighResolution());
    EXPECT_EQ(SkinPictureRatio(), 2);
    EXPECT_TRUE(BoundSkinLibraryPath().endsWith("/Quillmark.vga"));

    CFrameList strip(m_device.get());
    strip.resize(240, 62);
    strip.show();
    // The picture area of the normal portrait frame is 35 x 45 logical pixels: a thumbnail
    // of 70 x 90 pixels fills it pixel for pixel at 2x.
    const QString path = PathIn("board.png");
    ASSERT_TRUE(Checkerboard(70, 90).save(path));
    const QSize box = CPageThumb::BoxForDisplay(QSize(35, 45), 2.0);
    EXPECT_EQ(box, QSize(70, 90));
    std::unique_ptr<CPage> page = MakePageFromFile(path, false, box.width(), box.height());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->thumb.surface->Image().size(), QSize(70, 90));
    std::unique_ptr<CPage> second = MakePageFromFile(path, false, box.width(), box.height());
    strip.Add(page.get());
    strip.Add(second.get()); // selected and raised: the first stays in a normal frame
    strip.grab();

    const QImage& drawn = strip.BackBuffer();
    EXPECT_EQ(drawn.size(), QSize(480, 124));
    EXPECT_EQ(drawn.devicePixelRatio(), 2.0);
    // Frame at (3, 6), picture inset (2, 2): logical (5, 8), pixels (10, 16).
    const QRect picture(10, 16, 70, 90);
    EXPECT_EQ(strip.ItemRects()[0].topLeft(), QPoint(3, 6));
    EXPECT_EQ(CheckerboardPixels(drawn, picture.adjusted(0, 0, -20, 0)), 50 * 90);

    // The same strip on a 1x display has one pixel for four of the picture's: it cannot show
    // the squares (about half its pixels match them, as any even colour would).
    MoveTo("plain");
    strip.grab();
    const QImage& coarse = strip.BackBuffer();
    EXPECT_EQ(coarse.size(), QSize(240, 62));
    EXPECT_LT(CheckerboardPixels(coarse, QRect(5, 8, 25, 45)), 25 * 45 * 3 / 5);
    strip.Clear(false);
}

TEST_F(HiDpiTest, TheMainScreenFollowsTheWindowToADisplayOfAnotherDensityAndBack) {
    const CAppSettings settings = AppSettings();
    AppSettings().autoPortrait = 0;
    StoreRememberedAnswer(1, 1); // no camera notice
    CMainDlg main;
    main.ShowModeless();
    ASSERT_TRUE(WaitFor([&] { return main.HasPainted() && main.LayoutCount() > 0; }));
    std::unique_ptr<CPage> made =
        main.Session().MakePageFromFile(Picture("A.jpg", 1200, 1600, QColor(200, 40, 40)));
    ASSERT_NE(made, nullptr);
    CPage* page = made.get();
    main.Session().AddPage(std::move(made));
    main.repaint();

    const auto expectDensity = [&](int ratio) {
        SCOPED_TRACE(ratio);
        EXPECT_EQ(platform::DeviceScreenRatio(), ratio);
        EXPECT_EQ(SkinPictureRatio(), ratio);
        EXPECT_TRUE(
            BoundSkinLibraryPath().endsWith(ratio == 2 ? "/Quillmark.vga" : "/Quillmark.qvga"));
        const QSize preview = main.PreviewRect().size();
        EXPECT_EQ(QSize(page->boxWidth, page->boxHeight), preview * ratio);
        EXPECT_EQ(page->thumb.thumbHeight, preview.height() * ratio);
        main.repaint();
        main.Strip()->repaint();
        main.Preview()->repaint();
        EXPECT_EQ(main.Strip()->BackBuffer().size(), main.Strip()->size() * ratio);
        EXPECT_EQ(main.Preview()->BackBuffer().size(), main.Preview()->size() * ratio);
        EXPECT_EQ(main.PaintBuffer().size(), main.size() * ratio);
        // The logo, drawn by its handle from before the move, is there.
        EXPECT_GT(SkinImageSize(SkinAddImage(IDB_LOGO)).width(), 0);
    };
    expectDensity(2);
    const int layouts = main.LayoutCount();
    const QImage dense = m_device->Grab();

    MoveTo("plain");
    expectDensity(1);
    EXPECT_GT(main.LayoutCount(), layouts);
    // The layout is the same 240 x 320 one, only at half the pixels.
    const QImage plain = m_device->Grab();
    EXPECT_EQ(plain.size(), dense.size() / 2);

    MoveTo("dense");
    expectDensity(2);
    EXPECT_EQ(m_device->Grab(), dense);
    main.DestroyScreen();
    AppSettings() = settings;
}

TEST_F(HiDpiTest, TheEditorShowsEveryPicturePixelAt50PercentAndFitsAtTheDisplaysPixels) {
    StartImaging();
    const QString path = PathIn("board.png");
    ASSERT_TRUE(Checkerboard(200, 160).save(path));
    auto editor = std::make_unique<CImageEditDlg>(nullptr, false);
    editor->LoadPicture(path);
    editor->ShowModeless();
    QCoreApplication::processEvents();
    CImageView* view = editor->View();

    // At 50 % a picture pixel is half a logical pixel: one pixel of a 2x display.
    editor->SendCommand(ID_ZOOM_50);
    view->viewport()->repaint();
    const QImage half = view->PaintedImage();
    EXPECT_EQ(half.size(), view->viewport()->size() * 2);
    EXPECT_EQ(CheckerboardPixels(half, QRect(0, 0, 200, 160)), 200 * 160);

    // Fitted, the picture is scaled once to the display's pixels.
    editor->SendCommand(ID_ZOOM_FIT);
    view->viewport()->repaint();
    const QImage fitted = view->PaintedImage();
    const int width = view->viewport()->width();
    ASSERT_EQ(fitted.width(), 2 * width);
    const int height = 160 * width / 200;
    // Grey inside the picture (each fitted pixel averages squares), white under it.
    const QColor inside(fitted.pixel(width, height));
    EXPECT_NEAR(inside.red(), 128, 40);
    EXPECT_EQ(QColor(fitted.pixel(width, 2 * height + 4)), QColor(Qt::white));
    editor->DestroyScreen();
    editor.reset();
    StopImaging();
}

TEST(ThumbBoxTest, TheDisplaysPixelsUpToALimitOnTheLongerSide) {
    EXPECT_EQ(CPageThumb::BoxForDisplay(QSize(220, 180), 1.0), QSize(220, 180));
    EXPECT_EQ(CPageThumb::BoxForDisplay(QSize(220, 180), 2.0), QSize(440, 360));
    EXPECT_EQ(CPageThumb::BoxForDisplay(QSize(220, 180), 1.5), QSize(330, 270));
    // A maximised window on a dense monitor: 1800 x 900 logical at 2x is capped, same shape.
    EXPECT_EQ(CPageThumb::BoxForDisplay(QSize(1800, 900), 2.0), QSize(1280, 640));
    EXPECT_EQ(CPageThumb::BoxForDisplay(QSize(0, 100), 2.0), QSize());
    EXPECT_EQ(CPageThumb::BoxForDisplay(QSize(100, 100), 0.0), QSize());
}

} // namespace
