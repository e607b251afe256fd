#include "camera/StillWriter.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QImage>
#include <QImageReader>

#include <vector>

namespace {

class StillWriterTest : public CTempHomeTest {
protected:
    // A width x height picture: left half red, right half blue.
    std::vector<unsigned char> Picture(int width, int height) {
        std::vector<unsigned char> rgb(std::size_t(width) * height * 3);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                unsigned char* p = &rgb[(std::size_t(y) * width + x) * 3];
                p[0] = x < width / 2 ? 255 : 0;
                p[2] = x < width / 2 ? 0 : 255;
            }
        return rgb;
    }
    QStringList Files(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

TEST_F(StillWriterTest, WritesAFullQualityJpegUnderAFreshNameNeverReplacingOne) {
    const QString folder = PathIn("Pictures/Camera");
    const std::vector<unsigned char> rgb = Picture(64, 48);
    QString error;
    const QString first = WriteStill(folder, 64, 48, rgb.data(), 1, &error);
    ASSERT_FALSE(first.isEmpty()) << error.toStdString();
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith("IMG_"));
    EXPECT_TRUE(first.endsWith(".jpg"));
    QImage image(first);
    ASSERT_EQ(image.size(), QSize(64, 48));
    EXPECT_GT(qRed(image.pixel(8, 24)), 240);
    EXPECT_GT(qBlue(image.pixel(56, 24)), 240);
    // Quality 100 keeps the hard edge between the halves clean.
    EXPECT_LT(qBlue(image.pixel(28, 24)), 16);

    // The same second gives other names; nothing is replaced and no part file stays.
    const QByteArray firstBytes = ReadFile(first);
    const QString second = WriteStill(folder, 64, 48, rgb.data(), 1);
    const QString third = WriteStill(folder, 64, 48, rgb.data(), 1);
    EXPECT_NE(second, first);
    EXPECT_NE(third, second);
    EXPECT_EQ(ReadFile(first), firstBytes);
    EXPECT_EQ(Files(folder).size(), 3) << Files(folder).join(", ").toStdString();
}

TEST_F(StillWriterTest, TheCamerasOrientationTravelsAsExif) {
    EXPECT_EQ(ExifOrientationFromTag("rotate-0"), 1);
    EXPECT_EQ(ExifOrientationFromTag("rotate-90"), 6);
    EXPECT_EQ(ExifOrientationFromTag("rotate-180"), 3);
    EXPECT_EQ(ExifOrientationFromTag("rotate-270"), 8);
    EXPECT_EQ(ExifOrientationFromTag("flip-rotate-0"), 2);
    EXPECT_EQ(ExifOrientationFromTag("flip-rotate-90"), 7);
    EXPECT_EQ(ExifOrientationFromTag("sideways"), 1);
    EXPECT_EQ(ExifOrientationFromTag(""), 1);

    const std::vector<unsigned char> rgb = Picture(64, 48);
    const QString path = WriteStill(PathIn("cam"), 64, 48, rgb.data(), 6);
    ASSERT_FALSE(path.isEmpty());
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage upright = reader.read();
    ASSERT_EQ(upright.size(), QSize(48, 64));
    // Turned clockwise: the red left half is now on top.
    EXPECT_GT(qRed(upright.pixel(24, 8)), 240);
    EXPECT_GT(qBlue(upright.pixel(24, 56)), 240);
    QImageReader plain(path);
    plain.setAutoTransform(false);
    EXPECT_EQ(plain.read().size(), QSize(64, 48));
}

TEST_F(StillWriterTest, ExifIsOnlyAddedToJpegData) {
    EXPECT_EQ(AddExifOrientation("not a jpeg", 6), QByteArray("not a jpeg"));
    const QByteArray soi("\xFF\xD8\xFF\xD9", 4);
    EXPECT_EQ(AddExifOrientation(soi, 1), soi);
    EXPECT_EQ(AddExifOrientation(soi, 9), soi);
    const QByteArray tagged = AddExifOrientation(soi, 3);
    EXPECT_EQ(tagged.size(), soi.size() + 36);
    EXPECT_TRUE(tagged.startsWith(QByteArray("\xFF\xD8\xFF\xE1", 4)));
}

TEST_F(StillWriterTest, AFolderThatCannotBeMadeFailsWithAReason) {
    WriteFile(PathIn("file"), "x");
    const std::vector<unsigned char> rgb = Picture(8, 8);
    QString error;
    EXPECT_TRUE(WriteStill(PathIn("file/Camera"), 8, 8, rgb.data(), 1, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(WriteStill(PathIn("cam"), 0, 8, rgb.data(), 1).isEmpty());
}

TEST_F(StillWriterTest, AFullCardLeavesNoPartOfThePicture) {
    const QString folder = PathIn("Camera");
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::vector<unsigned char> rgb = Picture(640, 480);
    QString error;
    QString path;
    {
        CFileSizeLimit full(4096);
        ASSERT_TRUE(full.IsSet());
        path = WriteStill(folder, 640, 480, rgb.data(), 6, &error);
    }
    EXPECT_TRUE(path.isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Files(folder), QStringList());
}

TEST_F(StillWriterTest, PicturesGoToTheCameraFolderOfThePicturesFolder) {
    qputenv("XDG_PICTURES_DIR", QFile::encodeName(PathIn("Bilder")));
    EXPECT_EQ(CameraPicturesFolder(), PathIn("Bilder/Camera"));
    qunsetenv("XDG_PICTURES_DIR");
    EXPECT_TRUE(CameraPicturesFolder().endsWith("/Camera"));
}

} // namespace
