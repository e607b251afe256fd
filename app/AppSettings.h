#pragma once

// The settings record: every user setting, loaded from the registry once at start-up and
// written back as a whole at exit and when a settings page is confirmed. Values live under
// HKEY_LOCAL_MACHINE\Software\Tessaly\Quillmark\Profiles\Default\<group>; a value missing
// from the registry (or stored with the wrong type) is written there with its default when
// the record is loaded. Texts have no length limit: the registry file has none, and a folder
// path may be as long as the file system allows.

#include "platform/RegKey.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>

struct CAppSettings {
    // SAPPSETTINGS
    std::uint32_t useClearType = 0;
    std::uint32_t backupEditFile = 0;
    QString lastImportFolder;
    QString lastSaveFolder;
    QString lastSendToAddress;
    std::uint32_t pictureImportOrder = 0;
    // SND_CFG
    std::uint32_t enableSounds = 0;
    // BTN_EX_CFG
    std::uint32_t flat = 0;
    std::uint32_t drawFlatBorder = 0;
    std::uint32_t drawFlatFocus = 0;
    std::uint32_t useIcons = 0;
    // PROGRESS_CTRL_EX_CFG
    std::uint32_t gradient = 0;
    std::uint32_t showStats = 0;
    std::uint32_t showTotalTime = 0;
    // SCAN_SETTINGS
    std::uint32_t deleteFile = 0;
    std::uint32_t recursive = 0;
    std::uint32_t enumJpeg = 0;
    std::uint32_t enumPng = 0;
    std::uint32_t enumBmp = 0;
    QString enumMask;
    std::uint32_t cameraRes = 0;
    std::uint32_t pageSize = 0;
    QString pdfTitle;
    QString pdfAuthor;
    QString pdfSubject;
    QString pdfKeywords;
    QString pdfCreator;
    std::uint32_t fitToPage = 0;
    std::uint32_t autoPortrait = 0;
    std::uint32_t recogniseText = 0;   // a searchable text layer in PDFs (OCR)
    QString ocrLanguage;               // its language by Tesseract's name; empty: English
    std::uint32_t straightenPages = 0; // new pages: the sheet found in the photo and flattened
    std::uint32_t enhanceLook = 0;     // new pages: 0 none, 1 grey, 2 black and white, 3 colour
    QString pageSource;                // Scan takes from: empty the camera, else a SANE scanner
    std::uint32_t scannerSource = 0; // its sheets: 0 its own choice, 1 flatbed, 2 feeder, 3 duplex
    std::uint32_t scannerResolution = 300; // its dots per inch
    std::uint32_t scannerMode = 0;         // its pages: 0 colour, 1 grey, 2 black and white
    std::uint32_t pictureQuality = 0;      // PDF pictures: 0 original, 1 smaller for e-mail, 2 b/w
};

// Paper sizes of PDF pages ("PageSize"); pdf/PaperSizes.h holds their dimensions.
enum EPaperSize : std::uint32_t {
    kPaperLetter = 0,
    kPaperNote = 1,
    kPaperLegal = 2,
    kPaperTabloid = 3,
    kPaperPostcard = 4,
    kPaperA0 = 5,
    kPaperA1 = 6,
    kPaperA2 = 7,
    kPaperA3 = 8,
    kPaperA4 = 9,
    kPaperA5 = 10,
    kPaperA6 = 11,
};

// Sort orders of folder imports ("PictureImportOrder").
enum ImportOrder : std::uint32_t {
    kImportByNameAscending = 0,
    kImportByNameDescending = 1,
    kImportNewestFirst = 2,
    kImportOldestFirst = 3,
    kImportUnsorted = 4,
    kImportAskEachTime = 5,
};

// One value of the record: where it is stored, its default and, for numbers, the largest
// value its users accept.
struct CSettingDescriptor {
    enum class TextDefault { None, Empty, PersonalFolder };

    const char* group;
    const char* name;
    std::uint32_t CAppSettings::*number; // null for texts
    QString CAppSettings::*text;         // null for numbers
    std::uint32_t defaultNumber; // PageSize: A4, or Letter where the locale's paper is Letter
    TextDefault defaultText;
    std::uint32_t maxNumber;

    bool IsText() const { return text != nullptr; }
    platform::CRegKey Key() const;
};

// Every value of the record, in load and save order.
std::span<const CSettingDescriptor> SettingDescriptors();
// The value named `name` ("PageSize" or "SCAN_SETTINGS/PageSize", any case), or null.
const CSettingDescriptor* FindSetting(const QString& name);

// The process-wide record.
CAppSettings& AppSettings();

// Fills `settings` from the registry in table order, writing defaults for missing values.
// A number outside the range its users accept is replaced by its default in the record.
void LoadSettings(CAppSettings& settings);
void LoadSettings();
// Writes every value; a value that cannot be written is skipped and the others are still
// written. True when every value reached the registry file.
bool SaveSettings(const CAppSettings& settings);
bool SaveSettings();
// Writes one value of the record now (a value changed in passing that should outlive a crash).
bool SaveSetting(const CAppSettings& settings, QString CAppSettings::*text);
bool SaveSetting(const CAppSettings& settings, std::uint32_t CAppSettings::*number);

// "Software\Tessaly\Quillmark\Profiles\Default\<group>" (below HKEY_LOCAL_MACHINE).
QString SettingsKeyPath(const QString& group);
// The key of a value group of the profile.
platform::CRegKey SettingsKey(const QString& group);

// The stored value; when it is missing or of another type, `defaultValue` is written and
// returned, or, when even that cannot be written, the type's empty value (0, ""). A value
// another process stored meanwhile is not overwritten by the default.
template <platform::RegValueType T>
T ReadOrWriteDefault(platform::CRegKey& key, const QString& name, const T& defaultValue) {
    if (auto value = key.Read<T>(name))
        return *value;
    return key.SetDefault(name, defaultValue) && key.Flush() ? defaultValue : T{};
}

// Camera resolutions by "CameraRes" index: 0 leaves the camera's own default.
struct CCameraResolution {
    int width;
    int height;
    const char* label;
};
inline constexpr std::array<CCameraResolution, 4> kCameraResolutions = {{
    {0, 0, ""},
    {1600, 1200, "2MP"},
    {2048, 1536, "3.2MP"},
    {2592, 1944, "5MP"},
}};
