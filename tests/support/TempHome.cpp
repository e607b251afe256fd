#include "tests/support/TempHome.h"

#include "app/AppSettings.h"
#include "platform/Registry.h"

#include <QFile>

void CTempHomeTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    m_hadHome = qEnvironmentVariableIsSet("QUILLMARK_HOME");
    m_oldHome = qgetenv("QUILLMARK_HOME");
    qputenv("QUILLMARK_HOME", QFile::encodeName(m_dir.path()));
    // The cache folder too: tests running side by side must not see each other's copies there,
    // nor leave files in the cache of the user who runs them.
    m_hadCache = qEnvironmentVariableIsSet("XDG_CACHE_HOME");
    m_oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.path() + "/cache"));
    platform::ResetRegistry();
    // As a fresh process has it, so that no test sees what an earlier one set.
    AppSettings() = CAppSettings();
}

void CTempHomeTest::TearDown() {
    platform::ResetRegistry();
    AppSettings() = CAppSettings();
    if (m_hadHome)
        qputenv("QUILLMARK_HOME", m_oldHome);
    else
        qunsetenv("QUILLMARK_HOME");
    if (m_hadCache)
        qputenv("XDG_CACHE_HOME", m_oldCache);
    else
        qunsetenv("XDG_CACHE_HOME");
}

QByteArray CTempHomeTest::ReadFile(const QString& path) const {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void CTempHomeTest::WriteFile(const QString& path, const QByteArray& data) const {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}
