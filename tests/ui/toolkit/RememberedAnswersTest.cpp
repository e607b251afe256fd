#include "ui/toolkit/RememberedAnswers.h"

#include "platform/Registry.h"
#include "tests/support/TempHome.h"

namespace {

class RememberedAnswersTest : public CTempHomeTest {
protected:
    QByteArray Registry() {
        platform::RegFlushKey(platform::HKEY_LOCAL_MACHINE);
        return ReadFile(platform::RegistryFilePath());
    }
};

TEST_F(RememberedAnswersTest, AMissingAnswerReadsMinusOneAndIsStoredAsSuch) {
    EXPECT_EQ(ReadRememberedAnswer(1), -1);
    const QByteArray file = Registry();
    EXPECT_TRUE(file.contains(
        "[HKEY_LOCAL_MACHINE\\Software\\Tessaly\\Quillmark\\Profiles\\Default\\CMsg]"));
    EXPECT_TRUE(file.contains("\"DS1\"=dword:ffffffff"));
}

TEST_F(RememberedAnswersTest, AStoredAnswerReachesTheFileAndIsReadBack) {
    StoreRememberedAnswer(1, 1);
    // Written through at once, without waiting for the shut-down flush.
    EXPECT_TRUE(ReadFile(platform::RegistryFilePath()).contains("\"DS1\"=dword:00000001"));
    platform::ResetRegistry();
    EXPECT_EQ(ReadRememberedAnswer(1), 1);
    StoreRememberedAnswer(12, 0);
    EXPECT_EQ(ReadRememberedAnswer(12), 0);
}

TEST_F(RememberedAnswersTest, BoxNumberZeroIsNeverStored) {
    StoreRememberedAnswer(0, 1);
    EXPECT_EQ(ReadRememberedAnswer(0), -1);
    EXPECT_FALSE(Registry().contains("DS0"));
}

} // namespace
