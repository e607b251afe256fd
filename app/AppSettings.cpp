#include "app/AppSettings.h"

#include "app/KnownFolders.h"
#include "text/LocaleFormats.h"

#include <array>

using namespace platform;

namespace {

using D = CSettingDescriptor;
using T = CSettingDescriptor::TextDefault;
constexpr std::uint32_t kAny = 0xFFFFFFFFu;

D Number(const char* group, const char* name, std::uint32_t CAppSettings::*member,
         std::uint32_t def, std::uint32_t max = kAny) {
    return D{group, name, member, nullptr, def, T::None, max};
}

D Text(const char* group, const char* name, QString CAppSettings::*member, T def) {
    return D{group, name, nullptr, member, 0, def, kAny};
}

const std::array<D, 38>& Table() {
    using S = CAppSettings;
    static const std::array<D, 38> table = {
        Number("SAPPSETTINGS", "UseClearType", &S::useClearType, 0),
        Number("SAPPSETTINGS", "BackupEditFile", &S::backupEditFile, 1),
        Text("SAPPSETTINGS", "LastImportFolder", &S::lastImportFolder, T::PersonalFolder),
        Text("SAPPSETTINGS", "LastSaveFolder", &S::lastSaveFolder, T::PersonalFolder),
        Text("SAPPSETTINGS", "LastSendToAddress", &S::lastSendToAddress, T::Empty),
        Number("SAPPSETTINGS", "PictureImportOrder", &S::pictureImportOrder, kImportAskEachTime,
               kImportAskEachTime),
        Number("SND_CFG", "EnableSounds", &S::enableSounds, 1),
        Number("BTN_EX_CFG", "Flat", &S::flat, 1),
        Number("BTN_EX_CFG", "DrawFlatBorder", &S::drawFlatBorder, 1),
        Number("BTN_EX_CFG", "DrawFlatFocus", &S::drawFlatFocus, 1),
        Number("BTN_EX_CFG", "UseIcons", &S::useIcons, 1),
        Number("PROGRESS_CTRL_EX_CFG", "Gradient", &S::gradient, 1),
        Number("PROGRESS_CTRL_EX_CFG", "ShowStats", &S::showStats, 1),
        Number("PROGRESS_CTRL_EX_CFG", "ShowTotalTime", &S::showTotalTime, 0),
        Number("SCAN_SETTINGS", "DeleteFile", &S::deleteFile, 1),
        Number("SCAN_SETTINGS", "Recursive", &S::recursive, 1),
        Number("SCAN_SETTINGS", "EnumJPEG", &S::enumJpeg, 1),
        Number("SCAN_SETTINGS", "EnumPNG", &S::enumPng, 0),
        Number("SCAN_SETTINGS", "EnumBMP", &S::enumBmp, 0),
        Text("SCAN_SETTINGS", "EnumMask", &S::enumMask, T::Empty),
        Number("SCAN_SETTINGS", "CameraRes", &S::cameraRes, 0, 3),
        Number("SCAN_SETTINGS", "PageSize", &S::pageSize, kPaperA4, kPaperA6),
        Text("SCAN_SETTINGS", "pdfTitle", &S::pdfTitle, T::Empty),
        Text("SCAN_SETTINGS", "pdfAuthor", &S::pdfAuthor, T::Empty),
        Text("SCAN_SETTINGS", "pdfSubject", &S::pdfSubject, T::Empty),
        Text("SCAN_SETTINGS", "pdfKeywords", &S::pdfKeywords, T::Empty),
        Text("SCAN_SETTINGS", "pdfCreator", &S::pdfCreator, T::Empty),
        Number("SCAN_SETTINGS", "FitToPage", &S::fitToPage, 1),
        Number("SCAN_SETTINGS", "AutoPortrait", &S::autoPortrait, 1),
        Number("SCAN_SETTINGS", "RecogniseText", &S::recogniseText, 0),
        Text("SCAN_SETTINGS", "OcrLanguage", &S::ocrLanguage, T::Empty),
        Number("SCAN_SETTINGS", "StraightenPages", &S::straightenPages, 0),
        Number("SCAN_SETTINGS", "EnhanceLook", &S::enhanceLook, 0),
        Text("SCAN_SETTINGS", "PageSource", &S::pageSource, T::Empty),
        Number("SCAN_SETTINGS", "ScannerSource", &S::scannerSource, 0, 3),
        Number("SCAN_SETTINGS", "ScannerResolution", &S::scannerResolution, 300, 19200),
        Number("SCAN_SETTINGS", "ScannerMode", &S::scannerMode, 0, 2),
        Number("SCAN_SETTINGS", "PictureQuality", &S::pictureQuality, 0, 2),
    };
    return table;
}

// The default of a value on a first start. The paper is the locale's: Letter where that is
// what the printers take, A4 elsewhere; a stored value always wins over it.
std::uint32_t DefaultNumber(const D& d) {
    if (d.number == &CAppSettings::pageSize)
        return LocaleUsesLetterPaper() ? kPaperLetter : kPaperA4;
    return d.defaultNumber;
}

} // namespace

platform::CRegKey CSettingDescriptor::Key() const {
    return SettingsKey(group);
}

std::span<const CSettingDescriptor> SettingDescriptors() {
    return Table();
}

const CSettingDescriptor* FindSetting(const QString& name) {
    const qsizetype slash = name.indexOf(u'/');
    const QString group = slash >= 0 ? name.left(slash) : QString();
    const QString value = slash >= 0 ? name.mid(slash + 1) : name;
    for (const D& d : Table()) {
        if (value.compare(d.name, Qt::CaseInsensitive) != 0)
            continue;
        if (slash < 0 || group.compare(d.group, Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

CAppSettings& AppSettings() {
    static CAppSettings settings;
    return settings;
}

QString SettingsKeyPath(const QString& group) {
    return QStringLiteral("%1\\%2\\%3").arg("Software\\Tessaly\\Quillmark", "Profiles", "Default") +
           "\\" + group;
}

platform::CRegKey SettingsKey(const QString& group) {
    return CRegKey(HKEY_LOCAL_MACHINE, SettingsKeyPath(group));
}

namespace {

void ReadSettings(CAppSettings& settings) {
    const QString personal = GetSpecialFolder(kSpecialFolderPersonal);
    for (const D& d : Table()) {
        CRegKey key = SettingsKey(d.group);
        if (d.IsText()) {
            const QString def = d.defaultText == T::PersonalFolder ? personal : QString();
            settings.*d.text = ReadOrWriteDefault(key, d.name, def);
        } else {
            const std::uint32_t def = DefaultNumber(d);
            const std::uint32_t value = ReadOrWriteDefault(key, d.name, def);
            // Values put into the registry by hand may be out of range for their users.
            settings.*d.number = value <= d.maxNumber ? value : def;
        }
    }
}

} // namespace

void LoadSettings(CAppSettings& settings) {
    // In one update: the record is the registry as it is now, and the defaults of a first
    // start are written once, only where no other process has written a value meanwhile.
    bool read = false;
    UpdateRegistry([&] {
        ReadSettings(settings);
        read = true;
        return true;
    });
    if (!read) // the registry's lock could not be had: read what this process sees
        ReadSettings(settings);
}

void LoadSettings() {
    LoadSettings(AppSettings());
}

namespace {

bool WriteSetting(const CAppSettings& settings, const D& d) {
    CRegKey key = d.Key();
    return d.IsText() ? key.Write(d.name, settings.*d.text) : key.Write(d.name, settings.*d.number);
}

} // namespace

bool SaveSettings(const CAppSettings& settings) {
    bool all = true;
    for (const D& d : Table())
        all = WriteSetting(settings, d) && all;
    return all;
}

bool SaveSettings() {
    return SaveSettings(AppSettings());
}

bool SaveSetting(const CAppSettings& settings, QString CAppSettings::*text) {
    for (const D& d : Table())
        if (d.text == text)
            return WriteSetting(settings, d);
    return false;
}

bool SaveSetting(const CAppSettings& settings, std::uint32_t CAppSettings::*number) {
    for (const D& d : Table())
        if (d.number == number)
            return WriteSetting(settings, d);
    return false;
}
