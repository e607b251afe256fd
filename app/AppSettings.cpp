#include "app/AppSettings.h"

#include "app/KnownFolders.h"
#include "platform/Registry.h"

#include <array>
#include <cstring>

using namespace platform;

namespace {

using D = CSettingDescriptor;
using T = CSettingDescriptor::TextDefault;
constexpr std::uint32_t kAny = 0xFFFFFFFFu;

D Number(const char* group, const char* name, std::uint32_t CAppSettings::*member,
         std::uint32_t def, std::uint32_t max = kAny) {
    return D{group, name, member, nullptr, def, T::None, max};
}

D Text(const char* group, const char* name, CSettingText CAppSettings::*member, T def) {
    return D{group, name, nullptr, member, 0, def, kAny};
}

const std::array<D, 33>& Table() {
    using S = CAppSettings;
    static const std::array<D, 33> table = {
        Number("SAPPSETTINGS", "UseClearType", &S::useClearType, 0),
        Number("SAPPSETTINGS", "BackupEditFile", &S::backupEditFile, 1),
        Text("SAPPSETTINGS", "LastImportFolder", &S::lastImportFolder, T::PersonalFolder),
        Text("SAPPSETTINGS", "LastSaveFolder", &S::lastSaveFolder, T::PersonalFolder),
        Text("SAPPSETTINGS", "LastSendToAddress", &S::lastSendToAddress, T::Empty),
        Number("SAPPSETTINGS", "PictureImportOrder", &S::pictureImportOrder, 5, 5),
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
        Number("SCAN_SETTINGS", "PageSize", &S::pageSize, 9, 11),
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
    };
    return table;
}

constexpr std::uint32_t kTextBufferBytes = 2048;

} // namespace

bool CSettingText::Set(const QString& text) {
    if (text.size() > kMaxSettingTextLength)
        return false;
    m_text = text;
    return true;
}

QString CSettingDescriptor::KeyPath() const {
    return SettingsKeyPath(group);
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

bool ReadNumber(const QString& path, const QString& name, std::uint32_t& target) {
    target = 0;
    HKEY key = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, path, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    std::uint32_t type = REG_NONE;
    std::uint32_t value = 0;
    std::uint32_t size = sizeof value;
    const LSTATUS status = RegQueryValueEx(key, name, &type, &value, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return false;
    target = value;
    return true;
}

bool ReadText(const QString& path, const QString& name, QString& target) {
    target.clear();
    HKEY key = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, path, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    std::uint32_t type = REG_NONE;
    char16_t buffer[kTextBufferBytes / 2] = {};
    std::uint32_t size = kTextBufferBytes;
    const LSTATUS status = RegQueryValueEx(key, name, &type, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return false;
    qsizetype length = 0;
    const qsizetype units = size / 2;
    while (length < units && buffer[length] != 0)
        ++length;
    target = QString::fromUtf16(buffer, length);
    return true;
}

namespace {

bool WriteValue(const QString& path, const QString& name, std::uint32_t type, const void* data,
                std::uint32_t size) {
    HKEY key = 0;
    if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, path, &key) != ERROR_SUCCESS)
        return false;
    bool ok = RegSetValueEx(key, name, type, data, size) == ERROR_SUCCESS;
    // A value that never reaches the file is not written, whatever the store in memory says.
    if (ok)
        ok = RegFlushKey(key) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

} // namespace

bool WriteNumber(const QString& path, const QString& name, std::uint32_t value) {
    return WriteValue(path, name, REG_DWORD, &value, sizeof value);
}

bool WriteText(const QString& path, const QString& name, const QString& text) {
    return WriteValue(path, name, REG_SZ, text.utf16(), std::uint32_t((text.size() + 1) * 2));
}

void ReadNumberOrDefault(const QString& group, const QString& name, std::uint32_t defaultValue,
                         std::uint32_t& target) {
    const QString path = SettingsKeyPath(group);
    if (ReadNumber(path, name, target))
        return;
    if (WriteNumber(path, name, defaultValue))
        target = defaultValue;
}

void ReadTextOrDefault(const QString& group, const QString& name, const QString& defaultValue,
                       QString& target) {
    const QString path = SettingsKeyPath(group);
    if (ReadText(path, name, target))
        return;
    if (WriteText(path, name, defaultValue))
        target = defaultValue;
}

void LoadSettings(CAppSettings& settings) {
    const QString personal = GetSpecialFolder(kSpecialFolderPersonal);
    for (const D& d : Table()) {
        if (d.IsText()) {
            QString text;
            const QString def = d.defaultText == T::PersonalFolder ? personal : QString();
            ReadTextOrDefault(d.group, d.name, def, text);
            (settings.*d.text).Set(text);
        } else {
            std::uint32_t value = 0;
            ReadNumberOrDefault(d.group, d.name, d.defaultNumber, value);
            // Values put into the registry by hand may be out of range for their users.
            settings.*d.number = value <= d.maxNumber ? value : d.defaultNumber;
        }
    }
}

void LoadSettings() {
    LoadSettings(AppSettings());
}

bool SaveSettings(const CAppSettings& settings) {
    bool all = true;
    for (const D& d : Table()) {
        const bool ok = d.IsText() ? WriteText(d.KeyPath(), d.name, settings.*d.text)
                                   : WriteNumber(d.KeyPath(), d.name, settings.*d.number);
        all = all && ok;
    }
    return all;
}

bool SaveSettings() {
    return SaveSettings(AppSettings());
}
