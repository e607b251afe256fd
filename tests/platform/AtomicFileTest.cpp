#include "platform/AtomicFile.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFileInfo>

namespace {

class AtomicFileTest : public CTempHomeTest {};

TEST_F(AtomicFileTest, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    const QString path = PathIn("f.txt");
    WriteFile(path, "old");
    ASSERT_TRUE(platform::WriteFileAtomically(path, "new contents"));
    EXPECT_EQ(ReadFile(path), QByteArray("new contents"));
    EXPECT_EQ(QDir(Home()).entryList(QDir::Files), QStringList{"f.txt"});
}

TEST_F(AtomicFileTest, FailureKeepsTheOldFileAndSaysWhy) {
    QString error;
    EXPECT_FALSE(platform::WriteFileAtomically(PathIn("missing-folder/f.txt"), "x", &error));
    EXPECT_TRUE(error.contains("missing-folder"));
}

}  // namespace
