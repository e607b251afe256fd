#include "platform/RegKey.h"

#include "tests/support/TempHome.h"

using namespace platform;

namespace {

using RegKeyTest = CTempHomeTest;

enum class EShade : std::uint32_t { Light = 3, Dark = 10836 };

TEST_F(RegKeyTest, TypedValuesSurviveAReloadAndOtherTypesCountAsMissing) {
    CRegKey key(HKEY_LOCAL_MACHINE, "Software\\Maker\\App");
    EXPECT_FALSE(key.Exists());
    EXPECT_EQ(key.Read<std::uint32_t>("Count"), std::nullopt);
    EXPECT_EQ(key.Read<std::uint32_t>("Count", 7u), 7u);

    ASSERT_TRUE(key.Set<std::uint32_t>("Count", 0xFFFFFFFEu));
    ASSERT_TRUE(key.Set<std::int32_t>("Answer", -1));
    ASSERT_TRUE(key.Set("Flag", true));
    ASSERT_TRUE(key.Set("Shade", EShade::Dark));
    ASSERT_TRUE(key.Write<QString>("Name", QString::fromUtf8("Zoë \"q\" C:\\path")));
    ResetRegistry();

    EXPECT_TRUE(key.Exists());
    EXPECT_EQ(key.Read<std::uint32_t>("count"), 0xFFFFFFFEu);
    EXPECT_EQ(key.Read<std::int32_t>("Answer"), -1);
    EXPECT_EQ(key.Read<bool>("Flag"), true);
    EXPECT_EQ(key.Read<EShade>("Shade"), EShade::Dark);
    EXPECT_EQ(key.Read<QString>("Name"), QString::fromUtf8("Zoë \"q\" C:\\path"));
    // An enum is its number in the file, so other programs and people can read it.
    EXPECT_TRUE(ReadFile(RegistryFilePath()).contains("\"Shade\"=dword:00002a54\n"));

    EXPECT_EQ(key.Read<QString>("Count"), std::nullopt);
    EXPECT_EQ(key.Read<std::uint32_t>("Name"), std::nullopt);
    EXPECT_TRUE(key.Has("Name"));
    EXPECT_FALSE(key.Has("Nothing"));
}

TEST_F(RegKeyTest, TextsOfAnyLengthAndOddDataReadBack) {
    CRegKey key(HKEY_CURRENT_USER, "Software/Long");
    const QString longText = QString(100000, u'x') + QString::fromUtf8("ende ü");
    ASSERT_TRUE(key.Write("Text", longText));
    ResetRegistry();
    EXPECT_EQ(key.Read<QString>("Text"), longText);

    // Texts stored without their terminating zero, or with a zero inside, read up to the zero.
    HKEY raw = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Long", &raw), ERROR_SUCCESS);
    const char16_t bare[] = {u'a', u'b'};
    ASSERT_EQ(RegSetValueEx(raw, "Bare", REG_SZ, bare, sizeof bare), ERROR_SUCCESS);
    const char16_t inner[] = {u'a', 0, u'b', 0};
    ASSERT_EQ(RegSetValueEx(raw, "Inner", REG_SZ, inner, sizeof inner), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(raw, "Empty", REG_SZ, nullptr, 0), ERROR_SUCCESS);
    const std::uint16_t shortNumber = 5;
    ASSERT_EQ(RegSetValueEx(raw, "Short", REG_DWORD, &shortNumber, 2), ERROR_SUCCESS);
    RegCloseKey(raw);
    EXPECT_EQ(key.Read<QString>("Bare"), "ab");
    EXPECT_EQ(key.Read<QString>("Inner"), "a");
    EXPECT_EQ(key.Read<QString>("Empty"), "");
    EXPECT_EQ(key.Read<std::uint32_t>("Short"), std::nullopt); // not four bytes: not a number
}

TEST_F(RegKeyTest, RemoveAndSubKeys) {
    CRegKey mail(HKEY_LOCAL_MACHINE, "Software\\Maker\\MAIL");
    CRegKey account = mail.Sub("Accounts").Sub("work");
    EXPECT_EQ(account.Path(), "Software\\Maker\\MAIL\\Accounts\\work");
    EXPECT_TRUE(account.Remove("User")); // nothing to remove is no failure
    ASSERT_TRUE(account.Write<QString>("User", "me"));
    EXPECT_TRUE(account.Remove("user"));
    EXPECT_FALSE(account.Has("User"));
    ASSERT_TRUE(account.Flush());
    ResetRegistry();
    EXPECT_TRUE(account.Exists());
    EXPECT_FALSE(account.Has("User"));
}

TEST_F(RegKeyTest, AnUnwritableRegistryRefusesWrites) {
    WriteFile(PathIn("blocker"), "x");
    qputenv("QUILLMARK_HOME", QFile::encodeName(PathIn("blocker/home")));
    ResetRegistry();
    CRegKey key(HKEY_LOCAL_MACHINE, "Software\\Maker");
    EXPECT_FALSE(key.Set<std::uint32_t>("Count", 1));
    EXPECT_FALSE(key.Write<QString>("Name", "x"));
    EXPECT_EQ(key.Read<std::uint32_t>("Count"), std::nullopt);
}

} // namespace
