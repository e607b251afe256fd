#include "session/PageFactory.h"

#include "app/AppSettings.h"
#include "session/Session.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QImage>

namespace {

class PageFactoryTest : public CTempHomeTest {
protected:
    QString Picture(const QString& name, int w, int h, const char* format) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(qRgb(200, 30, 40));
        const QString path = PathIn(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
};

TEST_F(PageFactoryTest, LandscapePictureGetsATemporaryUprightCopy) {
    const QString path = Picture("a.jpg", 64, 48, "JPEG");
    auto page = MakePageFromFile(path, true, 100, 100);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->path, path + ".tesimg");
    EXPECT_EQ(page->typeCode, 4);
    EXPECT_EQ(page->isTemporaryCopy, 1u);
    EXPECT_EQ(page->boxWidth, 100);
    EXPECT_EQ(page->boxHeight, 100);
    EXPECT_EQ(page->thumb.sourceWidth, 48); // the copy is upright
    EXPECT_EQ(page->thumb.sourceHeight, 64);
    EXPECT_FALSE(page->IsLandscape());
    ASSERT_TRUE(QFile::exists(path + ".tesimg"));
    page.reset();
    EXPECT_FALSE(QFile::exists(path + ".tesimg"));
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(PageFactoryTest, PortraitPicturesAndAutoPortraitOffUseTheFileItself) {
    const QString portrait = Picture("p.png", 30, 50, "PNG");
    auto page = MakePageFromFile(portrait, true, 80, 60);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->path, portrait);
    EXPECT_EQ(page->typeCode, 3);
    EXPECT_EQ(page->isTemporaryCopy, 0u);

    const QString landscape = Picture("l.bmp", 50, 30, "BMP");
    page = MakePageFromFile(landscape, false, 80, 60);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->path, landscape);
    EXPECT_EQ(page->typeCode, 1);
    EXPECT_TRUE(page->IsLandscape());
    EXPECT_FALSE(QFile::exists(landscape + ".tesimg"));
}

TEST_F(PageFactoryTest, UndecodablePicturesGiveNoPageAndLeaveNoCopy) {
    WriteFile(PathIn("bad.jpg"), "not a picture at all");
    EXPECT_FALSE(MakePageFromFile(PathIn("bad.jpg"), true, 100, 100));
    EXPECT_FALSE(QFile::exists(PathIn("bad.jpg.tesimg")));
    EXPECT_TRUE(QFile::exists(PathIn("bad.jpg")));
    EXPECT_FALSE(MakePageFromFile(PathIn("missing.png"), false, 100, 100));
    // A zero box builds no thumbnail, so no page.
    const QString path = Picture("z.png", 10, 10, "PNG");
    EXPECT_FALSE(MakePageFromFile(path, false, 0, 100));
}

TEST_F(PageFactoryTest, SessionMakesPagesWithTheSettingAndShowsThemInThePreview) {
    struct CPreview : CPageSelection {
        void PreviewShow(CPage* page, int number) override {
            shown.append(page);
            numbers.append(number);
        }
        QList<CPage*> shown;
        QList<int> numbers;
    } preview;
    CSession session;
    session.SetListener(&preview);
    session.SetThumbBox({120, 90});
    AppSettings().autoPortrait = 1;
    const QString path = Picture("cam.jpg", 64, 48, "JPEG");
    auto page = session.MakePageFromFile(path);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->path, path + ".tesimg");
    EXPECT_EQ(page->boxWidth, 120);
    ASSERT_EQ(preview.shown.size(), 2);
    EXPECT_EQ(preview.shown[0], nullptr); // cleared first
    EXPECT_EQ(preview.shown[1], page.get());
    session.AddPage(std::move(page));
    AppSettings().autoPortrait = 0;
    auto second = session.MakePageFromFile(path);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->path, path);
    EXPECT_EQ(preview.numbers.last(), 1); // labelled with the current page's number
}

} // namespace
