#include "app/KnownFolders.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace {

// Sets environment variables for one test and puts the old values back afterwards.
class CEnvironment {
public:
    ~CEnvironment() {
        for (const auto& [name, old] : m_old) {
            if (old)
                qputenv(name.c_str(), *old);
            else
                qunsetenv(name.c_str());
        }
    }
    void Set(const char* name, const QString& value) {
        Remember(name);
        qputenv(name, QFile::encodeName(value));
    }
    void Unset(const char* name) {
        Remember(name);
        qunsetenv(name);
    }

private:
    void Remember(const char* name) {
        if (m_old.count(name))
            return;
        m_old[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }
    std::map<std::string, std::optional<QByteArray>> m_old;
};

class KnownFoldersTest : public CTempHomeTest {
protected:
    CEnvironment m_env;
};

TEST_F(KnownFoldersTest, PersonalFolderOnlyWhenItExists) {
    m_env.Set("XDG_DOCUMENTS_DIR", PathIn("Docs/"));
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), QString());
    QDir().mkpath(PathIn("Docs"));
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), PathIn("Docs"));
    // Asked again on every request.
    QDir(PathIn("Docs")).removeRecursively();
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), QString());
}

TEST_F(KnownFoldersTest, PersonalFolderIsTheDesktopsDocumentsFolder) {
    m_env.Unset("XDG_DOCUMENTS_DIR");
    m_env.Set("HOME", PathIn("home"));
    m_env.Set("XDG_CONFIG_HOME", PathIn("config"));
    QDir().mkpath(PathIn("config"));
    WriteFile(PathIn("config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Papiere\"\n");
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), QString());
    QDir().mkpath(PathIn("home/Papiere"));
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), PathIn("home/Papiere"));

    // Without a user-dirs file the desktop's default name stands.
    QFile::remove(PathIn("config/user-dirs.dirs"));
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), QString());
    QDir().mkpath(PathIn("home/Documents"));
    EXPECT_EQ(GetSpecialFolder(kSpecialFolderPersonal), PathIn("home/Documents"));
}

TEST_F(KnownFoldersTest, UnknownIdentifiersGiveNothing) {
    EXPECT_EQ(GetSpecialFolder(0), QString());
    EXPECT_EQ(GetSpecialFolder(3), QString());
    EXPECT_EQ(GetSpecialFolder(5), QString());
}

TEST_F(KnownFoldersTest, ProgramFilesGoToTheHomeOverride) {
    EXPECT_EQ(GetAppDataFolder(), Home());
    EXPECT_FALSE(GetAppFolder().isEmpty());
    EXPECT_FALSE(GetAppFolder().endsWith(u'/'));
}

// The system folder is kept for the rest of the process once it was asked for, so each case
// runs in a fresh copy of this test program and reports through its exit status.
class SystemFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_style = GTEST_FLAG_GET(death_test_style);
        GTEST_FLAG_SET(death_test_style, "threadsafe");
    }
    void TearDown() override { GTEST_FLAG_SET(death_test_style, m_style); }

private:
    std::string m_style;
};

struct CAnswer {
    QString got;
    QString expected;
};

// Ends the process: status 0 when the answer is the expected one, else 1 with both on stderr.
[[noreturn]] void ExitWith(const CAnswer& answer) {
    std::fprintf(stderr, "got \"%s\", expected \"%s\"\n", qPrintable(answer.got),
                 qPrintable(answer.expected));
    std::fflush(stderr);
    std::_Exit(answer.got == answer.expected ? 0 : 1);
}

// Without an override: the installed data beside the program folder, with the help page.
CAnswer InstalledDataFolder() {
    qunsetenv("QUILLMARK_DATA_DIR");
    const QString program = QFileInfo("/proc/self/exe").canonicalFilePath();
    const QString expected = QDir::cleanPath(program.section(u'/', 0, -2) + "/../share/quillmark");
    const QString got = GetSpecialFolder(kSpecialFolderSystem);
    if (!QFileInfo(got + "/quillmark.htm").isFile())
        return {got + " without quillmark.htm", expected};
    return {got, expected};
}

// QUILLMARK_DATA_DIR names it (a trailing slash dropped); a later change of the variable is
// not seen.
CAnswer OverriddenAndKept() {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("data"));
    QDir().mkpath(dir.filePath("other"));
    qputenv("QUILLMARK_DATA_DIR", QFile::encodeName(dir.filePath("data") + "/"));
    const QString first = GetSpecialFolder(kSpecialFolderSystem);
    qputenv("QUILLMARK_DATA_DIR", QFile::encodeName(dir.filePath("other")));
    const QString second = GetSpecialFolder(kSpecialFolderSystem);
    return {first + " | " + second, dir.filePath("data") + " | " + dir.filePath("data")};
}

// A missing folder answers empty, but the kept path answers once the folder exists.
CAnswer MissingUntilItExists() {
    QTemporaryDir dir;
    qputenv("QUILLMARK_DATA_DIR", QFile::encodeName(dir.filePath("late")));
    const QString missing = GetSpecialFolder(kSpecialFolderSystem);
    QDir().mkpath(dir.filePath("late"));
    QDir().mkpath(dir.filePath("other"));
    qputenv("QUILLMARK_DATA_DIR", QFile::encodeName(dir.filePath("other")));
    const QString existing = GetSpecialFolder(kSpecialFolderSystem);
    return {missing + " | " + existing, " | " + dir.filePath("late")};
}

TEST_F(SystemFolderTest, IsTheInstalledDataFolderWithTheHelpPage) {
    EXPECT_EXIT(ExitWith(InstalledDataFolder()), testing::ExitedWithCode(0), "");
}

TEST_F(SystemFolderTest, OverrideIsReadOnceAndKept) {
    EXPECT_EXIT(ExitWith(OverriddenAndKept()), testing::ExitedWithCode(0), "");
}

TEST_F(SystemFolderTest, MissingFolderIsEmptyUntilItExists) {
    EXPECT_EXIT(ExitWith(MissingUntilItExists()), testing::ExitedWithCode(0), "");
}

} // namespace
