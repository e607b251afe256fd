#include "skin/ImageCache.h"

#include "tests/skin/TestPng.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdio>
#include <map>

namespace {

// A surface of w x h 32-bit pixels, optionally with padding at the end of each row.
struct TestSurface {
    TestSurface(int w, int h, std::uint32_t fill, int padding = 0)
        : stride(w + padding), pixels(std::size_t(stride * h), fill) {
        dc.pixels = pixels.data();
        dc.width = w;
        dc.height = h;
        dc.bytesPerLine = stride * 4;
        dc.clip = {0, 0, w, h};
    }
    std::uint32_t At(int x, int y) const {
        return pixels[std::size_t(y) * std::size_t(stride) + std::size_t(x)];
    }

    int stride;
    std::vector<std::uint32_t> pixels;
    TesSurface dc;
};

// Pictures of the cache under test, by identifier.
class CTestPictures {
public:
    void Add(std::uint32_t id, Bytes png) {
        m_data[id] = std::move(png);
        m_list.clear();
        for (auto& [key, bytes] : m_data)
            m_list.push_back({key, bytes.data(), std::uint32_t(bytes.size())});
        m_table = {m_list.data(), int(m_list.size())};
    }
    const SkinPictureTable* Table() const { return &m_table; }

private:
    std::map<std::uint32_t, Bytes> m_data;
    std::vector<SkinPicture> m_list;
    SkinPictureTable m_table;
};

constexpr std::uint32_t kBlack = 0xFF000000;

} // namespace

TEST(ImageCache, FirstHandleIs10000AndAPictureAddedTwiceKeepsItsHandle) {
    CTestPictures pictures;
    pictures.Add(11950, MakeSolidPng(3, 2, 255, 0, 0, 255));
    pictures.Add(11951, MakeSolidPng(3, 2, 0, 255, 0, 255));
    CImageCache cache(pictures.Table());

    EXPECT_EQ(cache.AddResourceImage(11950, nullptr), 10000);
    EXPECT_EQ(cache.AddResourceImage(11950, nullptr), 10000);
    const TesColour white = 0xFFFFFF;
    EXPECT_EQ(cache.AddResourceImage(11950, &white), 10000); // the existing record, unchanged
    EXPECT_FALSE(cache.Records()[0].hasColour);
    EXPECT_EQ(cache.Records().size(), 1u);

    // A failed add makes no record and uses no handle.
    EXPECT_EQ(cache.AddResourceImage(4242, nullptr), -1);
    EXPECT_EQ(cache.LastDecodeResult(), kPngNotFound);
    EXPECT_EQ(cache.AddResourceImage(11951, nullptr), 10001);
    EXPECT_EQ(cache.Records().size(), 2u);
    EXPECT_EQ(cache.GetImageSize(10001).cx, 3);
    EXPECT_EQ(cache.GetImageSize(10001).cy, 2);
    EXPECT_EQ(cache.GetImageSize(9999).cx, -1);
    EXPECT_EQ(cache.GetImageSize(9999).cy, -1);
}

TEST(ImageCache, OpacityTableAndFiftyPercentWhiteOverBlack) {
    CTestPictures pictures;
    pictures.Add(1, MakeSolidPng(2, 2, 255, 255, 255, 255));
    CImageCache cache(pictures.Table());
    EXPECT_EQ(cache.OpacityTable(50, 255), 127);
    EXPECT_EQ(cache.OpacityTable(100, 255), 255);
    EXPECT_EQ(cache.OpacityTable(1, 99), 0);
    EXPECT_EQ(cache.OpacityTable(33, 200), 66);
    EXPECT_EQ(cache.Opacity(), 100);

    const std::int32_t handle = cache.AddResourceImage(1, nullptr);
    TestSurface surface(4, 4, kBlack);
    cache.SetOpacity(50);
    EXPECT_EQ(cache.DrawImage(&surface.dc, handle, 1, 1, nullptr), 1);
    EXPECT_EQ(surface.At(1, 1), 0xFF7E7E7Eu); // (127 x 255) >> 8 = 126
    EXPECT_EQ(surface.At(2, 2), 0xFF7E7E7Eu);
    EXPECT_EQ(surface.At(0, 0), kBlack);
    EXPECT_EQ(surface.At(3, 3), kBlack);

    // Opacity 0 draws nothing and still reports success, even for an unknown handle.
    cache.SetOpacity(0);
    TestSurface untouched(4, 4, kBlack);
    EXPECT_EQ(cache.DrawImage(&untouched.dc, handle, 0, 0, nullptr), 1);
    EXPECT_EQ(cache.DrawImage(&untouched.dc, 777, 0, 0, nullptr), 1);
    EXPECT_EQ(untouched.At(0, 0), kBlack);
    cache.SetOpacity(250);
    EXPECT_EQ(cache.Opacity(), 100);
}

TEST(ImageCache, BlendingToTheExactInteger) {
    // Source (200, 100, 0) at alpha 128 over destination (10, 20, 30):
    // (200*128 + 10*127) >> 8 = 104, (100*128 + 20*127) >> 8 = 59, (0 + 30*127) >> 8 = 14.
    CTestPictures pictures;
    pictures.Add(1, MakeSolidPng(1, 1, 200, 100, 0, 128));
    CImageCache cache(pictures.Table());
    const std::int32_t handle = cache.AddResourceImage(1, nullptr);
    TestSurface surface(1, 1, 0xFF0A141E);
    ASSERT_EQ(cache.DrawImage(&surface.dc, handle, 0, 0, nullptr), 1);
    EXPECT_EQ(surface.At(0, 0), 0xFF683B0Eu);
}

TEST(ImageCache, TransparentPictureLeavesTheDestinationAndPaintsTheColourExactly) {
    CTestPictures pictures;
    pictures.Add(1, MakeSolidPng(3, 3, 255, 0, 0, 0));
    CImageCache cache(pictures.Table());
    const std::int32_t handle = cache.AddResourceImage(1, nullptr);

    TestSurface surface(5, 5, 0x00123456); // an alpha byte of 0 must survive untouched too
    ASSERT_EQ(cache.DrawImage(&surface.dc, handle, 1, 1, nullptr), 1);
    for (std::uint32_t pixel : surface.pixels)
        EXPECT_EQ(pixel, 0x00123456u);

    ASSERT_EQ(cache.DrawImageOnColour(&surface.dc, handle, 1, 1, TesRgb(0x11, 0x22, 0x33)), 1);
    EXPECT_EQ(surface.At(1, 1), 0xFF112233u);
    EXPECT_EQ(surface.At(3, 3), 0xFF112233u);
    EXPECT_EQ(surface.At(0, 0), 0x00123456u);
    EXPECT_EQ(surface.At(4, 4), 0x00123456u);
}

TEST(ImageCache, PictureAddedOnAColourIsAlwaysDrawnOntoIt) {
    CTestPictures pictures;
    pictures.Add(1, MakeRgbaPng(2, 1, {0, 0, 255, 0, 0, 0, 255, 255}));
    CImageCache cache(pictures.Table());
    const TesColour green = TesRgb(0, 255, 0);
    const std::int32_t handle = cache.AddResourceImage(1, &green);
    cache.SetOpacity(10);
    TestSurface surface(3, 1, kBlack);
    const TesRect part{1, 0, 2, 1}; // ignored: the whole picture is drawn
    ASSERT_EQ(cache.DrawImage(&surface.dc, handle, 0, 0, &part), 1);
    EXPECT_EQ(surface.At(0, 0), 0xFF00FF00u);
    EXPECT_EQ(surface.At(1, 0), 0xFF0000FFu);
    EXPECT_EQ(surface.At(2, 0), kBlack);
}

TEST(ImageCache, SourceRectangleIsClampedToThePicture) {
    // 3 x 2 picture, every pixel its own colour; alpha 255 except one half-transparent pixel.
    Bytes rgba;
    for (int i = 0; i < 6; ++i)
        rgba.insert(rgba.end(), {std::uint8_t(10 * i), std::uint8_t(20 + i), 200, 255});
    rgba[4 * 5 + 3] = 128; // pixel (2, 1)
    CTestPictures pictures;
    pictures.Add(1, MakeRgbaPng(3, 2, rgba));
    CImageCache cache(pictures.Table());
    const std::int32_t handle = cache.AddResourceImage(1, nullptr);
    cache.SetOpacity(50); // the source-rectangle drawing uses each pixel's own alpha

    TestSurface surface(6, 5, kBlack);
    const TesRect huge{-4, -7, 100, 100};
    ASSERT_EQ(cache.DrawImage(&surface.dc, handle, 1, 2, &huge), 1);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const int px = x - 1, py = y - 2;
            std::uint32_t expected = kBlack;
            if (px >= 0 && px < 3 && py >= 0 && py < 2) {
                const int i = py * 3 + px;
                expected =
                    0xFF000000u | std::uint32_t(10 * i) << 16 | std::uint32_t(20 + i) << 8 | 200u;
                if (i == 5) // (s x 128) >> 8 over black
                    expected = 0xFF000000u | (50u * 128 >> 8) << 16 | (25u * 128 >> 8) << 8 |
                               (200u * 128 >> 8);
            }
            EXPECT_EQ(surface.At(x, y), expected) << x << "," << y;
        }
    }

    // A part of the picture lands with its own top-left corner at (x, y).
    TestSurface part(2, 2, kBlack);
    const TesRect middle{1, 1, 2, 2};
    ASSERT_EQ(cache.DrawImage(&part.dc, handle, 0, 0, &middle), 1);
    EXPECT_EQ(part.At(0, 0), 0xFF000000u | 40u << 16 | 24u << 8 | 200u);
    EXPECT_EQ(part.At(1, 0), kBlack);
}

TEST(ImageCache, DrawingHonoursOriginClipAndSurfaceEdges) {
    CTestPictures pictures;
    pictures.Add(1, MakeSolidPng(4, 4, 255, 255, 255, 255));
    CImageCache cache(pictures.Table());
    const std::int32_t handle = cache.AddResourceImage(1, nullptr);

    TestSurface surface(6, 6, kBlack, 3);
    surface.dc.originX = 2;
    surface.dc.originY = 1;
    surface.dc.clip = {0, 0, 4, 3};
    ASSERT_EQ(cache.DrawImage(&surface.dc, handle, 1, 0, nullptr), 1); // lands at (3, 1)
    EXPECT_EQ(surface.At(3, 1), 0xFFFFFFFFu);
    EXPECT_EQ(surface.At(3, 2), 0xFFFFFFFFu);
    EXPECT_EQ(surface.At(4, 1), kBlack); // right of the clip
    EXPECT_EQ(surface.At(3, 3), kBlack); // below the clip
    EXPECT_EQ(surface.At(2, 1), kBlack); // left of the picture
    // Far outside the surface: nothing is written, nothing overflows.
    EXPECT_EQ(cache.DrawImage(&surface.dc, handle, -2147483000, 2147483000, nullptr), 1);
    EXPECT_EQ(cache.DrawImage(&surface.dc, handle, -3, -3, nullptr), 1);
    EXPECT_EQ(surface.At(0, 0), 0xFFFFFFFFu); // (-3 + 2, -3 + 1) .. reaches (0, 0)
    for (int y = 0; y < 6; ++y)
        for (int x = 6; x < 9; ++x)
            EXPECT_EQ(surface.pixels[std::size_t(y * 9 + x)], kBlack); // row padding
}

TEST(ImageCache, TilesFillTheDestinationAndAreCutAtItsEdges) {
    // 2 x 2: red green / blue white.
    CTestPictures pictures;
    pictures.Add(
        1, MakeRgbaPng(2, 2, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255}));
    CImageCache cache(pictures.Table());
    const std::int32_t handle = cache.AddResourceImage(1, nullptr);
    constexpr std::uint32_t R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, W = 0xFFFFFFFF,
                            K = kBlack;

    TestSurface surface(7, 5, K);
    const TesRect dest{1, 1, 6, 4}; // 5 x 3
    ASSERT_EQ(cache.TileImage(&surface.dc, handle, &dest, nullptr), 1);
    const std::uint32_t expected[5][7] = {
        {K, K, K, K, K, K, K}, {K, R, G, R, G, R, K}, {K, B, W, B, W, B, K},
        {K, R, G, R, G, R, K}, {K, K, K, K, K, K, K},
    };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(surface.At(x, y), expected[y][x]) << x << "," << y;

    // A one-pixel source column repeated across.
    TestSurface column(3, 2, K);
    const TesRect all{0, 0, 3, 2};
    const TesRect right{1, 0, 2, 2};
    ASSERT_EQ(cache.TileImage(&column.dc, handle, &all, &right), 1);
    EXPECT_EQ(column.At(0, 0), G);
    EXPECT_EQ(column.At(2, 0), G);
    EXPECT_EQ(column.At(2, 1), W);

    // An empty source cannot loop forever; an unknown handle reports 0.
    const TesRect empty{1, 1, 1, 1};
    EXPECT_EQ(cache.TileImage(&column.dc, handle, &all, &empty), 1);
    EXPECT_EQ(cache.TileImage(&column.dc, 12345, &all, nullptr), 0);
    EXPECT_EQ(cache.DrawImage(&column.dc, 12345, 0, 0, nullptr), 0);
    EXPECT_EQ(cache.DrawImageOnColour(&column.dc, 12345, 0, 0, 0), 0);
}

TEST(ImageCache, AfterAllSlotsAreTakenSlotZeroIsReusedAndRedecodedOnDraw) {
    CTestPictures pictures;
    for (std::uint32_t i = 0; i < 130; ++i)
        pictures.Add(20000 + i, MakeSolidPng(1, 1, std::uint8_t(i), 0, 0, 255));
    CImageCache cache(pictures.Table());
    for (std::uint32_t i = 0; i < 128; ++i)
        ASSERT_EQ(cache.AddResourceImage(20000 + i, nullptr), std::int32_t(10000 + i));
    for (int i = 0; i < 128; ++i)
        ASSERT_EQ(cache.Records()[std::size_t(i)].slot, i);

    ASSERT_EQ(cache.AddResourceImage(20128, nullptr), 10128);
    EXPECT_EQ(cache.Records()[0].slot, -1);
    EXPECT_EQ(cache.Records()[128].slot, 0);
    EXPECT_EQ(cache.SlotAt(0).priority, 20);

    // Adding the evicted picture again finds its record: no new handle, still not decoded.
    EXPECT_EQ(cache.AddResourceImage(20000, nullptr), 10000);
    EXPECT_EQ(cache.Records()[0].slot, -1);

    // Drawing it decodes it again, into slot 0 once more.
    TestSurface surface(1, 1, 0xFFFFFFFF);
    ASSERT_EQ(cache.DrawImage(&surface.dc, 10000, 0, 0, nullptr), 1);
    EXPECT_EQ(surface.At(0, 0), 0xFF000000u);
    EXPECT_EQ(cache.Records()[0].slot, 0);
    EXPECT_EQ(cache.Records()[128].slot, -1);
    ASSERT_EQ(cache.DrawImage(&surface.dc, 10128, 0, 0, nullptr), 1);
    EXPECT_EQ(surface.At(0, 0), 0xFF800000u); // red 128
    EXPECT_EQ(cache.Records()[0].slot, -1);
    EXPECT_EQ(cache.Records()[128].slot, 0);
    EXPECT_EQ(cache.Records()[1].slot, 1); // the others stay decoded
}

TEST(ImageCache, FilePicturesAreDecodedEachTimeTheyAreAdded) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("face.png").toStdString();
    const Bytes png = MakeSolidPng(5, 4, 1, 2, 3, 255);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(file);
    std::fwrite(png.data(), 1, png.size(), file);
    std::fclose(file);

    CImageCache cache(nullptr);
    EXPECT_EQ(cache.AddFileImage(path.c_str(), nullptr), 10000);
    EXPECT_EQ(cache.AddFileImage(path.c_str(), nullptr), 10001);
    EXPECT_EQ(cache.GetImageSize(10001).cx, 5);
    EXPECT_EQ(cache.AddFileImage((path + ".missing").c_str(), nullptr), -1);
    EXPECT_EQ(cache.LastDecodeResult(), kPngNotFound);
    EXPECT_EQ(cache.AddFileImage("", nullptr), -1);
    EXPECT_EQ(cache.AddResourceImage(11950, nullptr), -1); // no pictures at all
    EXPECT_EQ(cache.AddFileImage(path.c_str(), nullptr), 10002);
}
