#include "platform/Registry.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <cstring>

using namespace platform;

namespace {

class RegistryTest : public CTempHomeTest {
protected:
    QString RegFile() const { return PathIn("registry.reg"); }

    void SetDword(const QString& path, const QString& name, std::uint32_t v) {
        HKEY key = 0;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, path, &key), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueEx(key, name, REG_DWORD, &v, 4), ERROR_SUCCESS);
        ASSERT_EQ(RegFlushKey(key), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    void SetText(const QString& path, const QString& name, const QString& text) {
        HKEY key = 0;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, path, &key), ERROR_SUCCESS);
        ASSERT_EQ(
            RegSetValueEx(key, name, REG_SZ, text.utf16(), std::uint32_t((text.size() + 1) * 2)),
            ERROR_SUCCESS);
        ASSERT_EQ(RegFlushKey(key), ERROR_SUCCESS);
        RegCloseKey(key);
    }
};

TEST_F(RegistryTest, ValuesSurviveAReloadFromTheFile) {
    SetDword("Software\\Maker\\App", "Count", 9);
    SetText("Software\\Maker\\App", "Name", QString::fromUtf8("Zoë \"quoted\" C:\\path"));
    ResetRegistry();

    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "software/maker/APP", KEY_READ, &key),
              ERROR_SUCCESS);
    std::uint32_t type = 0, value = 0, size = 4;
    ASSERT_EQ(RegQueryValueEx(key, "count", &type, &value, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(value, 9u);

    char16_t text[64] = {};
    size = sizeof text;
    ASSERT_EQ(RegQueryValueEx(key, "Name", &type, text, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(QString::fromUtf16(text), QString::fromUtf8("Zoë \"quoted\" C:\\path"));
    EXPECT_EQ(size, std::uint32_t((QString::fromUtf8("Zoë \"quoted\" C:\\path").size() + 1) * 2));
    RegCloseKey(key);

    const QByteArray file = ReadFile(RegFile());
    EXPECT_TRUE(file.startsWith("Windows Registry Editor Version 5.00\n"));
    EXPECT_TRUE(file.contains("[HKEY_LOCAL_MACHINE\\Software\\Maker\\App]\n"));
    EXPECT_TRUE(file.contains("\"Count\"=dword:00000009\n"));
    EXPECT_TRUE(file.contains("\"Name\"=\"Zo\xc3\xab \\\"quoted\\\" C:\\\\path\"\n"));
}

TEST_F(RegistryTest, MissingKeysAndValuesAreReportedAsNotFound) {
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\Nothing", KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    SetDword("Software\\A", "x", 1);
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\A", KEY_READ, &key), ERROR_SUCCESS);
    std::uint32_t type = 0, value = 0, size = 4;
    EXPECT_EQ(RegQueryValueEx(key, "y", &type, &value, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    // Parents of a created key exist.
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(RegistryTest, TooSmallBufferGetsMoreDataAndTheNeededSize) {
    SetText("Software\\A", "t", QString(1023, u'x'));
    SetText("Software\\A", "u", QString(1024, u'x'));
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\A", KEY_READ, &key), ERROR_SUCCESS);
    char16_t buffer[1024];
    std::uint32_t type = 0, size = 2048;
    EXPECT_EQ(RegQueryValueEx(key, "t", &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 2048u);
    size = 2048;
    EXPECT_EQ(RegQueryValueEx(key, "u", &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 2050u);
    RegCloseKey(key);
}

TEST_F(RegistryTest, ReadOnlyHandlesCannotSetValues) {
    SetDword("Software\\A", "x", 1);
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\A", KEY_READ, &key), ERROR_SUCCESS);
    std::uint32_t v = 2;
    EXPECT_EQ(RegSetValueEx(key, "x", REG_DWORD, &v, 4), ERROR_ACCESS_DENIED);
    RegCloseKey(key);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, DamagedFileIsKeptAsideAndTheRegistryStartsEmpty) {
    WriteFile(RegFile(), "this is not a registry file\n");
    ResetRegistry();
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    const QStringList aside = QDir(Home()).entryList({"registry.reg.damaged-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(ReadFile(PathIn(aside[0])), QByteArray("this is not a registry file\n"));
    // The next write starts a fresh file.
    SetDword("Software\\A", "x", 1);
    EXPECT_TRUE(ReadFile(RegFile()).startsWith("Windows Registry Editor Version 5.00"));
}

TEST_F(RegistryTest, UnwritableLocationRefusesWritesAndKeepsReading) {
    WriteFile(PathIn("blocker"), "a file where a folder should be");
    qputenv("QUILLMARK_HOME", QFile::encodeName(PathIn("blocker/home")));
    ResetRegistry();
    HKEY key = 0;
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software\\A", &key), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\A", KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, FlushWithoutChangesDoesNotRewriteTheFile) {
    SetDword("Software\\A", "x", 1);
    QFile::remove(RegFile());
    SetDword("Software\\A", "x", 1); // same value: nothing changed
    EXPECT_FALSE(QFile::exists(RegFile()));
    SetDword("Software\\A", "x", 2);
    EXPECT_TRUE(QFile::exists(RegFile()));
}

TEST_F(RegistryTest, EveryRootCanBeFlushedAndOddValuesRoundTrip) {
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\B", &key), ERROR_SUCCESS);
    const QString multiline = "line one\r\nline two";
    ASSERT_EQ(RegSetValueEx(key, "", REG_SZ, multiline.utf16(),
                            std::uint32_t((multiline.size() + 1) * 2)),
              ERROR_SUCCESS);
    const unsigned char blob[] = {0, 1, 2, 0xff};
    ASSERT_EQ(RegSetValueEx(key, "blob", REG_BINARY, blob, 4), ERROR_SUCCESS);
    RegCloseKey(key);
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS})
        EXPECT_EQ(RegFlushKey(root), ERROR_SUCCESS);
    ResetRegistry();

    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\B", KEY_READ, &key), ERROR_SUCCESS);
    char16_t text[64] = {};
    std::uint32_t type = 0, size = sizeof text;
    ASSERT_EQ(RegQueryValueEx(key, "", &type, text, &size), ERROR_SUCCESS);
    EXPECT_EQ(QString::fromUtf16(text), multiline);
    unsigned char back[8] = {};
    size = sizeof back;
    ASSERT_EQ(RegQueryValueEx(key, "blob", &type, back, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::memcmp(back, blob, 4), 0);
    RegCloseKey(key);
}

} // namespace
