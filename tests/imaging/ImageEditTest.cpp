#include "imaging/ImageEdit.h"

#include "imaging/DibBitmap.h"
#include "imaging/ImageDecoder.h"
#include "imaging/UndoFile.h"
#include "tests/imaging/ImagingTestUtil.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace imagingtest;

namespace {

class CTestEdit : public CImageEdit {
public:
    int contentChanges = 0;
    int repaints = 0;
    int displayResets = 0;
    int minimumCrop = 30;

protected:
    int MinimumCropSide() const override { return minimumCrop; }
    void OnContentSizeChanged() override { ++contentChanges; }
    void Repaint() override { ++repaints; }
    void OnDisplayReset() override { ++displayResets; }
};

// Reference mappings, written independently of the library's loops.
QImage Turned(const QImage& src, int angle) {
    const int w = src.width();
    const int h = src.height();
    QImage out(angle == 180 ? w : h, angle == 180 ? h : w, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = src.pixel(x, y);
            if (angle == 180)
                out.setPixel(w - 1 - x, h - 1 - y, p);
            else if (angle == 90)
                out.setPixel(y, w - 1 - x, p);
            else
                out.setPixel(h - 1 - y, x, p);
        }
    return out;
}

QImage Picture(const CImageEdit& edit) {
    return edit.Current() ? edit.Current()->ToImage().convertToFormat(QImage::Format_RGB32)
                          : QImage();
}

class ImageEditTest : public CImagingTest {
protected:
    QString Png(const QImage& image, const QString& name = "page.png") {
        QString path = PathIn(name);
        EXPECT_TRUE(SavePng(image, path));
        return path;
    }
};

} // namespace

TEST_F(ImageEditTest, UndoFileLivesInTheHomeFolder) {
    CTestEdit edit;
    EXPECT_EQ(edit.UndoPath(), PathIn("tmpimage.jpg"));
    EXPECT_EQ(UndoFilePath(), PathIn("tmpimage.jpg"));
}

TEST_F(ImageEditTest, QuarterTurnsOfThreeByTwo) {
    const QImage source = DistinctImage(3, 2);
    CTestEdit ccw;
    ASSERT_TRUE(ccw.LoadPicture(Png(source)));
    EXPECT_FALSE(ccw.UndoAvailable());
    ASSERT_TRUE(ccw.Rotate(90));
    EXPECT_EQ(ccw.PictureWidth(), 2);
    EXPECT_EQ(ccw.PictureHeight(), 3);
    EXPECT_EQ(Picture(ccw).pixel(0, 0), source.pixel(2, 0)); // the top-right pixel
    EXPECT_EQ(Picture(ccw), Turned(source, 90));
    EXPECT_TRUE(ccw.UndoAvailable());
    EXPECT_GE(ccw.contentChanges, 2);

    CTestEdit cw;
    ASSERT_TRUE(cw.LoadPicture(Png(source)));
    ASSERT_TRUE(cw.Rotate(270));
    EXPECT_EQ(Picture(cw).pixel(0, 0), source.pixel(0, 1)); // the bottom-left pixel
    EXPECT_EQ(Picture(cw), Turned(source, 270));
}

TEST_F(ImageEditTest, TurnsMatchTheMappingForOddAndTiledSizes) {
    const QSize sizes[] = {{2, 2}, {5, 3}, {3, 5}, {7, 2}, {2, 9}, {130, 67}, {67, 130}};
    for (const QSize& size : sizes) {
        const QImage source = DistinctImage(size.width(), size.height());
        const QString path = Png(source);
        for (int angle : {90, 180, 270}) {
            SCOPED_TRACE(QString("%1x%2 by %3")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(angle)
                             .toStdString());
            CTestEdit edit;
            ASSERT_TRUE(edit.LoadPicture(path));
            ASSERT_TRUE(edit.Rotate(angle));
            EXPECT_EQ(Picture(edit), Turned(source, angle));
            // A turn of a turned picture starts from the section itself.
            ASSERT_TRUE(edit.Rotate(angle));
            EXPECT_EQ(Picture(edit), Turned(Turned(source, angle), angle));
        }
    }
}

TEST_F(ImageEditTest, TurnsUndoEachOther) {
    const QImage source = DistinctImage(5, 3);
    CTestEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Png(source)));
    ASSERT_TRUE(edit.Rotate(180));
    ASSERT_TRUE(edit.Rotate(180));
    EXPECT_EQ(Picture(edit), source);
    ASSERT_TRUE(edit.Rotate(90));
    ASSERT_TRUE(edit.Rotate(270));
    EXPECT_EQ(Picture(edit), source);
    EXPECT_EQ(edit.PictureWidth(), 5);
    EXPECT_EQ(edit.PictureHeight(), 3);
    EXPECT_FALSE(edit.Rotate(45));
}

TEST_F(ImageEditTest, OnePixelWidePicturesAreNotTurnedButOfferUndo) {
    for (const QSize size : {QSize(1, 6), QSize(6, 1)}) {
        const QImage source = DistinctImage(size.width(), size.height());
        CTestEdit edit;
        ASSERT_TRUE(edit.LoadPicture(Png(source)));
        EXPECT_FALSE(edit.Rotate(90));
        EXPECT_TRUE(edit.UndoAvailable());
        EXPECT_EQ(Picture(edit), source);
    }
}

TEST_F(ImageEditTest, FlipsMirrorExactly) {
    const QImage source = DistinctImage(5, 3);
    const QString path = Png(source);
    for (const auto& [mirrorX, mirrorY] : {std::pair{true, false}, {false, true}, {true, true}}) {
        CTestEdit edit;
        ASSERT_TRUE(edit.LoadPicture(path));
        ASSERT_TRUE(edit.Flip(mirrorX, mirrorY));
        EXPECT_TRUE(edit.UndoAvailable());
        EXPECT_FALSE(edit.Current()->IsSection());
        const QImage result = Picture(edit);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(result.pixel(mirrorX ? 4 - x : x, mirrorY ? 2 - y : y),
                          source.pixel(x, y));
    }
    CTestEdit empty;
    EXPECT_FALSE(empty.Flip(true, false));
    EXPECT_FALSE(empty.Rotate(90));
    EXPECT_FALSE(empty.CropToSelection());
}

TEST_F(ImageEditTest, CropDrawnEitherWayCutsTheSameArea) {
    const QImage source = DistinctImage(50, 40);
    const QString path = Png(source);
    const QImage expected = source.copy(7, 3, 31, 33);
    for (const CSelectionRect& selection :
         {CSelectionRect{7, 3, 38, 36}, CSelectionRect{38, 36, 7, 3}}) {
        CTestEdit edit;
        ASSERT_TRUE(edit.LoadPicture(path));
        edit.SetSelection(selection);
        ASSERT_TRUE(edit.CropToSelection());
        EXPECT_EQ(edit.PictureWidth(), 31);
        EXPECT_EQ(edit.PictureHeight(), 33);
        EXPECT_EQ(Picture(edit), expected);
        EXPECT_FALSE(edit.SelectionShown());
        EXPECT_TRUE(edit.UndoAvailable());
    }
}

TEST_F(ImageEditTest, CropSmallerThanTheMinimumDoesNothing) {
    const QImage source = DistinctImage(50, 40);
    CTestEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Png(source)));
    edit.SetSelection({0, 0, 29, 40});
    EXPECT_FALSE(edit.CropToSelection());
    EXPECT_FALSE(edit.UndoAvailable());
    EXPECT_FALSE(QFile::exists(edit.UndoPath()));
    EXPECT_EQ(Picture(edit), source);
    edit.minimumCrop = 60; // a high-resolution screen
    edit.SetSelection({0, 0, 59, 200});
    EXPECT_FALSE(edit.CropToSelection());
    edit.SetSelection({0, 0, 30, 30}, false);
    EXPECT_FALSE(edit.CropToSelection()); // no selection shown
}

TEST_F(ImageEditTest, CropReachingOutsideIsClippedToThePicture) {
    const QImage source = DistinctImage(50, 40);
    CTestEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Png(source)));
    edit.SetSelection({-20, 5, 400, 300});
    ASSERT_TRUE(edit.CropToSelection());
    EXPECT_EQ(Picture(edit), source.copy(0, 5, 50, 35));
    // Wholly outside: nothing left to cut.
    edit.SetSelection({100, 100, 200, 200});
    EXPECT_FALSE(edit.CropToSelection());
}

TEST_F(ImageEditTest, UndoAfterTwoChangesRestoresTheFirstChange) {
    const QImage source = BlockImage(3, 2); // JPEG-safe blocks: the undo file is a JPEG
    CTestEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Png(source)));
    ASSERT_TRUE(edit.Rotate(90));
    const QImage afterFirst = Picture(edit);
    ASSERT_TRUE(edit.Flip(true, false));
    ASSERT_TRUE(edit.UndoLastChange());
    EXPECT_FALSE(edit.UndoAvailable());
    EXPECT_EQ(edit.PictureWidth(), 32);
    EXPECT_EQ(edit.PictureHeight(), 48);
    const QImage restored = Picture(edit);
    ASSERT_EQ(restored.size(), afterFirst.size());
    for (int y = 8; y < 48; y += 16)
        for (int x = 8; x < 32; x += 16)
            EXPECT_TRUE(Near(restored.pixel(x, y), afterFirst.pixel(x, y))) << x << "," << y;
    EXPECT_EQ(edit.ZoomPercent(), 100);
    EXPECT_GE(edit.displayResets, 2);
}

TEST_F(ImageEditTest, FailedUndoCopyOffersNoUndo) {
    const QImage source = DistinctImage(6, 4);
    const QString blocker = PathIn("file");
    ASSERT_TRUE(WriteBytes(blocker, "x"));
    CTestEdit edit;
    edit.SetUndoPath(blocker + "/tmpimage.jpg"); // a folder that cannot exist
    ASSERT_TRUE(edit.LoadPicture(Png(source)));
    ASSERT_TRUE(edit.Rotate(180)); // the change itself still happens
    EXPECT_FALSE(edit.UndoAvailable());
    EXPECT_FALSE(edit.WriteResult());
    EXPECT_FALSE(edit.UndoAvailable());
}

TEST_F(ImageEditTest, WriteResultWritesTheCurrentPicture) {
    CTestEdit edit;
    EXPECT_FALSE(edit.WriteResult());
    ASSERT_TRUE(edit.LoadPicture(Png(BlockImage(3, 2))));
    ASSERT_TRUE(edit.Rotate(270));
    ASSERT_TRUE(edit.WriteResult());
    EXPECT_TRUE(edit.UndoAvailable());
    EXPECT_EQ(QImage(edit.UndoPath()).size(), QSize(32, 48));
}

TEST_F(ImageEditTest, LoadAndResetPicture) {
    CTestEdit edit;
    EXPECT_FALSE(edit.LoadPicture(PathIn("missing.png")));
    EXPECT_FALSE(edit.HasPicture());
    EXPECT_EQ(edit.SourcePath(), PathIn("missing.png"));
    const QString path = Png(DistinctImage(4, 4));
    ASSERT_TRUE(edit.LoadPicture(path));
    EXPECT_EQ(OpenImageCount(), 0); // shown pictures do not stay open
    ASSERT_TRUE(edit.Rotate(90));
    const int resets = edit.displayResets;
    edit.ResetPicture(true);
    EXPECT_EQ(edit.displayResets, resets);
    EXPECT_FALSE(edit.HasPicture());
    EXPECT_FALSE(edit.UndoAvailable());
    edit.ResetPicture(false);
    EXPECT_EQ(edit.displayResets, resets + 1);
}

TEST_F(ImageEditTest, MoveFileReplacingReplacesTheTarget) {
    const QString from = PathIn("a.jpg");
    const QString to = PathIn("b.jpg");
    ASSERT_TRUE(WriteBytes(from, "new"));
    ASSERT_TRUE(WriteBytes(to, "old"));
    ASSERT_TRUE(MoveFileReplacing(from, to));
    EXPECT_EQ(ReadFile(to), QByteArray("new"));
    EXPECT_FALSE(QFile::exists(from));
    QString error;
    EXPECT_FALSE(MoveFileReplacing(from, to, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFile(to), QByteArray("new"));
}

TEST_F(ImageEditTest, MoveFileReplacingCrossesFileSystems) {
    if (RerunWithPrivateMounts())
        return;
    // The undo file on a file system of its own, as in a cache folder on another disk.
    ASSERT_TRUE(QDir(Home()).mkdir("cache"));
    QString why;
    auto other = CMountedFolder::SmallDisk(PathIn("cache"), 0, &why);
    ASSERT_TRUE(other) << why.toStdString();
    const QString from = PathIn("cache/tmpimage.jpg");
    const QString to = PathIn("page.jpg");
    ASSERT_TRUE(WriteBytes(from, "picture"));
    ASSERT_TRUE(WriteBytes(to, "stale"));
    ASSERT_TRUE(MoveFileReplacing(from, to));
    EXPECT_EQ(ReadFile(to), QByteArray("picture"));
    EXPECT_FALSE(QFile::exists(from));
}

TEST_F(ImageEditTest, DisplayImageFollowsEveryChange) {
    const QImage source = DistinctImage(5, 3);
    CTestEdit edit;
    EXPECT_TRUE(edit.DisplayImage().isNull());
    ASSERT_TRUE(edit.LoadPicture(Png(source)));
    EXPECT_EQ(edit.DisplayImage(), source);
    ASSERT_TRUE(edit.Rotate(90));
    EXPECT_EQ(edit.DisplayImage().format(), kScreenFormat);
    EXPECT_EQ(edit.DisplayImage(), Turned(source, 90));
    ASSERT_TRUE(edit.Flip(false, true));
    EXPECT_EQ(edit.DisplayImage(), Turned(source, 90).mirrored(false, true));
    edit.ResetPicture(false);
    EXPECT_TRUE(edit.DisplayImage().isNull());
}

TEST_F(ImageEditTest, UndoFromAVanishedFileKeepsThePicture) {
    const QImage source = DistinctImage(6, 4);
    CTestEdit edit;
    ASSERT_TRUE(edit.LoadPicture(Png(source)));
    ASSERT_TRUE(edit.Rotate(90));
    ASSERT_TRUE(edit.UndoAvailable());
    ASSERT_TRUE(QFile::remove(edit.UndoPath()));
    EXPECT_FALSE(edit.UndoLastChange());
    EXPECT_FALSE(edit.UndoAvailable());
    EXPECT_EQ(Picture(edit), Turned(source, 90));
    // A damaged undo file alike.
    ASSERT_TRUE(edit.Rotate(90));
    ASSERT_TRUE(WriteBytes(edit.UndoPath(), "not a picture"));
    EXPECT_FALSE(edit.UndoLastChange());
    EXPECT_EQ(Picture(edit), Turned(Turned(source, 90), 90));
}
