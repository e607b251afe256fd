// Several processes writing one registry file: each merges its own changes into the file as it
// is now, under the registry's lock, so nobody's change is undone by a writer that did not
// make it.

#include "platform/RegKey.h"
#include "platform/Registry.h"

#include "tests/support/TempHome.h"

#include <QFile>

#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

class RegistryWritersTest : public CTempHomeTest {
protected:
    QString RegFile() const { return PathIn("registry.reg"); }
    static CRegKey App() { return CRegKey(HKEY_LOCAL_MACHINE, "Software\\Maker\\App"); }

    // What another process leaves in the file: this process's registry does not see it.
    void WriteBehindOurBack(const QByteArray& body) {
        WriteFile(RegFile(), "Windows Registry Editor Version 5.00\n\n" + body);
    }

    // Runs `child` in `count` forked processes at once; true when every one exited with 0.
    static bool RunForked(int count, const std::function<bool(int)>& child) {
        std::vector<pid_t> pids;
        for (int n = 0; n < count; ++n) {
            const pid_t pid = ::fork();
            if (pid < 0)
                return false;
            if (pid == 0) {
                ResetRegistry(); // a process of its own loads the file itself
                ::_exit(child(n) ? 0 : 1);
            }
            pids.push_back(pid);
        }
        bool all = true;
        for (pid_t pid : pids) {
            int status = 0;
            all = ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
                  WEXITSTATUS(status) == 0 && all;
        }
        return all;
    }
};

TEST_F(RegistryWritersTest, ValuesAnotherProcessWroteSurviveOurFlush) {
    CRegKey app = App();
    ASSERT_TRUE(app.Write<std::uint32_t>("PageSize", 9));
    ASSERT_TRUE(app.Write<std::uint32_t>("AutoPortrait", 1));
    // Another process changes one value and adds a key.
    WriteBehindOurBack("[HKEY_LOCAL_MACHINE\\Software\\Maker\\App]\n"
                       "\"PageSize\"=dword:00000009\n\"AutoPortrait\"=dword:00000000\n\n"
                       "[HKEY_LOCAL_MACHINE\\Software\\Maker\\Other]\n\"x\"=\"y\"\n");

    ASSERT_TRUE(app.Write<std::uint32_t>("PageSize", 10));
    // Storing what this process already sees is no change: it must not undo the other's 0.
    ASSERT_TRUE(app.Write<std::uint32_t>("AutoPortrait", 1));

    ResetRegistry();
    EXPECT_EQ(App().Read<std::uint32_t>("PageSize"), 10u);
    EXPECT_EQ(App().Read<std::uint32_t>("AutoPortrait"), 0u);
    EXPECT_EQ(CRegKey(HKEY_LOCAL_MACHINE, "Software\\Maker\\Other").Read<QString>("x"), "y");
}

TEST_F(RegistryWritersTest, DeletedValuesAndKeysAreDeletedFromTheFileAsItIsNow) {
    CRegKey app = App();
    ASSERT_TRUE(app.Write<QString>("Keep", "k"));
    ASSERT_TRUE(app.Write<QString>("Drop", "d"));
    ASSERT_TRUE(app.Sub("Old").Sub("Deeper").Write<QString>("v", "1"));
    WriteBehindOurBack("[HKEY_LOCAL_MACHINE\\Software\\Maker\\App]\n"
                       "\"Keep\"=\"k\"\n\"Drop\"=\"d\"\n\"New\"=\"n\"\n\n"
                       "[HKEY_LOCAL_MACHINE\\Software\\Maker\\App\\Old\\Deeper]\n\"v\"=\"1\"\n"
                       "\"w\"=\"2\"\n");
    EXPECT_EQ(app.ValueCount(), 2u);
    ASSERT_TRUE(app.Remove("Drop"));
    ASSERT_TRUE(app.Sub("Old").RemoveKey());
    EXPECT_FALSE(app.Sub("Old").Sub("Deeper").Exists());
    ASSERT_TRUE(app.Flush());

    ResetRegistry();
    EXPECT_EQ(App().Read<QString>("Keep"), "k");
    EXPECT_EQ(App().Read<QString>("New"), "n");
    EXPECT_FALSE(App().Has("Drop"));
    EXPECT_FALSE(App().Sub("Old").Exists());
    EXPECT_FALSE(ReadFile(RegFile()).contains("Deeper"));
    EXPECT_EQ(App().ValueCount(), 2u);
    EXPECT_TRUE(App().RemoveKey()); // gone already or now: both are success
    HKEY root = HKEY_LOCAL_MACHINE;
    EXPECT_EQ(RegDeleteKey(root, ""), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(root, "Software\\Nothing"), ERROR_FILE_NOT_FOUND);
}

// Keys below a key do not always sort right after it: "App X" comes between "App" and
// "App\\Sub".
TEST_F(RegistryWritersTest, DeletingAKeyTakesItsSubkeysAndLeavesItsSiblings) {
    ASSERT_TRUE(App().Write<QString>("v", "1"));
    ASSERT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Software\\Maker\\App X").Write<QString>("v", "2"));
    ASSERT_TRUE(App().Sub("Sub").Write<QString>("v", "3"));
    ASSERT_TRUE(App().Sub("Sub").Sub("Deeper").Write<QString>("v", "4"));
    HKEY app = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, App().Path(), KEY_READ, &app), ERROR_SUCCESS);
    std::uint32_t subKeys = 0, values = 0;
    ASSERT_EQ(RegQueryInfoKey(app, &subKeys, &values), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 1u);
    EXPECT_EQ(values, 1u);
    RegCloseKey(app);

    ASSERT_TRUE(App().RemoveKey());
    ASSERT_TRUE(App().Flush());
    ResetRegistry();
    EXPECT_FALSE(App().Exists());
    EXPECT_FALSE(App().Sub("Sub").Exists());
    EXPECT_EQ(CRegKey(HKEY_LOCAL_MACHINE, "Software\\Maker\\App X").Read<QString>("v"), "2");
}

TEST_F(RegistryWritersTest, AnUpdateReadsTheFileAsItIsNowAndGivingUpKeepsNothing) {
    CRegKey app = App();
    ASSERT_TRUE(app.Write<QString>("List", "a"));
    WriteBehindOurBack("[HKEY_LOCAL_MACHINE\\Software\\Maker\\App]\n\"List\"=\"a;b\"\n");
    EXPECT_EQ(app.Read<QString>("List"), "a"); // loaded once

    ASSERT_TRUE(UpdateRegistry(
        [&] { return app.Set<QString>("List", app.Read<QString>("List", "") + ";c"); }));
    EXPECT_EQ(app.Read<QString>("List"), "a;b;c");
    const QByteArray before = ReadFile(RegFile());
    EXPECT_FALSE(UpdateRegistry([&] {
        app.Set<QString>("List", "lost");
        app.Sub("Half").Set<QString>("done", "no");
        EXPECT_TRUE(app.Flush()); // inside an update a flush only succeeds
        return false;
    }));
    EXPECT_EQ(app.Read<QString>("List"), "a;b;c");
    EXPECT_FALSE(app.Sub("Half").Exists());
    EXPECT_EQ(ReadFile(RegFile()), before);
    ResetRegistry();
    EXPECT_EQ(App().Read<QString>("List"), "a;b;c");
}

TEST_F(RegistryWritersTest, ADefaultNeverOverwritesAValueStoredMeanwhile) {
    CRegKey app = App();
    ASSERT_TRUE(app.Write<QString>("Other", "o"));
    WriteBehindOurBack("[HKEY_LOCAL_MACHINE\\Software\\Maker\\App]\n\"Other\"=\"o\"\n"
                       "\"Folder\"=\"/chosen\"\n");
    ASSERT_FALSE(app.Has("Folder"));
    ASSERT_TRUE(app.SetDefault<QString>("Folder", "/default"));
    ASSERT_TRUE(app.SetDefault<QString>("Missing", "/default"));
    ASSERT_TRUE(app.Flush());
    ResetRegistry();
    EXPECT_EQ(App().Read<QString>("Folder"), "/chosen");
    EXPECT_EQ(App().Read<QString>("Missing"), "/default");
}

// Real processes at once: every one sets values of its own (flushing each) and appends to one
// shared list through an update. Nothing is lost and the file stays whole.
TEST_F(RegistryWritersTest, ParallelProcessesKeepEveryChange) {
    constexpr int kProcesses = 6;
    constexpr int kRounds = 15;
    ASSERT_TRUE(RunForked(kProcesses, [](int n) {
        for (int i = 0; i < kRounds; ++i) {
            CRegKey key = App().Sub(QString::number(n));
            if (!key.Write<std::uint32_t>(QStringLiteral("v%1").arg(i), std::uint32_t(i)))
                return false;
            const QString entry = QStringLiteral("%1.%2").arg(n).arg(i);
            if (!UpdateRegistry([&] {
                    CRegKey app = App();
                    const QString list = app.Read<QString>("List", QString());
                    return app.Set<QString>("List", list.isEmpty() ? entry : list + ";" + entry);
                }))
                return false;
        }
        return true;
    }));
    ResetRegistry();
    const QStringList list = App().Read<QString>("List", QString()).split(';');
    EXPECT_EQ(list.size(), kProcesses * kRounds);
    for (int n = 0; n < kProcesses; ++n) {
        EXPECT_EQ(App().Sub(QString::number(n)).ValueCount(), std::uint32_t(kRounds));
        for (int i = 0; i < kRounds; ++i)
            EXPECT_TRUE(list.contains(QStringLiteral("%1.%2").arg(n).arg(i))) << n << "." << i;
    }
    EXPECT_TRUE(QFile::exists(RegistryLockPath()));
}

} // namespace
