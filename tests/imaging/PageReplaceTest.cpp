#include "imaging/PageReplace.h"

#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class PageReplaceTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        ASSERT_TRUE(QDir(Home()).mkdir("pages"));
        m_page = PathIn("pages/page.jpg");
        m_edited = PathIn("tmpimage.jpg");
        WriteFile(m_page, "old page bytes");
        WriteFile(m_edited, QByteArray(20000, 'e'));
    }
    QStringList PageFolder() const {
        return QDir(PathIn("pages")).entryList(QDir::Files | QDir::Hidden);
    }
    QString m_page;
    QString m_edited;
};

TEST_F(PageReplaceTest, TheEditedFileTakesThePagesPlace) {
    QString error;
    ASSERT_TRUE(ReplacePageFile(m_edited, m_page, false, &error)) << error.toStdString();
    EXPECT_EQ(ReadFile(m_page), QByteArray(20000, 'e'));
    EXPECT_FALSE(QFile::exists(m_edited));
    EXPECT_EQ(PageFolder(), QStringList{"page.jpg"});
}

TEST_F(PageReplaceTest, ABackupKeepsTheOldBytesAndReplacesAnOlderBackup) {
    WriteFile(m_page + ".bak", "a backup from before");
    ASSERT_TRUE(ReplacePageFile(m_edited, m_page, true));
    EXPECT_EQ(ReadFile(m_page + ".bak"), QByteArray("old page bytes"));
    EXPECT_EQ(ReadFile(m_page), QByteArray(20000, 'e'));
    EXPECT_EQ(PageFolder(), (QStringList{"page.jpg", "page.jpg.bak"}));
}

TEST_F(PageReplaceTest, AMissingEditedFileLeavesThePageAlone) {
    QFile::remove(m_edited);
    QString error;
    EXPECT_FALSE(ReplacePageFile(m_edited, m_page, true, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFile(m_page), QByteArray("old page bytes"));
    EXPECT_EQ(PageFolder(), QStringList{"page.jpg"});
}

TEST_F(PageReplaceTest, AReadOnlyFolderKeepsThePageAndTheEdit) {
    if (RerunWithPrivateMounts())
        return;
    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("pages"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();
    for (bool backup : {false, true}) {
        QString error;
        EXPECT_FALSE(ReplacePageFile(m_edited, m_page, backup, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(ReadFile(m_page), QByteArray("old page bytes"));
        EXPECT_EQ(PageFolder(), QStringList{"page.jpg"});
        // The edited picture is not lost: the user can try again elsewhere.
        EXPECT_EQ(ReadFile(m_edited), QByteArray(20000, 'e'));
    }
}

TEST_F(PageReplaceTest, AFullDiskKeepsThePageWholeAndLeavesNoTemporaryFile) {
    if (RerunWithPrivateMounts())
        return;
    QString why;
    auto disk = CMountedFolder::SmallDisk(PathIn("pages"), qint64(64) * 1024, &why);
    ASSERT_TRUE(disk) << why.toStdString();
    WriteFile(m_page, QByteArray(40000, 'p'));
    WriteFile(m_edited, QByteArray(60000, 'e'));
    for (bool backup : {false, true}) {
        QString error;
        EXPECT_FALSE(ReplacePageFile(m_edited, m_page, backup, &error));
        EXPECT_EQ(ReadFile(m_page), QByteArray(40000, 'p'));
        EXPECT_EQ(PageFolder(), QStringList{"page.jpg"});
    }
}

} // namespace
