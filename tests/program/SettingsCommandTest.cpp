#include "commands/SettingsCommand.h"

#include "app/AppSettings.h"
#include "platform/Registry.h"
#include "tests/support/TempHome.h"

#include <QFile>

namespace {

class SettingsCommandTest : public CTempHomeTest {
protected:
    int Run(const QStringList& args) {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out), err(&m_err);
        const int status = RunSettingsCommand(args, out, err);
        out.flush();
        err.flush();
        return status;
    }
    QString m_out, m_err;
};

TEST_F(SettingsCommandTest, ListPrintsEveryValueInTableOrder) {
    ASSERT_EQ(Run({"list"}), 0);
    const QStringList lines = m_out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 38);
    EXPECT_EQ(lines[0], "SAPPSETTINGS/UseClearType=0");
    EXPECT_EQ(lines[21], "SCAN_SETTINGS/PageSize=9");
    EXPECT_EQ(lines[28], "SCAN_SETTINGS/AutoPortrait=1");
    EXPECT_EQ(lines[31], "SCAN_SETTINGS/StraightenPages=0");
    EXPECT_EQ(lines[32], "SCAN_SETTINGS/EnhanceLook=0");
    EXPECT_EQ(lines[33], "SCAN_SETTINGS/PageSource=");
    EXPECT_EQ(lines[35], "SCAN_SETTINGS/ScannerResolution=300");
    EXPECT_EQ(lines[36], "SCAN_SETTINGS/ScannerMode=0");
    EXPECT_EQ(lines[37], "SCAN_SETTINGS/PictureQuality=0");
}

TEST_F(SettingsCommandTest, SetReachesTheRegistryFileAndGetReadsIt) {
    ASSERT_EQ(Run({"set", "PageSize", "3"}), 0) << m_err.toStdString();
    EXPECT_TRUE(ReadFile(platform::RegistryFilePath()).contains("\"PageSize\"=dword:00000003"));
    platform::ResetRegistry();
    ASSERT_EQ(Run({"get", "scan_settings/pagesize"}), 0);
    EXPECT_EQ(m_out, "3\n");
    ASSERT_EQ(Run({"set", "pdfTitle", "My scans"}), 0);
    ASSERT_EQ(Run({"get", "pdfTitle"}), 0);
    EXPECT_EQ(m_out, "My scans\n");
    // Texts of any length are stored and read back whole.
    const QString folder = "/" + QString(5000, u'f');
    ASSERT_EQ(Run({"set", "LastImportFolder", folder}), 0);
    platform::ResetRegistry();
    ASSERT_EQ(Run({"get", "LastImportFolder"}), 0);
    EXPECT_EQ(m_out, folder + "\n");
    ASSERT_EQ(Run({"set", "FitToPage", "off"}), 0);
    ASSERT_EQ(Run({"get", "FitToPage"}), 0);
    EXPECT_EQ(m_out, "0\n");
}

TEST_F(SettingsCommandTest, BadNamesValuesAndUsageExitWithTwo) {
    EXPECT_EQ(Run({"get", "Nope"}), 2);
    EXPECT_TRUE(m_err.contains("unknown setting 'Nope'"));
    EXPECT_EQ(Run({"set", "PageSize", "12"}), 2);
    EXPECT_TRUE(m_err.contains("from 0 to 11"));
    EXPECT_EQ(Run({"set", "PageSize", "A7"}), 2);
    EXPECT_TRUE(m_err.contains("from 0 to 11 or one of Letter, Note, Legal, Tabloid, Postcard, "
                               "A0, A1, A2, A3, A4, A5, A6, not 'A7'"))
        << m_err.toStdString();
    EXPECT_EQ(Run({"set", "EnhanceLook", "sepia"}), 2);
    EXPECT_TRUE(m_err.contains("or one of none, grey, bw, colour"));
    EXPECT_EQ(Run({"set", "FitToPage", "A4"}), 2); // names belong to their own setting
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"get"}), 2);
    EXPECT_EQ(Run({"frobnicate"}), 2);
    ASSERT_EQ(Run({"get", "PageSize"}), 0);
    EXPECT_EQ(m_out, "9\n"); // nothing was changed by the refused calls
}

// Settings with named values take the names the pdf command takes for them, in any case; their
// numbers keep working.
TEST_F(SettingsCommandTest, NamedValuesAreTakenBesideNumbers) {
    const struct {
        const char* setting;
        const char* value;
        const char* stored;
    } cases[] = {
        {"PageSize", "A5", "10"},
        {"PageSize", "letter", "0"},
        {"scan_settings/pagesize", "TABLOID", "3"},
        {"PageSize", "4", "4"},
        {"PictureImportOrder", "newest", "2"},
        {"PictureImportOrder", "Name-Desc", "1"},
        {"PictureImportOrder", "ask", "5"},
        {"EnhanceLook", "bw", "2"},
        {"EnhanceLook", "Gray", "1"},
        {"EnhanceLook", "none", "0"},
        {"PictureQuality", "email", "1"},
        {"PictureQuality", "BW", "2"},
        {"PictureQuality", "original", "0"},
        {"PictureQuality", "1", "1"},
        {"CameraRes", "5mp", "3"},
        {"CameraRes", "default", "0"},
        {"FitToPage", "on", "1"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Run({"set", c.setting, c.value}), 0)
            << c.setting << " " << c.value << ": " << m_err.toStdString();
        platform::ResetRegistry();
        ASSERT_EQ(Run({"get", c.setting}), 0);
        EXPECT_EQ(m_out, QString::fromLatin1(c.stored) + "\n") << c.setting << " " << c.value;
    }
}

TEST_F(SettingsCommandTest, UnwritableRegistryIsReported) {
    WriteFile(PathIn("blocker"), "x");
    qputenv("QUILLMARK_HOME", QFile::encodeName(PathIn("blocker/home")));
    platform::ResetRegistry();
    EXPECT_EQ(Run({"set", "PageSize", "2"}), 1);
    EXPECT_TRUE(m_err.contains("could not write the registry file"));
}

} // namespace
