#include "imaging/Enhance.h"

#include "tests/imaging/ScanCorpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace imagingtest;

namespace {

// A drawn page under a strong light gradient with a warm tint (a desk lamp), and where its
// ink and its clear paper are.
struct CLitPage {
    QImage drawing;
    QImage photo;
    std::vector<QPoint> ink;   // dark strokes of the drawing
    std::vector<QPoint> paper; // paper at least 4 pixels away from any mark
    std::vector<QPoint> red;   // inside the red box
};

CLitPage MakeLitPage(QSize size = QSize(700, 990)) {
    CLitPage p;
    p.drawing = DrawPage(size, 11);
    p.photo = p.drawing.copy();
    LightAndNoise(p.photo, 4, 1.6);
    for (int y = 0; y < p.photo.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(p.photo.scanLine(y));
        for (int x = 0; x < p.photo.width(); ++x)
            row[x] = qRgb(qRed(row[x]), qGreen(row[x]) * 95 / 100, qBlue(row[x]) * 82 / 100);
    }
    const int w = size.width();
    const int h = size.height();
    std::vector<int> markNear(std::size_t(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = p.drawing.pixel(x, y);
            if (qGray(c) > 235)
                continue;
            for (int dy = -4; dy <= 4; ++dy)
                for (int dx = -4; dx <= 4; ++dx)
                    if (x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h)
                        markNear[std::size_t(y + dy) * w + x + dx] = 1;
            if (qRed(c) > 150 && qGreen(c) < 80)
                p.red.emplace_back(x, y);
            else if (qGray(c) < 60)
                p.ink.emplace_back(x, y);
        }
    for (int y = 0; y < h; y += 3)
        for (int x = 0; x < w; x += 3)
            if (!markNear[std::size_t(y) * w + x])
                p.paper.emplace_back(x, y);
    return p;
}

template <typename F> double Share(const QImage& image, const std::vector<QPoint>& at, F test) {
    long hits = 0;
    for (const QPoint& q : at)
        hits += test(image.pixel(q));
    return at.empty() ? 0 : double(hits) / double(at.size());
}

double MeanOf(const QImage& image, const std::vector<QPoint>& at, int (*channel)(QRgb)) {
    double sum = 0;
    for (const QPoint& q : at)
        sum += channel(image.pixel(q));
    return at.empty() ? 0 : sum / double(at.size());
}

bool Grey(QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

class EnhanceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_page = new CLitPage(MakeLitPage()); }
    static void TearDownTestSuite() {
        delete s_page;
        s_page = nullptr;
    }
    static CLitPage* s_page;
};
CLitPage* EnhanceTest::s_page = nullptr;

} // namespace

TEST_F(EnhanceTest, BlackAndWhiteIsOnlyBlackAndWhiteWithTextBlackAndPaperWhite) {
    const QImage bw = EnhanceImage(s_page->photo, ELook::BlackAndWhite);
    ASSERT_EQ(bw.size(), s_page->photo.size());
    for (int y = 0; y < bw.height(); ++y)
        for (int x = 0; x < bw.width(); ++x) {
            const QRgb c = bw.pixel(x, y);
            ASSERT_TRUE(Grey(c) && (qRed(c) == 0 || qRed(c) == 255)) << x << "," << y;
        }
    // The dark corner of the lamp's light still gives white paper.
    EXPECT_GT(Share(bw, s_page->paper, [](QRgb c) { return qRed(c) == 255; }), 0.995);
    EXPECT_GT(Share(bw, s_page->ink, [](QRgb c) { return qRed(c) == 0; }), 0.9);
    // A filled box is black inside, not an outline.
    EXPECT_GT(Share(bw, s_page->red, [](QRgb c) { return qRed(c) == 0; }), 0.9);
}

TEST_F(EnhanceTest, GreyHasEqualChannelsAndEvenPaper) {
    const QImage grey = EnhanceImage(s_page->photo, ELook::Grey);
    ASSERT_EQ(grey.size(), s_page->photo.size());
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            ASSERT_TRUE(Grey(grey.pixel(x, y))) << x << "," << y;
    EXPECT_GT(Share(grey, s_page->paper, [](QRgb c) { return qRed(c) >= 235; }), 0.99);
    // In the photo the paper varies by far more than that.
    EXPECT_LT(Share(s_page->photo, s_page->paper, [](QRgb c) { return qGray(c) >= 235; }), 0.5);
    EXPECT_LT(MeanOf(grey, s_page->ink, qRed), 50);
    // The red box keeps a middle grey: greys, not black and white.
    const double box = MeanOf(grey, s_page->red, qRed);
    EXPECT_GT(box, 40);
    EXPECT_LT(box, 200);
}

TEST_F(EnhanceTest, ColourDocumentWhitensPaperKeepsColoursAndDeepensInk) {
    const QImage doc = EnhanceImage(s_page->photo, ELook::ColourDocument);
    ASSERT_EQ(doc.size(), s_page->photo.size());
    // Paper white in every channel, the lamp's warm tint gone.
    using Channel = int (*)(QRgb);
    for (Channel channel : std::array<Channel, 3>{qRed, qGreen, qBlue})
        EXPECT_GT(MeanOf(doc, s_page->paper, channel), 248);
    EXPECT_GT(Share(doc, s_page->paper,
                    [](QRgb c) {
                        return std::min({qRed(c), qGreen(c), qBlue(c)}) >= 235;
                    }),
              0.99);
    // The red box stays clearly red, the heading blue; ink gets darker than in the photo.
    EXPECT_GT(MeanOf(doc, s_page->red, qRed) - MeanOf(doc, s_page->red, qGreen), 100);
    EXPECT_LT(MeanOf(doc, s_page->ink, qGreen), MeanOf(s_page->photo, s_page->ink, qGreen));
    EXPECT_LT(MeanOf(doc, s_page->ink, qGreen), 40);
}

TEST_F(EnhanceTest, OriginalIsAnExactCopyAndEmptyPicturesGiveNothing) {
    const QImage original = EnhanceImage(s_page->photo, ELook::Original);
    EXPECT_EQ(original, s_page->photo.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(EnhanceImage(QImage(), ELook::Grey).isNull());
}

TEST(LookNameTest, NamesRoundTripAndAcceptTheUsualSpellings) {
    for (ELook look : {ELook::Original, ELook::Grey, ELook::BlackAndWhite, ELook::ColourDocument})
        EXPECT_EQ(LookFromName(LookName(look)), look);
    EXPECT_EQ(LookFromName(" Gray "), ELook::Grey);
    EXPECT_EQ(LookFromName("COLOR"), ELook::ColourDocument);
    EXPECT_EQ(LookFromName("black-and-white"), ELook::BlackAndWhite);
    EXPECT_EQ(LookFromName("original"), ELook::Original);
    EXPECT_FALSE(LookFromName("sepia").has_value());
    EXPECT_FALSE(LookFromName("").has_value());
}

TEST_F(EnhanceTest, LargeDarkAreasStayFilledUnderUnevenLight) {
    // A filled box far wider than a few lines (a dark photo, a shaded table) under the
    // lamp's gradient: its middle was once taken for dim paper and came out white.
    QImage photo = s_page->drawing.copy();
    const QRect box(photo.width() / 8, photo.height() * 6 / 10, photo.width() * 3 / 4,
                    photo.height() * 3 / 10);
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            photo.setPixel(x, y, qRgb(30, 30, 30));
    LightAndNoise(photo, 4, 1.6);
    std::vector<QPoint> inside;
    for (int y = box.top() + 4; y < box.bottom() - 4; y += 3)
        for (int x = box.left() + 4; x < box.right() - 4; x += 3)
            inside.emplace_back(x, y);
    const QImage bw = EnhanceImage(photo, ELook::BlackAndWhite);
    EXPECT_GT(Share(bw, inside, [](QRgb c) { return qRed(c) == 0; }), 0.99);
    const QImage grey = EnhanceImage(photo, ELook::Grey);
    EXPECT_LT(MeanOf(grey, inside, qRed), 60);
    // The paper around it is still paper.
    std::vector<QPoint> paper;
    for (const QPoint& q : s_page->paper)
        if (!box.adjusted(-8, -8, 8, 8).contains(q))
            paper.push_back(q);
    EXPECT_GT(Share(bw, paper, [](QRgb c) { return qRed(c) == 255; }), 0.99);
}
