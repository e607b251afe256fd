#include "session/PictureSearch.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

class PictureSearchTest : public CTempHomeTest {
protected:
    QString Touch(const QString& relative) {
        QString path = PathIn("pics/" + relative);
        QDir().mkpath(QFileInfo(path).path());
        WriteFile(path, "x");
        return path;
    }
    QStringList Names(const std::vector<CFoundFile>& files) {
        QStringList names;
        for (const CFoundFile& f : files)
            names << f.name;
        return names;
    }
    QStringList Search(const QString& mask, bool recursive) {
        QStringList names;
        SearchFolder(
            PathIn("pics"), mask,
            [&](const CFoundFile& f) {
                names << f.name;
                return true;
            },
            recursive);
        names.sort();
        return names;
    }
};

TEST(MaskTest, WildcardsMatchWithoutRegardToCase) {
    EXPECT_TRUE(MatchesMask("IMG_0001.JPG", "*.jpg"));
    EXPECT_TRUE(MatchesMask("a.jpg", "*.JPG"));
    EXPECT_FALSE(MatchesMask("x.jpeg", "*.jpg"));
    EXPECT_FALSE(MatchesMask("x.jpg.tesimg", "*.jpg"));
    EXPECT_TRUE(MatchesMask("a.b.png", "*.png"));
    EXPECT_TRUE(MatchesMask("scan_1.jpg", "scan_?.jpg"));
    EXPECT_FALSE(MatchesMask("scan_10.jpg", "scan_?.jpg"));
    EXPECT_TRUE(MatchesMask("README", "*.*"));
    EXPECT_TRUE(MatchesMask("ÄBC.JPG", "äbc.jpg"));
}

TEST_F(PictureSearchTest, CameraNamesInCapitalsAreFoundAndJpegOnlyOnce) {
    Touch("IMG_1.JPG");
    Touch("x.jpeg");
    Touch("b.Png");
    Touch("c.BMP");
    Touch("notes.txt");
    Touch("x.jpg.tesimg");
    EXPECT_EQ(Search("*.jpg", false), QStringList{"IMG_1.JPG"});

    const std::vector<CFoundFile> files = FindPictures(PathIn("pics"), false);
    // The masks run in order: jpeg, jpg, png, bmp.
    EXPECT_EQ(Names(files), (QStringList{"x.jpeg", "IMG_1.JPG", "b.Png", "c.BMP"}));
}

TEST_F(PictureSearchTest, SubfoldersOnlyWhenRecursiveWithNamesRelativeToTheFolder) {
    Touch("a.jpg");
    Touch("sub/b.jpg");
    Touch("sub/deeper/c.jpg");
    EXPECT_EQ(Search("*.jpg", false), QStringList{"a.jpg"});
    EXPECT_EQ(Search("*.jpg", true), (QStringList{"a.jpg", "sub/b.jpg", "sub/deeper/c.jpg"}));

    // The files of a folder come before those of its subfolders.
    const std::vector<CFoundFile> files = FindPictures(PathIn("pics"), true);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].name, "a.jpg");
    EXPECT_TRUE(QFile::exists(FoundFilePath(PathIn("pics"), files[2])));
    EXPECT_TRUE(QFile::exists(FoundFilePath(PathIn("pics") + "/", files[2])));
}

TEST_F(PictureSearchTest, HiddenEntriesFoldersAndLoopsAreLeftOut) {
    Touch("a.jpg");
    Touch(".hidden.jpg");
    Touch(".thumbnails/t.jpg");
    QDir().mkpath(PathIn("pics/folder.jpg"));
    // A link back to the folder itself must not make the search run forever.
    ASSERT_TRUE(QFile::link(PathIn("pics"), PathIn("pics/loop")));
    EXPECT_EQ(Search("*.jpg", true), QStringList{"a.jpg"});
}

TEST_F(PictureSearchTest, FileDetailsAndStoppingTheSearch) {
    const QString path = Touch("a.jpg");
    Touch("b.jpg");
    Touch("sub/c.jpg");
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1'600'000'000, Qt::UTC);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    f.close();

    int calls = 0;
    CFoundFile first;
    EXPECT_FALSE(SearchFolder(
        PathIn("pics"), "*.jpg",
        [&](const CFoundFile& file) {
            if (file.name == "a.jpg")
                first = file;
            return ++calls < 2;
        },
        true));
    EXPECT_EQ(calls, 2);

    SearchFolder(
        PathIn("pics"), "a.*",
        [&](const CFoundFile& file) {
            first = file;
            return true;
        },
        false);
    EXPECT_EQ(first.name, "a.jpg");
    EXPECT_EQ(first.size, 1u);
    EXPECT_EQ(first.lastWrite, when.toMSecsSinceEpoch());
}

TEST_F(PictureSearchTest, MissingFolderFindsNothing) {
    EXPECT_TRUE(FindPictures(PathIn("nowhere"), true).empty());
}

} // namespace
