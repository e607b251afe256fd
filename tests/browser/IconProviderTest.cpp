#include "browser/IconProvider.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {

class IconProviderTest : public CTempHomeTest {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "browser-tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);
    }
    QString Make(const QString& name) {
        WriteFile(PathIn(name), "x");
        return PathIn(name);
    }
    static CWellKnownFolders Folders(const QString& documents, const QString& music) {
        std::array<QString, CWellKnownFolders::kCount> paths;
        paths[CWellKnownFolders::kMyDocuments] = documents;
        paths[CWellKnownFolders::kMyMusic] = music;
        return CWellKnownFolders(paths);
    }
};

TEST_F(IconProviderTest, WellKnownFoldersGetTheirOwnIconsOthersOpenOrClosed) {
    CIconProvider icons(Folders("/home/u/Documents", "/home/u/Music"));
    EXPECT_EQ(icons.Count(), CIconProvider::kBaseCount);
    EXPECT_EQ(icons.FolderIcon("/home/u/Documents/", false), CIconProvider::kMyDocuments);
    EXPECT_EQ(icons.FolderIcon("/home/u/music", true), CIconProvider::kMyMusic);
    EXPECT_EQ(icons.FolderIcon("/home/u/other", false), CIconProvider::kFolder);
    EXPECT_EQ(icons.FolderIcon("/home/u/other", true), CIconProvider::kFolderOpen);
    for (int i = 0; i < CIconProvider::kBaseCount; ++i)
        EXPECT_FALSE(icons.Icon(i).isNull()) << i;
}

TEST_F(IconProviderTest, ExtensionsAreCachedWithoutCaseAndLinksShowTheirTarget) {
    CIconProvider icons(Folders({}, {}));
    EXPECT_EQ(icons.FileIcon(Make("README")), CIconProvider::kFile);
    const int jpeg = icons.FileIcon(Make("a.jpg"));
    EXPECT_GE(jpeg, CIconProvider::kBaseCount);
    const int count = icons.Count();
    EXPECT_EQ(icons.FileIcon(Make("B.JPG")), jpeg);
    EXPECT_EQ(icons.Count(), count);

    ASSERT_TRUE(QFile::link(PathIn("a.jpg"), PathIn("shortcut")));
    const int shortcut = icons.FileIcon(PathIn("shortcut"));
    EXPECT_NE(shortcut, jpeg);
    EXPECT_FALSE(icons.Icon(shortcut).isNull());
    ASSERT_TRUE(QFile::link(PathIn("b.jpg"), PathIn("other-shortcut")));
    WriteFile(PathIn("b.jpg"), "y");
    EXPECT_EQ(icons.FileIcon(PathIn("other-shortcut")), shortcut);

    ASSERT_TRUE(QFile::link(PathIn("nothing"), PathIn("dangling")));
    EXPECT_EQ(icons.FileIcon(PathIn("dangling")), CIconProvider::kFile);
}

} // namespace
