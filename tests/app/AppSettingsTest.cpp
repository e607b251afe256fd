#include "app/AppSettings.h"

#include "platform/Registry.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringList>

#include <functional>
#include <iterator>
#include <utility>
#include <vector>

using namespace platform;

namespace {

// Every value of the record as users and other programs find it in the registry: group,
// value name, type (a number or a text member) and default, in load and save order.
struct CExpectedSetting {
    const char* group;
    const char* name;
    std::uint32_t CAppSettings::*number; // null for texts
    QString CAppSettings::*text;         // null for numbers
    std::uint32_t defaultNumber;
    bool defaultIsPersonalFolder; // else the default text is empty
};

CExpectedSetting Num(const char* group, const char* name, std::uint32_t CAppSettings::*member,
                     std::uint32_t def) {
    return {group, name, member, nullptr, def, false};
}

CExpectedSetting Txt(const char* group, const char* name, QString CAppSettings::*member,
                     bool personalFolder = false) {
    return {group, name, nullptr, member, 0, personalFolder};
}

using S = CAppSettings;
const CExpectedSetting kExpected[] = {
    Num("SAPPSETTINGS", "UseClearType", &S::useClearType, 0),
    Num("SAPPSETTINGS", "BackupEditFile", &S::backupEditFile, 1),
    Txt("SAPPSETTINGS", "LastImportFolder", &S::lastImportFolder, true),
    Txt("SAPPSETTINGS", "LastSaveFolder", &S::lastSaveFolder, true),
    Txt("SAPPSETTINGS", "LastSendToAddress", &S::lastSendToAddress),
    Num("SAPPSETTINGS", "PictureImportOrder", &S::pictureImportOrder, kImportAskEachTime),
    Num("SND_CFG", "EnableSounds", &S::enableSounds, 1),
    Num("BTN_EX_CFG", "Flat", &S::flat, 1),
    Num("BTN_EX_CFG", "DrawFlatBorder", &S::drawFlatBorder, 1),
    Num("BTN_EX_CFG", "DrawFlatFocus", &S::drawFlatFocus, 1),
    Num("BTN_EX_CFG", "UseIcons", &S::useIcons, 1),
    Num("PROGRESS_CTRL_EX_CFG", "Gradient", &S::gradient, 1),
    Num("PROGRESS_CTRL_EX_CFG", "ShowStats", &S::showStats, 1),
    Num("PROGRESS_CTRL_EX_CFG", "ShowTotalTime", &S::showTotalTime, 0),
    Num("SCAN_SETTINGS", "DeleteFile", &S::deleteFile, 1),
    Num("SCAN_SETTINGS", "Recursive", &S::recursive, 1),
    Num("SCAN_SETTINGS", "EnumJPEG", &S::enumJpeg, 1),
    Num("SCAN_SETTINGS", "EnumPNG", &S::enumPng, 0),
    Num("SCAN_SETTINGS", "EnumBMP", &S::enumBmp, 0),
    Txt("SCAN_SETTINGS", "EnumMask", &S::enumMask),
    Num("SCAN_SETTINGS", "CameraRes", &S::cameraRes, 0),
    Num("SCAN_SETTINGS", "PageSize", &S::pageSize, kPaperA4),
    Txt("SCAN_SETTINGS", "pdfTitle", &S::pdfTitle),
    Txt("SCAN_SETTINGS", "pdfAuthor", &S::pdfAuthor),
    Txt("SCAN_SETTINGS", "pdfSubject", &S::pdfSubject),
    Txt("SCAN_SETTINGS", "pdfKeywords", &S::pdfKeywords),
    Txt("SCAN_SETTINGS", "pdfCreator", &S::pdfCreator),
    Num("SCAN_SETTINGS", "FitToPage", &S::fitToPage, 1),
    Num("SCAN_SETTINGS", "AutoPortrait", &S::autoPortrait, 1),
    Num("SCAN_SETTINGS", "RecogniseText", &S::recogniseText, 0),
    Txt("SCAN_SETTINGS", "OcrLanguage", &S::ocrLanguage),
    Num("SCAN_SETTINGS", "StraightenPages", &S::straightenPages, 0),
    Num("SCAN_SETTINGS", "EnhanceLook", &S::enhanceLook, 0),
    Txt("SCAN_SETTINGS", "PageSource", &S::pageSource),
    Num("SCAN_SETTINGS", "ScannerSource", &S::scannerSource, 0),
    Num("SCAN_SETTINGS", "ScannerResolution", &S::scannerResolution, 300),
    Num("SCAN_SETTINGS", "ScannerMode", &S::scannerMode, 0),
    Num("SCAN_SETTINGS", "PictureQuality", &S::pictureQuality, 0),
};

const char* const kGroups[] = {"SAPPSETTINGS", "SND_CFG", "BTN_EX_CFG", "PROGRESS_CTRL_EX_CFG",
                               "SCAN_SETTINGS"};
const QString kProfileKey = "HKEY_LOCAL_MACHINE\\Software\\Tessaly\\Quillmark\\Profiles\\Default";

// The value lines of each key in a registry file, by the key's name as written.
QMap<QString, QStringList> KeysOf(const QByteArray& file) {
    QMap<QString, QStringList> keys;
    QString current;
    for (const QString& line : QString::fromUtf8(file).split(u'\n')) {
        if (line.startsWith(u'[') && line.endsWith(u']'))
            keys[current = line.mid(1, line.size() - 2)];
        else if (!line.isEmpty() && !current.isEmpty())
            keys[current] << line;
    }
    return keys;
}

// The keys below the profile with the lines a group's values should have there.
QMap<QString, QStringList>
ExpectedKeys(const std::function<QString(const CExpectedSetting&)>& line) {
    QMap<QString, QStringList> keys;
    for (const char* group : kGroups)
        keys[kProfileKey + "\\" + group];
    for (const CExpectedSetting& e : kExpected)
        keys[kProfileKey + "\\" + e.group] << line(e);
    return keys;
}

QMap<QString, QStringList> ProfileKeysOf(const QByteArray& file) {
    QMap<QString, QStringList> keys;
    const QMap<QString, QStringList> all = KeysOf(file);
    for (auto it = all.begin(); it != all.end(); ++it)
        if (it.key().startsWith(kProfileKey + "\\"))
            keys.insert(it.key(), it.value());
    return keys;
}

QString NumberLine(const char* name, std::uint32_t value) {
    return QString("\"%1\"=dword:%2").arg(name).arg(value, 8, 16, QChar(u'0'));
}

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

TEST_F(AppSettingsTest, TheTableHoldsTheDocumentedValues) {
    const auto table = SettingDescriptors();
    ASSERT_EQ(table.size(), std::size(kExpected));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const CSettingDescriptor& d = table[i];
        const CExpectedSetting& e = kExpected[i];
        SCOPED_TRACE(e.name);
        EXPECT_STREQ(d.group, e.group);
        EXPECT_STREQ(d.name, e.name);
        EXPECT_EQ(d.number, e.number);
        EXPECT_EQ(d.text, e.text);
        if (e.number)
            EXPECT_EQ(d.defaultNumber, e.defaultNumber);
        else
            EXPECT_EQ(d.defaultText, e.defaultIsPersonalFolder
                                         ? CSettingDescriptor::TextDefault::PersonalFolder
                                         : CSettingDescriptor::TextDefault::Empty);
    }
}

TEST_F(AppSettingsTest, FirstLoadWritesEveryValueWithItsDefault) {
    CAppSettings s;
    LoadSettings(s);

    const QString documents = PathIn("Documents");
    for (const CExpectedSetting& e : kExpected) {
        SCOPED_TRACE(e.name);
        if (e.number)
            EXPECT_EQ(s.*e.number, e.defaultNumber);
        else
            EXPECT_EQ(s.*e.text, e.defaultIsPersonalFolder ? documents : QString());
    }

    // The file holds the five groups, each value with its type and default, in table order.
    const QByteArray file = ReadFile(RegistryFilePath());
    EXPECT_EQ(ProfileKeysOf(file), ExpectedKeys([&](const CExpectedSetting& e) {
                  if (e.number)
                      return NumberLine(e.name, e.defaultNumber);
                  return QString("\"%1\"=\"%2\"")
                      .arg(QString::fromLatin1(e.name),
                           e.defaultIsPersonalFolder ? documents : QString());
              }))
        << file.toStdString();

    // A second load finds every value and writes nothing.
    CAppSettings again;
    LoadSettings(again);
    EXPECT_EQ(ReadFile(RegistryFilePath()), file);
    EXPECT_EQ(again.pageSize, 9u);
}

TEST_F(AppSettingsTest, EveryValueMakesARoundTripThroughTheRegistryFile) {
    // A distinct value for each setting, so that two values swapped on the way show.
    CAppSettings saved;
    LoadSettings(saved);
    std::uint32_t next = 100;
    for (const CExpectedSetting& e : kExpected) {
        if (e.number)
            saved.*e.number = next++;
        else
            saved.*e.text = QString("%1 \\ \"q\"").arg(e.name);
    }
    // The numbers with a range get a different value inside it.
    saved.pictureImportOrder = 2;
    saved.pictureQuality = 2;
    saved.cameraRes = 3;
    saved.pageSize = kPaperA6;
    saved.scannerSource = 2;
    saved.scannerMode = 1;
    ASSERT_TRUE(SaveSettings(saved));

    const QByteArray file = ReadFile(RegistryFilePath());
    EXPECT_EQ(ProfileKeysOf(file), ExpectedKeys([&](const CExpectedSetting& e) {
                  if (e.number)
                      return NumberLine(e.name, saved.*e.number);
                  return QString("\"%1\"=\"%1 \\\\ \\\"q\\\"\"").arg(e.name);
              }))
        << file.toStdString();
    EXPECT_TRUE(file.contains("\"PageSize\"=dword:0000000b\n"));
    EXPECT_TRUE(file.contains("\"pdfTitle\"=\"pdfTitle \\\\ \\\"q\\\"\"\n"));

    ResetRegistry(); // the next load reads the file
    CAppSettings loaded;
    LoadSettings(loaded);
    for (const CExpectedSetting& e : kExpected) {
        SCOPED_TRACE(e.name);
        if (e.number)
            EXPECT_EQ(loaded.*e.number, saved.*e.number);
        else
            EXPECT_EQ(loaded.*e.text, saved.*e.text);
    }
    EXPECT_EQ(loaded.lastImportFolder, "LastImportFolder \\ \"q\"");
    EXPECT_EQ(loaded.pageSize, 11u);
}

TEST_F(AppSettingsTest, AValueOfTheWrongTypeCountsAsMissing) {
    CRegKey app = SettingsKey("SAPPSETTINGS");
    CRegKey scan = SettingsKey("SCAN_SETTINGS");
    ASSERT_TRUE(app.Write<QString>("PictureImportOrder", "2"));
    ASSERT_TRUE(scan.Write<std::uint32_t>("pdfAuthor", 7));

    CAppSettings s;
    LoadSettings(s);
    EXPECT_EQ(s.pictureImportOrder, 5u);
    EXPECT_EQ(s.pdfAuthor, QString());
    EXPECT_EQ(app.Read<std::uint32_t>("PictureImportOrder"), 5u);
    EXPECT_EQ(scan.Read<QString>("pdfAuthor"), QString());
    EXPECT_EQ(scan.Read<std::uint32_t>("pdfAuthor"), std::nullopt);
}

// The registry file has no limit on a text's length, and neither has the record: a folder
// path may be as long as the file system allows.
TEST_F(AppSettingsTest, TextsOfAnyLengthSurviveSaveAndLoad) {
    ASSERT_TRUE(SettingsKey("SCAN_SETTINGS").Write("pdfTitle", QString(1024, u't')));
    CAppSettings s;
    LoadSettings(s);
    EXPECT_EQ(s.pdfTitle, QString(1024, u't'));

    s.pdfKeywords = QString(1023, u'k');
    s.lastImportFolder = "/" + QString(4095, u'f');
    s.pdfSubject = QString(70000, u's');
    ASSERT_TRUE(SaveSettings(s));
    ResetRegistry();
    CAppSettings t;
    LoadSettings(t);
    EXPECT_EQ(t.pdfKeywords, s.pdfKeywords);
    EXPECT_EQ(t.lastImportFolder, s.lastImportFolder);
    EXPECT_EQ(t.pdfSubject.size(), 70000);
    EXPECT_EQ(t.pdfSubject, s.pdfSubject);
}

TEST_F(AppSettingsTest, OutOfRangeNumbersFallBackToTheirDefaults) {
    CRegKey scan = SettingsKey("SCAN_SETTINGS");
    ASSERT_TRUE(scan.Write<std::uint32_t>("PageSize", 12));
    ASSERT_TRUE(scan.Write<std::uint32_t>("CameraRes", 4));
    ASSERT_TRUE(scan.Write<std::uint32_t>("PictureQuality", 3));
    ASSERT_TRUE(SettingsKey("SAPPSETTINGS").Write<std::uint32_t>("PictureImportOrder", 6));
    ASSERT_TRUE(scan.Write<std::uint32_t>("FitToPage", 0));
    CAppSettings s;
    LoadSettings(s);
    EXPECT_EQ(s.pageSize, 9u);
    EXPECT_EQ(s.cameraRes, 0u);
    EXPECT_EQ(s.pictureQuality, 0u);
    EXPECT_EQ(s.pictureImportOrder, 5u);
    EXPECT_EQ(s.fitToPage, 0u);
    // The corrected value reaches the registry with the next save.
    ASSERT_TRUE(SaveSettings(s));
    EXPECT_EQ(scan.Read<std::uint32_t>("PageSize"), 9u);
}

TEST_F(AppSettingsTest, UnwritableRegistryYieldsZerosAndEmptyTexts) {
    WriteFile(PathIn("blocker"), "x");
    qputenv("QUILLMARK_HOME", QFile::encodeName(PathIn("blocker/home")));
    ResetRegistry();
    CAppSettings s;
    s.pageSize = kPaperTabloid;
    s.pdfTitle = "old";
    LoadSettings(s);
    EXPECT_EQ(s.pageSize, 0u);
    EXPECT_EQ(s.fitToPage, 0u);
    EXPECT_EQ(s.pdfTitle, QString());
    EXPECT_EQ(s.lastImportFolder, QString());
    EXPECT_FALSE(SaveSettings(s));
}

TEST_F(AppSettingsTest, NamesAreFoundWithOrWithoutTheirGroup) {
    ASSERT_NE(FindSetting("PageSize"), nullptr);
    EXPECT_STREQ(FindSetting("scan_settings/pagesize")->name, "PageSize");
    EXPECT_EQ(FindSetting("SAPPSETTINGS/PageSize"), nullptr);
    EXPECT_EQ(FindSetting("NoSuchThing"), nullptr);
    EXPECT_EQ(SettingsKeyPath("CMsg"), "Software\\Tessaly\\Quillmark\\Profiles\\Default\\CMsg");
}

} // namespace

// A first start takes the locale's paper (LC_ALL, LC_PAPER, then LANG); a stored paper stays.
class LocalePaperTest : public AppSettingsTest {
protected:
    void SetUp() override {
        AppSettingsTest::SetUp();
        for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"})
            m_saved.emplace_back(name, qgetenv(name));
    }
    void TearDown() override {
        for (const auto& [name, value] : m_saved)
            qputenv(name, value);
        AppSettingsTest::TearDown();
    }
    std::uint32_t FirstStartPaper(const char* lcPaper, const char* lang = "C.UTF-8") {
        qputenv("LC_ALL", "");
        qputenv("LC_PAPER", lcPaper);
        qputenv("LANG", lang);
        QFile::remove(RegistryFilePath());
        ResetRegistry();
        CAppSettings s;
        LoadSettings(s);
        const auto stored = SettingsKey("SCAN_SETTINGS").Read<std::uint32_t>("PageSize");
        EXPECT_EQ(stored, s.pageSize) << "the default is stored as it is used";
        return s.pageSize;
    }
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

TEST_F(LocalePaperTest, FirstStartFollowsTheLocalesPaper) {
    EXPECT_EQ(FirstStartPaper("en_US.UTF-8"), kPaperLetter);
    EXPECT_EQ(FirstStartPaper("fr_CA.UTF-8"), kPaperLetter);
    EXPECT_EQ(FirstStartPaper("de_DE.UTF-8"), kPaperA4);
    EXPECT_EQ(FirstStartPaper("C.UTF-8"), kPaperA4);
    EXPECT_EQ(FirstStartPaper("", "es_MX.UTF-8"), kPaperLetter);
    EXPECT_EQ(FirstStartPaper("", "en_GB.UTF-8"), kPaperA4);
    EXPECT_EQ(FirstStartPaper("de_DE.UTF-8", "en_US.UTF-8"), kPaperA4);
}

TEST_F(LocalePaperTest, AStoredPaperIsNeverOverridden) {
    ASSERT_TRUE(SettingsKey("SCAN_SETTINGS").Write<std::uint32_t>("PageSize", kPaperA5));
    qputenv("LC_PAPER", "en_US.UTF-8");
    CAppSettings s;
    LoadSettings(s);
    EXPECT_EQ(s.pageSize, kPaperA5);
    ASSERT_TRUE(SaveSettings(s));
    EXPECT_EQ(SettingsKey("SCAN_SETTINGS").Read<std::uint32_t>("PageSize"), kPaperA5);

    // A stored A4 in the US stays A4 too: only a missing value takes the locale's.
    ASSERT_TRUE(SettingsKey("SCAN_SETTINGS").Write<std::uint32_t>("PageSize", kPaperA4));
    LoadSettings(s);
    EXPECT_EQ(s.pageSize, kPaperA4);
}
