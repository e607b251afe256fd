#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

namespace {

// Sets an environment variable for one scope and puts the old value back.
class CScopedEnv {
public:
    CScopedEnv(const char* name, const std::optional<QByteArray>& value) : m_name(name) {
        if (qEnvironmentVariableIsSet(name))
            m_old = qgetenv(name);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~CScopedEnv() {
        if (m_old)
            qputenv(m_name, *m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<QByteArray> m_old;
};

} // namespace

// The test binary's folder is writable (it is the build folder), which used to make it the
// data folder: an install in ~/.local or run by root kept the session and log beside the
// binary, shared by every user of it.
TEST(PathsTest, DataFolderIsNeverTheProgramFolder) {
    QTemporaryDir xdg;
    ASSERT_TRUE(xdg.isValid());
    ASSERT_TRUE(QFileInfo(platform::ExecutableFolder()).isWritable());
    CScopedEnv home("QUILLMARK_HOME", std::nullopt);
    {
        CScopedEnv data("XDG_DATA_HOME", xdg.path().toLocal8Bit());
        EXPECT_EQ(platform::ProgramDataFolder(), xdg.path() + "/quillmark");
    }
    {
        // Relative XDG values are invalid by the base-directory rules and ignored.
        CScopedEnv data("XDG_DATA_HOME", QByteArray("relative/share"));
        EXPECT_EQ(platform::ProgramDataFolder(), QDir::homePath() + "/.local/share/quillmark");
    }
    CScopedEnv override("QUILLMARK_HOME", (xdg.path() + "/own/").toLocal8Bit());
    EXPECT_EQ(platform::ProgramDataFolder(), xdg.path() + "/own");
}

// From the build folder the skin libraries lie beside the program; installed, bin/ holds only
// the program and they are found in ../lib/quillmark.
TEST(PathsTest, SkinLibrariesBesideTheProgramOrInTheInstalledFolder) {
    const QString exeFolder = platform::ExecutableFolder();
    const QString beside = exeFolder + "/Quillmark.vga";
    const bool hadSkin = QFileInfo::exists(beside);
    if (hadSkin) {
        EXPECT_EQ(platform::SkinLibraryFolder(), exeFolder);
        return;
    }
    EXPECT_EQ(platform::SkinLibraryFolder(), QDir::cleanPath(exeFolder + "/../lib/quillmark"));
    QFile marker(exeFolder + "/Quillmark.qvga");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    EXPECT_EQ(platform::SkinLibraryFolder(), exeFolder);
    marker.remove();
}

// A private library loaded on first use is looked for the same way, by its own file name.
TEST(PathsTest, PrivateLibraryBesideTheProgramOrInTheInstalledFolder) {
    const QString exeFolder = platform::ExecutableFolder();
    const QString name = QStringLiteral("quillmark-paths-test.so");
    EXPECT_EQ(platform::PrivateLibraryPath(name),
              QDir::cleanPath(exeFolder + "/../lib/quillmark/" + name));
    QFile beside(exeFolder + "/" + name);
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(platform::PrivateLibraryPath(name), exeFolder + "/" + name);
    beside.remove();
}
