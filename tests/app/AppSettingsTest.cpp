#include "app/AppSettings.h"

#include "platform/Registry.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

using namespace platform;

namespace {

class AppSettingsTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        // A documents folder that exists, so the folder defaults are real paths.
        QDir().mkpath(PathIn("Documents"));
        m_oldXdg = qgetenv("XDG_DOCUMENTS_DIR");
        qputenv("XDG_DOCUMENTS_DIR", QFile::encodeName(PathIn("Documents")));
    }
    void TearDown() override {
        qputenv("XDG_DOCUMENTS_DIR", m_oldXdg);
        CTempHomeTest::TearDown();
    }
    QByteArray m_oldXdg;
};

TEST_F(AppSettingsTest, FirstLoadWritesEveryValueWithItsDefault) {
    CAppSettings s;
    LoadSettings(s);
    ResetRegistry();  // read back what reached the file

    int count = 0;
    for (const CSettingDescriptor& d : SettingDescriptors()) {
        ++count;
        if (d.IsText()) {
            QString text;
            ASSERT_TRUE(ReadText(d.KeyPath(), d.name, text)) << d.name;
            EXPECT_EQ(text, (s.*d.text).Get()) << d.name;
        } else {
            std::uint32_t value = 99;
            ASSERT_TRUE(ReadNumber(d.KeyPath(), d.name, value)) << d.name;
            EXPECT_EQ(value, d.defaultNumber) << d.name;
            EXPECT_EQ(s.*d.number, d.defaultNumber) << d.name;
        }
    }
    EXPECT_EQ(count, 29);
    EXPECT_EQ(s.pageSize, 9u);
    EXPECT_EQ(s.pictureImportOrder, 5u);
    EXPECT_EQ(s.showTotalTime, 0u);
    EXPECT_EQ(s.autoPortrait, 1u);
    EXPECT_EQ(s.lastImportFolder.Get(), PathIn("Documents"));
    EXPECT_EQ(s.lastSaveFolder.Get(), PathIn("Documents"));
    EXPECT_EQ(s.lastSendToAddress.Get(), QString());

    const QByteArray file = ReadFile(RegistryFilePath());
    EXPECT_TRUE(file.contains(
        "[HKEY_LOCAL_MACHINE\\Software\\Tessaly\\Quillmark\\Profiles\\Default\\SCAN_SETTINGS]\n"));
    EXPECT_TRUE(file.contains("\"PageSize\"=dword:00000009\n"));
    EXPECT_TRUE(file.contains("\"pdfTitle\"=\"\"\n"));
}

TEST_F(AppSettingsTest, WrongTypeAndTooLongTextCountAsMissing) {
    const QString app = SettingsKeyPath("SAPPSETTINGS");
    const QString scan = SettingsKeyPath("SCAN_SETTINGS");
    ASSERT_TRUE(WriteText(app, "PictureImportOrder", "2"));
    ASSERT_TRUE(WriteText(scan, "pdfTitle", QString(1024, u't')));
    ASSERT_TRUE(WriteNumber(scan, "pdfAuthor", 7));

    CAppSettings s;
    LoadSettings(s);
    EXPECT_EQ(s.pictureImportOrder, 5u);
    EXPECT_EQ(s.pdfTitle.Get(), QString());
    EXPECT_EQ(s.pdfAuthor.Get(), QString());
    std::uint32_t order = 0;
    EXPECT_TRUE(ReadNumber(app, "PictureImportOrder", order));
    EXPECT_EQ(order, 5u);
    QString title = "x";
    EXPECT_TRUE(ReadText(scan, "pdfTitle", title));
    EXPECT_EQ(title, QString());
}

TEST_F(AppSettingsTest, LongestTextSurvivesSaveAndLoad) {
    CAppSettings s;
    LoadSettings(s);
    const QString longest(1023, u'k');
    ASSERT_TRUE(s.pdfKeywords.Set(longest));
    EXPECT_FALSE(s.pdfKeywords.Set(QString(1024, u'k')));  // refused, value kept
    EXPECT_EQ(s.pdfKeywords.Get(), longest);
    ASSERT_TRUE(SaveSettings(s));
    ResetRegistry();
    CAppSettings t;
    LoadSettings(t);
    EXPECT_EQ(t.pdfKeywords.Get(), longest);
}

TEST_F(AppSettingsTest, OutOfRangeNumbersFallBackToTheirDefaults) {
    const QString scan = SettingsKeyPath("SCAN_SETTINGS");
    ASSERT_TRUE(WriteNumber(scan, "PageSize", 12));
    ASSERT_TRUE(WriteNumber(scan, "CameraRes", 4));
    ASSERT_TRUE(WriteNumber(SettingsKeyPath("SAPPSETTINGS"), "PictureImportOrder", 6));
    ASSERT_TRUE(WriteNumber(scan, "FitToPage", 0));
    CAppSettings s;
    LoadSettings(s);
    EXPECT_EQ(s.pageSize, 9u);
    EXPECT_EQ(s.cameraRes, 0u);
    EXPECT_EQ(s.pictureImportOrder, 5u);
    EXPECT_EQ(s.fitToPage, 0u);
    // The corrected value reaches the registry with the next save.
    ASSERT_TRUE(SaveSettings(s));
    std::uint32_t page = 0;
    ASSERT_TRUE(ReadNumber(scan, "PageSize", page));
    EXPECT_EQ(page, 9u);
}

TEST_F(AppSettingsTest, UnwritableRegistryYieldsZerosAndEmptyTexts) {
    WriteFile(PathIn("blocker"), "x");
    qputenv("QUILLMARK_HOME", QFile::encodeName(PathIn("blocker/home")));
    ResetRegistry();
    CAppSettings s;
    s.pageSize = 3;
    ASSERT_TRUE(s.pdfTitle.Set("old"));
    LoadSettings(s);
    EXPECT_EQ(s.pageSize, 0u);
    EXPECT_EQ(s.fitToPage, 0u);
    EXPECT_EQ(s.pdfTitle.Get(), QString());
    EXPECT_EQ(s.lastImportFolder.Get(), QString());
    EXPECT_FALSE(SaveSettings(s));
}

TEST_F(AppSettingsTest, NamesAreFoundWithOrWithoutTheirGroup) {
    ASSERT_NE(FindSetting("PageSize"), nullptr);
    EXPECT_STREQ(FindSetting("scan_settings/pagesize")->name, "PageSize");
    EXPECT_EQ(FindSetting("SAPPSETTINGS/PageSize"), nullptr);
    EXPECT_EQ(FindSetting("NoSuchThing"), nullptr);
    EXPECT_EQ(SettingsKeyPath("CMsg"), "Software\\Tessaly\\Quillmark\\Profiles\\Default\\CMsg");
}

}  // namespace
