#include "imaging/ImageEdit.h"

#include "imaging/DibBitmap.h"
#include "imaging/JpegWriter.h"
#include "imaging/ScanCopy.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/imaging/ScanCorpus.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

using namespace imagingtest;

namespace {

class CCountingEdit : public CImageEdit {
public:
    int contentChanges = 0;

protected:
    void OnContentSizeChanged() override { ++contentChanges; }
};

QImage Picture(const CImageEdit& edit) {
    return edit.Current() ? edit.Current()->ToImage().convertToFormat(QImage::Format_RGB32)
                          : QImage();
}

bool SameChannels(const QImage& image) {
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) != qGreen(c) || qGreen(c) != qBlue(c))
                return false;
        }
    return true;
}

class ImageEditScanTest : public CImagingTest {
protected:
    // A generated photo of a page on a desk, saved as a PNG the editor loads.
    QString Photo(int index, CScanCase* scanCase = nullptr) {
        const CScanCase c = MakeScanCase(index, 800);
        QString path = PathIn(QStringLiteral("photo%1.png").arg(index));
        EXPECT_TRUE(SavePng(c.photo, path));
        if (scanCase)
            *scanCase = c;
        return path;
    }
};

} // namespace

TEST_F(ImageEditScanTest, StraightenWarpsToTheSheetAndUndoBringsBackThePicture) {
    CScanCase c;
    CCountingEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Photo(2, &c)));
    const QImage before = Picture(edit);
    const CPageCorners corners = edit.FindSheetCorners();
    EXPECT_LT(corners.MaxDistance(c.corners), 0.02 * std::hypot(800, 600));
    // The undo copy the editor will make, written the same way beforehand for comparison.
    const QString expectedUndo = PathIn("expected-undo.jpg");
    ASSERT_TRUE(SaveBitmapAsJpeg(expectedUndo, kJpegQuality, edit.Current()));

    const int changesBefore = edit.contentChanges;
    ASSERT_TRUE(edit.Straighten(corners));
    EXPECT_TRUE(edit.UndoAvailable());
    EXPECT_EQ(QSize(edit.PictureWidth(), edit.PictureHeight()), corners.StraightenedSize());
    EXPECT_GT(edit.contentChanges, changesBefore);
    // The sheet now fills the picture: its corners are paper, not desk.
    const QImage straight = Picture(edit);
    for (const QPoint p :
         {QPoint(3, 3), QPoint(straight.width() - 4, 3), QPoint(3, straight.height() - 4),
          QPoint(straight.width() - 4, straight.height() - 4)})
        EXPECT_GT(qGray(straight.pixel(p)), 150) << p.x() << "," << p.y();

    ASSERT_TRUE(edit.UndoLastChange());
    EXPECT_FALSE(edit.UndoAvailable());
    // Exactly the picture as every undo gives it back (the undo file is a JPEG at quality
    // 100), and that is the photo within the JPEG's rounding.
    EXPECT_EQ(Picture(edit), QImage(expectedUndo).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Picture(edit).size(), before.size());
    EXPECT_LT(MeanGreyError(Picture(edit), before), 1.0);
}

TEST_F(ImageEditScanTest, StraightenRefusesCornersThatChangeNothingOrCross) {
    CImageEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Photo(4)));
    const QImage before = Picture(edit);
    EXPECT_FALSE(edit.Straighten(CPageCorners::Whole(edit.PictureWidth(), edit.PictureHeight())));
    EXPECT_FALSE(edit.Straighten(CPageCorners({0, 0}, {300, 300}, {300, 0}, {0, 300})));
    EXPECT_FALSE(edit.UndoAvailable());
    EXPECT_FALSE(QFile::exists(edit.UndoPath()));
    EXPECT_EQ(Picture(edit), before);
    CImageEdit empty;
    EXPECT_FALSE(empty.Straighten(CPageCorners({10, 10}, {90, 12}, {95, 80}, {8, 85})));
    EXPECT_EQ(empty.FindSheetCorners(), CPageCorners());
}

// Looks tried in turn all start from the picture before the first of them; Original takes the
// look back exactly.
TEST_F(ImageEditScanTest, LooksReplaceEachOtherAndOriginalTakesThemBack) {
    CImageEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Photo(7)));
    const QImage before = Picture(edit);
    EXPECT_FALSE(edit.Enhance(ELook::Original)); // nothing to take back
    EXPECT_FALSE(edit.UndoAvailable());

    ASSERT_TRUE(edit.Enhance(ELook::Grey));
    EXPECT_EQ(edit.CurrentLook(), ELook::Grey);
    EXPECT_TRUE(SameChannels(Picture(edit)));
    EXPECT_TRUE(edit.UndoAvailable());
    EXPECT_FALSE(edit.Enhance(ELook::Grey));

    // The colour look after the grey one still has the colours of the photo.
    ASSERT_TRUE(edit.Enhance(ELook::ColourDocument));
    EXPECT_FALSE(SameChannels(Picture(edit)));
    EXPECT_EQ(Picture(edit),
              EnhanceImage(before, ELook::ColourDocument).convertToFormat(QImage::Format_RGB32));
    ASSERT_TRUE(edit.Enhance(ELook::BlackAndWhite));
    EXPECT_EQ(Picture(edit),
              EnhanceImage(before, ELook::BlackAndWhite).convertToFormat(QImage::Format_RGB32));

    ASSERT_TRUE(edit.Enhance(ELook::Original));
    EXPECT_EQ(Picture(edit), before);
    EXPECT_EQ(edit.CurrentLook(), ELook::Original);
    EXPECT_FALSE(edit.UndoAvailable());
}

TEST_F(ImageEditScanTest, AnotherChangeEndsTheRunOfLooksAndUndoRestoresTheUnlookedPicture) {
    CImageEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Photo(9)));
    const QImage before = Picture(edit);
    ASSERT_TRUE(edit.Enhance(ELook::Grey));
    ASSERT_TRUE(edit.UndoLastChange());
    EXPECT_EQ(edit.CurrentLook(), ELook::Original);
    EXPECT_FALSE(SameChannels(Picture(edit)));
    EXPECT_LT(MeanGreyError(Picture(edit), before), 1.0);

    ASSERT_TRUE(edit.Enhance(ELook::Grey));
    ASSERT_TRUE(edit.Rotate(180));
    EXPECT_EQ(edit.CurrentLook(), ELook::Original);
    // A look now starts from the turned grey picture, which has no colour left to keep.
    ASSERT_TRUE(edit.Enhance(ELook::ColourDocument));
    EXPECT_TRUE(SameChannels(Picture(edit)));
    ASSERT_TRUE(edit.Enhance(ELook::Original));
    EXPECT_TRUE(SameChannels(Picture(edit)));
}

TEST_F(ImageEditScanTest, ScanCopyWritesTheStraightenedLookedPage) {
    CScanCase c;
    const QString photo = Photo(5, &c);
    const QString copy = PathIn("scan.jpg");
    ASSERT_TRUE(MakeScanCopy(photo, {true, ELook::BlackAndWhite}, copy));
    const QImage written(copy);
    ASSERT_FALSE(written.isNull());
    const QSize expected = c.corners.StraightenedSize();
    EXPECT_LE(std::abs(written.width() - expected.width()), 2);
    EXPECT_LE(std::abs(written.height() - expected.height()), 2);
    long nearBlackOrWhite = 0;
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x) {
            const int g = qGray(written.pixel(x, y));
            nearBlackOrWhite += g < 40 || g > 215;
        }
    EXPECT_GT(nearBlackOrWhite, long(written.width()) * written.height() * 95 / 100);

    // Without a sheet the picture keeps its size; a look alone never warps.
    QImage desk = DrawDesk(QSize(640, 480), 0, 3);
    ASSERT_TRUE(SavePng(desk, PathIn("desk.png")));
    ASSERT_TRUE(MakeScanCopy(PathIn("desk.png"), {true, ELook::Original}, PathIn("desk.jpg")));
    EXPECT_EQ(QImage(PathIn("desk.jpg")).size(), QSize(640, 480));
    ASSERT_TRUE(MakeScanCopy(photo, {false, ELook::Grey}, PathIn("grey.jpg")));
    EXPECT_EQ(QImage(PathIn("grey.jpg")).size(), c.photo.size());

    EXPECT_TRUE(CScanCopyOptions{}.IsIdentity());
    EXPECT_FALSE((CScanCopyOptions{false, ELook::Grey}.IsIdentity()));
    WriteFile(PathIn("broken.jpg"), "not a picture");
    EXPECT_FALSE(MakeScanCopy(PathIn("broken.jpg"), {true, ELook::Grey}, PathIn("out.jpg")));
    EXPECT_FALSE(QFile::exists(PathIn("out.jpg")));
    EXPECT_FALSE(MakeScanCopy(photo, {true, ELook::Grey}, PathIn("no/such/folder/out.jpg")));
}
