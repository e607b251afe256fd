#include "session/PageFactory.h"

#include "app/AppSettings.h"
#include "session/Session.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace {

class PageFactoryTest : public CTempHomeTest {
protected:
    // Left half red, right half blue: turned counter-clockwise, blue is on top.
    QString Picture(const QString& name, int w, int h, const char* format) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(qRgb(220, 20, 30));
        for (int y = 0; y < h; ++y)
            for (int x = w / 2; x < w; ++x)
                image.setPixel(x, y, qRgb(20, 30, 220));
        QString path = PathIn(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
    QStringList Files() const { return QDir(Home()).entryList(QDir::Files, QDir::Name); }
    static bool Blue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 90; }
    static bool Red(QRgb c) { return qRed(c) > 150 && qBlue(c) < 90; }
};

TEST_F(PageFactoryTest, LandscapePicturesAreTurnedWithoutWritingAnything) {
    for (const char* format : {"JPEG", "PNG", "BMP"}) {
        SCOPED_TRACE(format);
        const QString path =
            Picture(QString("a.%1").arg(QString(format).toLower()), 64, 48, format);
        const QStringList before = Files();
        auto page = MakePageFromFile(path, true, 100, 100);
        ASSERT_TRUE(page);
        EXPECT_EQ(page->path, path);
        EXPECT_TRUE(page->turnCcw);
        EXPECT_EQ(page->isTemporaryCopy, 0u);
        EXPECT_EQ(page->typeCode, std::string(format) == "JPEG"  ? kImageTypeJpeg
                                  : std::string(format) == "PNG" ? kImageTypePng
                                                                 : kImageTypeBmp);
        EXPECT_EQ(page->boxWidth, 100);
        EXPECT_EQ(page->thumb.sourceWidth, 48); // the page is upright
        EXPECT_EQ(page->thumb.sourceHeight, 64);
        EXPECT_EQ(page->thumb.thumbWidth, 75);
        EXPECT_EQ(page->thumb.thumbHeight, 100);
        EXPECT_FALSE(page->IsLandscape());
        // The right half became the top.
        const QImage thumb = page->thumb.surface->Image();
        EXPECT_TRUE(Blue(thumb.pixel(37, 10)));
        EXPECT_TRUE(Red(thumb.pixel(37, 90)));
        EXPECT_EQ(Files(), before);
        // A rebuilt thumbnail (after an edit) keeps the turn.
        ASSERT_TRUE(page->RebuildThumb(nullptr));
        EXPECT_FALSE(page->IsLandscape());
        page.reset();
        EXPECT_EQ(Files(), before);
    }
}

TEST_F(PageFactoryTest, AReadOnlyPicturesFolderStillGivesPortraitPages) {
    if (RerunWithPrivateMounts())
        return;
    ASSERT_TRUE(QDir().mkpath(PathIn("ro")));
    const QString path = Picture("ro/cam.jpg", 64, 48, "JPEG");
    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("ro"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();
    auto page = MakePageFromFile(path, true, 100, 100);
    auto pdfPage = MakePdfPageFromFile(path, true);
    ASSERT_TRUE(page);
    ASSERT_TRUE(pdfPage);
    EXPECT_TRUE(page->turnCcw);
    EXPECT_FALSE(page->IsLandscape());
    EXPECT_TRUE(pdfPage->turnCcw);
    EXPECT_EQ(QDir(PathIn("ro")).entryList(QDir::Files), QStringList{"cam.jpg"});
}

TEST_F(PageFactoryTest, PortraitPicturesAndAutoPortraitOffUseTheFileUnturned) {
    const QString portrait = Picture("p.png", 30, 50, "PNG");
    auto page = MakePageFromFile(portrait, true, 80, 60);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->path, portrait);
    EXPECT_EQ(page->typeCode, kImageTypePng);
    EXPECT_FALSE(page->turnCcw);

    const QString landscape = Picture("l.bmp", 50, 30, "BMP");
    page = MakePageFromFile(landscape, false, 80, 60);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->typeCode, kImageTypeBmp);
    EXPECT_FALSE(page->turnCcw);
    EXPECT_TRUE(page->IsLandscape());
    EXPECT_EQ(Files(), QStringList({"l.bmp", "p.png"}));
}

TEST_F(PageFactoryTest, PicturesThePdfCannotDrawKeepTheirUprightCopy) {
    const QString path = Picture("t.xpm", 64, 48, "XPM");
    auto page = MakePageFromFile(path, true, 100, 100);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->path, path + ".tesimg");
    EXPECT_EQ(page->typeCode, kImageTypeJpeg);
    EXPECT_EQ(page->isTemporaryCopy, 1u);
    EXPECT_FALSE(page->turnCcw);
    EXPECT_EQ(QImage(page->path).size(), QSize(48, 64));
    page.reset();
    EXPECT_FALSE(QFile::exists(path + ".tesimg"));
}

TEST_F(PageFactoryTest, TheEditorsOwnFileIsTheTurnedCopyNeverTheOriginal) {
    const QString path = Picture("a.jpg", 64, 48, "JPEG");
    const QByteArray original = ReadFile(path);
    auto page = MakePageFromFile(path, true, 100, 100);
    ASSERT_TRUE(page);
    ASSERT_TRUE(MakePageFileOwn(*page));
    EXPECT_EQ(page->path, path + ".tesimg");
    EXPECT_EQ(page->typeCode, kImageTypeJpeg);
    EXPECT_EQ(page->isTemporaryCopy, 1u);
    EXPECT_FALSE(page->turnCcw);
    const QImage copy(page->path);
    ASSERT_EQ(copy.size(), QSize(48, 64));
    EXPECT_TRUE(Blue(copy.pixel(24, 5)));
    EXPECT_TRUE(Red(copy.pixel(24, 58)));
    // The thumbnail already showed the page upright; rebuilt from the copy it stays so.
    EXPECT_FALSE(page->IsLandscape());
    ASSERT_TRUE(page->RebuildThumb(nullptr));
    EXPECT_EQ(page->thumb.sourceWidth, 48);
    // An edit writes the page's file: the copy changes, the picture never does.
    QImage edited = copy.mirrored(false, true);
    ASSERT_TRUE(edited.save(page->path, "JPEG"));
    EXPECT_EQ(ReadFile(path), original);
    EXPECT_TRUE(MakePageFileOwn(*page)); // already its own: nothing more is written
    EXPECT_EQ(page->path, path + ".tesimg");
    page.reset();
    EXPECT_FALSE(QFile::exists(path + ".tesimg"));
    EXPECT_EQ(ReadFile(path), original);

    // A page on the user's own upright picture needs no copy.
    const QString portrait = Picture("p.jpg", 30, 50, "JPEG");
    page = MakePageFromFile(portrait, true, 100, 100);
    ASSERT_TRUE(page);
    EXPECT_TRUE(MakePageFileOwn(*page));
    EXPECT_EQ(page->path, portrait);
    EXPECT_EQ(Files(), QStringList({"a.jpg", "p.jpg"}));
}

TEST_F(PageFactoryTest, ACopyThatCannotBeWrittenLeavesThePageAsItWas) {
    const QString path = Picture("a.jpg", 64, 48, "JPEG");
    auto page = MakePageFromFile(path, true, 100, 100);
    ASSERT_TRUE(page);
    ASSERT_TRUE(QDir().mkpath(path + ".tesimg")); // a folder stands where the copy would go
    EXPECT_FALSE(MakePageFileOwn(*page));
    EXPECT_EQ(page->path, path);
    EXPECT_TRUE(page->turnCcw);
    EXPECT_EQ(page->isTemporaryCopy, 0u);
    page.reset();
    EXPECT_TRUE(QFileInfo(path + ".tesimg").isDir());
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(PageFactoryTest, UndecodablePicturesGiveNoPageAndLeaveNoCopy) {
    WriteFile(PathIn("bad.jpg"), "not a picture at all");
    EXPECT_FALSE(MakePageFromFile(PathIn("bad.jpg"), true, 100, 100));
    EXPECT_FALSE(MakePdfPageFromFile(PathIn("bad.jpg"), true));
    const QString good = Picture("cut.jpg", 64, 48, "JPEG");
    const QByteArray bytes = ReadFile(good);
    WriteFile(good, bytes.left(bytes.size() - 40));
    EXPECT_FALSE(MakePageFromFile(good, true, 100, 100));
    EXPECT_FALSE(MakePdfPageFromFile(good, true));
    EXPECT_FALSE(MakePageFromFile(PathIn("missing.png"), false, 100, 100));
    EXPECT_FALSE(MakePdfPageFromFile(PathIn("missing.png"), false));
    // A zero box builds no thumbnail, so no page.
    const QString path = Picture("z.png", 10, 10, "PNG");
    EXPECT_FALSE(MakePageFromFile(path, false, 0, 100));
    EXPECT_EQ(Files(), QStringList({"bad.jpg", "cut.jpg", "z.png"}));
}

TEST_F(PageFactoryTest, PdfPagesHaveNoThumbnailButTheSameFileTypeAndTurn) {
    const QString jpeg = Picture("a.jpg", 64, 48, "JPEG");
    const QString png = Picture("b.png", 64, 48, "PNG");
    for (const QString& path : {jpeg, png}) {
        for (const bool autoPortrait : {false, true}) {
            auto screen = MakePageFromFile(path, autoPortrait, 100, 100);
            auto pdf = MakePdfPageFromFile(path, autoPortrait);
            ASSERT_TRUE(screen);
            ASSERT_TRUE(pdf);
            EXPECT_EQ(pdf->path, screen->path);
            EXPECT_EQ(pdf->typeCode, screen->typeCode);
            EXPECT_EQ(pdf->turnCcw, screen->turnCcw);
            EXPECT_EQ(pdf->turnCcw, autoPortrait);
            EXPECT_FALSE(pdf->thumb.HasSurface());
        }
    }
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
    EXPECT_EQ(page->path, path);
    EXPECT_TRUE(page->turnCcw);
    EXPECT_EQ(page->boxWidth, 120);
    ASSERT_EQ(preview.shown.size(), 2);
    EXPECT_EQ(preview.shown[0], nullptr); // cleared first
    EXPECT_EQ(preview.shown[1], page.get());
    session.AddPage(std::move(page));
    AppSettings().autoPortrait = 0;
    auto second = session.MakePageFromFile(path);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->path, path);
    EXPECT_FALSE(second->turnCcw);
    EXPECT_EQ(preview.numbers.last(), 1); // labelled with the current page's number
}

} // namespace
