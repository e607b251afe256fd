#include "app/KnownFolders.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

namespace {

class KnownFoldersTest : public CTempHomeTest {
protected:
    void SetDocuments(const QString& path) { qputenv("XDG_DOCUMENTS_DIR", QFile::encodeName(path)); }
    void TearDown() override {
        qunsetenv("XDG_DOCUMENTS_DIR");
        CTempHomeTest::TearDown();
    }
};

TEST_F(KnownFoldersTest, PersonalFolderOnlyWhenItExists) {
    SetDocuments(PathIn("Docs/"));
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), QString());
    QDir().mkpath(PathIn("Docs"));
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), PathIn("Docs"));
    // Asked again on every request.
    QDir(PathIn("Docs")).removeRecursively();
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), QString());
}

TEST_F(KnownFoldersTest, UnknownIdentifiersGiveNothing) {
    EXPECT_EQ(GetSpecialFolder(0), QString());
    EXPECT_EQ(GetSpecialFolder(5), QString());
}

TEST_F(KnownFoldersTest, SystemFolderIsResolvedOnce) {
    QDir().mkpath(PathIn("share1"));
    QDir().mkpath(PathIn("share2"));
    qputenv("QUILLMARK_DATA_DIR", QFile::encodeName(PathIn("share1")));
    const QString first = GetSpecialFolder(kSpecialFolderSystem);
    qputenv("QUILLMARK_DATA_DIR", QFile::encodeName(PathIn("share2")));
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderSystem), first);
    qunsetenv("QUILLMARK_DATA_DIR");
}

TEST_F(KnownFoldersTest, ProgramFilesGoToTheHomeOverride) {
    EXPECT_EQ(GetAppDataFolder(), Home());
    EXPECT_FALSE(GetAppFolder().isEmpty());
    EXPECT_FALSE(GetAppFolder().endsWith(u'/'));
}

}  // namespace
