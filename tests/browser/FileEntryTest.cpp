#include "browser/FileEntry.h"
#include "browser/FileAttributes.h"
#include "browser/WellKnownFolders.h"

#include "platform/RegKey.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

class FileEntryTest : public CTempHomeTest {
protected:
    QString Make(const QString& relative, qsizetype size = 1) {
        QString path = PathIn(relative);
        QDir().mkpath(QFileInfo(path).path());
        WriteFile(path, QByteArray(size, 'x'));
        return path;
    }
    static QStringList Names(const std::vector<CFileEntry>& entries) {
        QStringList names;
        for (const CFileEntry& e : entries)
            names << e.name;
        return names;
    }
};

TEST_F(FileEntryTest, ReadOnlyHiddenFileShowsHR) {
    const QString path = Make(".secret.txt");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const CFileEntry entry = MakeFileEntry(path);
    EXPECT_EQ(entry.ColumnText(kColumnAttributes), "....hr...");
    EXPECT_EQ(MakeFileEntry(Make("plain.txt")).ColumnText(kColumnAttributes), ".........");
    EXPECT_EQ(AttributesText(FileAttributesOf(QFileInfo(Home()))).left(1), "d");
    EXPECT_EQ(AttributesText(0xFFFFFFFF), "dacehrsti");
}

TEST_F(FileEntryTest, ColumnTexts) {
    const CFileEntry entry = MakeFileEntry(Make("photo.JPG", 512));
    EXPECT_EQ(entry.ColumnText(kColumnName), "photo.JPG");
    EXPECT_EQ(entry.ColumnText(kColumnSize), "0.50 KB");
    EXPECT_EQ(entry.ColumnText(kColumnType), "JPEG image");
    EXPECT_NE(entry.ColumnText(kColumnDate), "N/A");

    // A link whose target is gone: no status, so no date.
    ASSERT_TRUE(QFile::link(PathIn("gone"), PathIn("broken.lnk")));
    const CFileEntry broken = MakeFileEntry(PathIn("broken.lnk"));
    EXPECT_TRUE(broken.isLink);
    EXPECT_EQ(broken.ColumnText(kColumnDate), "N/A");
}

TEST_F(FileEntryTest, SizeSortsAsANumberAndNamesWithoutCase) {
    Make("list/small.bin", qsizetype(900) * 1024);
    Make("list/Big.bin", 1153434); // 1.10 MB
    Make("list/alpha.txt", 10);
    std::vector<CFileEntry> entries = ListFiles(PathIn("list"), {}, false);
    EXPECT_EQ(Names(entries), (QStringList{"alpha.txt", "Big.bin", "small.bin"}));
    EXPECT_EQ(entries[1].ColumnText(kColumnSize), "1.10 MB");
    EXPECT_EQ(entries[2].ColumnText(kColumnSize), "900.00 KB");

    std::sort(entries.begin(), entries.end(), [](const CFileEntry& a, const CFileEntry& b) {
        return CompareFileEntries(a, b, kColumnSize) < 0;
    });
    EXPECT_EQ(Names(entries), (QStringList{"alpha.txt", "small.bin", "Big.bin"}));

    CFileEntry older = entries[0], newer = entries[0];
    older.modified = 100;
    newer.modified = 200;
    CFileEntry unknown = entries[0];
    unknown.modified = -1;
    EXPECT_LT(CompareFileEntries(older, newer, kColumnDate), 0);
    EXPECT_LT(CompareFileEntries(unknown, older, kColumnDate), 0);
}

TEST_F(FileEntryTest, FiltersHiddenFilesAndFolders) {
    Make("f/a.jpg");
    Make("f/B.PNG");
    Make("f/c.txt");
    Make("f/.hidden.jpg");
    Make("f/sub/x.jpg");
    Make("f/Zeta/x.jpg");
    Make("f/alpha/x.jpg");
    Make("f/.cache/x.jpg");
    EXPECT_EQ(Names(ListFiles(PathIn("f"), {"*.jpg", "*.png"}, false)),
              (QStringList{"a.jpg", "B.PNG"}));
    EXPECT_EQ(Names(ListFiles(PathIn("f"), {}, false)), (QStringList{"a.jpg", "B.PNG", "c.txt"}));
    EXPECT_EQ(Names(ListFiles(PathIn("f"), {"*.*"}, true)),
              (QStringList{".hidden.jpg", "a.jpg", "B.PNG", "c.txt"}));
    EXPECT_EQ(ListSubfolders(PathIn("f"), false), (QStringList{"alpha", "sub", "Zeta"}));
    EXPECT_EQ(ListSubfolders(PathIn("f"), true), (QStringList{".cache", "alpha", "sub", "Zeta"}));
    EXPECT_TRUE(ListSubfolders(PathIn("missing"), false).isEmpty());
}

TEST_F(FileEntryTest, DeviceNameFromTheRegistryElseMyDevice) {
    EXPECT_EQ(DeviceName(), "My Device");
    platform::CRegKey ident(platform::HKEY_LOCAL_MACHINE, "Ident");
    ASSERT_TRUE(ident.Set<QString>("Name", " Pocket "));
    EXPECT_EQ(DeviceName(), "Pocket");
    // Longer than the platform's old 260-character name buffer, read whole.
    ASSERT_TRUE(ident.Set("Name", QString(300, u'n')));
    EXPECT_EQ(DeviceName(), QString(300, u'n'));
}

TEST(WellKnownFoldersTest, PathsCompareWithoutCaseOrTrailingSlash) {
    std::array<QString, CWellKnownFolders::kCount> paths;
    paths[CWellKnownFolders::kMyDocuments] = "/home/u/Documents";
    paths[CWellKnownFolders::kMyPictures] = "/home/u/Pictures";
    const CWellKnownFolders folders(paths);
    EXPECT_EQ(folders.Find("/home/u/documents/"), CWellKnownFolders::kMyDocuments);
    EXPECT_EQ(folders.Find("/home/u/Pictures"), CWellKnownFolders::kMyPictures);
    EXPECT_EQ(folders.Find("/home/u"), -1);
    EXPECT_EQ(folders.Find(""), -1);
}

} // namespace
