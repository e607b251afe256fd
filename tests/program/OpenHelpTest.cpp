#include "program/OpenHelp.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

namespace {

class OpenHelpTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        QDir(Home()).mkpath("system");
        qputenv("QUILLMARK_DATA_DIR", QFile::encodeName(PathIn("system")));
        WriteFile(
            PathIn("opener.sh"),
            QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\n").arg(PathIn("opened.txt")).toUtf8());
        QFile::setPermissions(PathIn("opener.sh"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("QUILLMARK_OPENER", QFile::encodeName(PathIn("opener.sh")));
    }
    void TearDown() override {
        qunsetenv("QUILLMARK_OPENER");
        qunsetenv("QUILLMARK_DATA_DIR");
        CTempHomeTest::TearDown();
    }
};

// The system folder is resolved once per run, so all cases share one test.
TEST_F(OpenHelpTest, OpensThePageFromTheSystemFolderNothingWithoutItAndSaysWhenNoViewerTookIt) {
    EXPECT_EQ(OpenHelp(), EHelpOpen::Missing);
    EXPECT_FALSE(QFile::exists(PathIn("opened.txt")));

    WriteFile(PathIn("system/quillmark.htm"), "<html></html>");
    EXPECT_EQ(HelpFilePath(), PathIn("system/quillmark.htm"));
    EXPECT_EQ(OpenHelp(), EHelpOpen::Opened);
    EXPECT_EQ(ReadFile(PathIn("opened.txt")), PathIn("system/quillmark.htm").toUtf8() + "\n");

    // No browser: xdg-open ends with 3.
    WriteFile(PathIn("opener.sh"), "#!/bin/sh\nexit 3\n");
    EXPECT_EQ(OpenHelp(), EHelpOpen::Failed);

    // The copy in the user's first language that has one; English for the others.
    WriteFile(PathIn("system/quillmark.fr.htm"), "<html lang=fr></html>");
    WriteFile(PathIn("system/quillmark.de.htm"), "<html lang=de></html>");
    EXPECT_EQ(HelpFilePath({"de_AT", "de"}), PathIn("system/quillmark.de.htm"));
    EXPECT_EQ(HelpFilePath({"es", "fr"}), PathIn("system/quillmark.fr.htm"));
    EXPECT_EQ(HelpFilePath({"es"}), PathIn("system/quillmark.htm"));
    EXPECT_EQ(HelpFilePath({}), PathIn("system/quillmark.htm"));
}

} // namespace
