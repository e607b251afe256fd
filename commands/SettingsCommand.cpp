#include "commands/SettingsCommand.h"

#include "app/AppSettings.h"
#include "commands/CommandLine.h"
#include "imaging/Enhance.h"
#include "pdf/PaperSizes.h"
#include "pdf/PictureQuality.h"
#include "platform/Registry.h"
#include "session/ImportOrder.h"
#include "text/Catalogue.h"

#include <cstdio>
#include <optional>

namespace {

std::optional<std::uint32_t> ParseNumber(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == "true" || t == "yes" || t == "on")
        return 1;
    if (t == "false" || t == "no" || t == "off")
        return 0;
    bool ok = false;
    const qulonglong value =
        t.startsWith("0x") ? t.mid(2).toULongLong(&ok, 16) : t.toULongLong(&ok, 10);
    if (!ok || value > 0xFFFFFFFFull)
        return std::nullopt;
    return std::uint32_t(value);
}

bool Is(const CSettingDescriptor& d, const char* name) {
    return qstrcmp(d.name, name) == 0;
}

// The names a numbered setting takes besides its numbers, by number; empty for plain numbers.
// They are the names the pdf command's options take for the same values.
QStringList ValueNames(const CSettingDescriptor& d) {
    QStringList names;
    if (Is(d, "PageSize")) {
        for (const CPaperSize& p : kPaperSizes)
            names << QString::fromLatin1(p.name);
    } else if (Is(d, "PictureImportOrder")) {
        names = {"name", "name-desc", "newest", "oldest", "found", "ask"};
    } else if (Is(d, "EnhanceLook")) {
        for (ELook look :
             {ELook::Original, ELook::Grey, ELook::BlackAndWhite, ELook::ColourDocument})
            names << LookName(look);
    } else if (Is(d, "PictureQuality")) {
        for (std::uint32_t q = 0; q < kPictureQualityCount; ++q)
            names << PictureQualityName(EPictureQuality(q));
    } else if (Is(d, "CameraRes")) {
        for (const CCameraResolution& r : kCameraResolutions)
            names << (r.width == 0 ? QStringLiteral("default") : QString::fromLatin1(r.label));
    }
    return names;
}

std::optional<std::uint32_t> ValueFromName(const CSettingDescriptor& d, const QString& text) {
    const QString t = text.trimmed();
    if (Is(d, "PageSize")) {
        if (const int index = FindPaperSize(t); index >= 0)
            return std::uint32_t(index);
        return std::nullopt;
    }
    if (Is(d, "PictureImportOrder")) {
        if (t.compare(QLatin1String("ask"), Qt::CaseInsensitive) == 0)
            return std::uint32_t(kImportAskEachTime);
        return ParseImportOrder(t);
    }
    if (Is(d, "EnhanceLook")) {
        if (const auto look = LookFromName(t))
            return std::uint32_t(*look);
        return std::nullopt;
    }
    if (Is(d, "PictureQuality")) {
        if (const auto quality = PictureQualityFromName(t))
            return std::uint32_t(*quality);
        return std::nullopt;
    }
    const QStringList names = ValueNames(d);
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(t, Qt::CaseInsensitive) == 0)
            return std::uint32_t(i);
    return std::nullopt;
}

QString FullName(const CSettingDescriptor& d) {
    return QString::fromLatin1(d.group) + "/" + QString::fromLatin1(d.name);
}

} // namespace

QString SettingValueText(const CAppSettings& settings, const CSettingDescriptor& d) {
    if (d.IsText())
        return settings.*d.text;
    return QString::number(settings.*d.number);
}

int RunSettingsCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString verb = args.value(0);
    const bool list = verb == "list" && args.size() == 1;
    const bool get = verb == "get" && args.size() == 2;
    const bool set = verb == "set" && args.size() == 3;
    if (!list && !get && !set) {
        err << CommandUsageText("settings") << Qt::endl;
        return 2;
    }

    CAppSettings& settings = AppSettings();
    LoadSettings(settings);

    if (list) {
        for (const CSettingDescriptor& d : SettingDescriptors())
            out << FullName(d) << "=" << SettingValueText(settings, d) << Qt::endl;
        return 0;
    }

    const CSettingDescriptor* d = FindSetting(args[1]);
    if (!d) {
        err << "quillmark settings: "
            << TranslateText("SettingsCommand",
                             "unknown setting '%1' (see 'quillmark settings list')")
                   .arg(args[1])
            << Qt::endl;
        return 2;
    }
    if (get) {
        out << SettingValueText(settings, *d) << Qt::endl;
        return 0;
    }

    const QString& value = args[2];
    if (d->IsText()) {
        settings.*d->text = value;
    } else {
        auto number = ValueFromName(*d, value);
        if (!number)
            number = ParseNumber(value);
        if (!number || *number > d->maxNumber) {
            const QStringList names = ValueNames(*d);
            QString why;
            if (d->maxNumber == 0xFFFFFFFFu && names.isEmpty())
                why = TranslateText("SettingsCommand", "%1 takes a whole number, not '%2'")
                          .arg(FullName(*d), value);
            else if (d->maxNumber == 0xFFFFFFFFu)
                why = TranslateText("SettingsCommand",
                                    "%1 takes a whole number or one of %2, not '%3'")
                          .arg(FullName(*d), names.join(QStringLiteral(", ")), value);
            else if (names.isEmpty())
                why = TranslateText("SettingsCommand",
                                    "%1 takes a whole number from 0 to %2, not '%3'")
                          .arg(FullName(*d), QString::number(d->maxNumber), value);
            else
                why = TranslateText("SettingsCommand",
                                    "%1 takes a whole number from 0 to %2 or one of %3, not '%4'")
                          .arg(FullName(*d), QString::number(d->maxNumber),
                               names.join(QStringLiteral(", ")), value);
            err << "quillmark settings: " << why << Qt::endl;
            return 2;
        }
        settings.*d->number = *number;
    }
    // SaveSettings skips what it cannot write; tell the person when that happened.
    bool stored = SaveSettings(settings);
    for (platform::HKEY root : {platform::HKEY_CLASSES_ROOT, platform::HKEY_CURRENT_USER,
                                platform::HKEY_LOCAL_MACHINE, platform::HKEY_USERS})
        stored = platform::RegFlushKey(root) == platform::ERROR_SUCCESS && stored;
    if (!stored) {
        err << "quillmark settings: "
            << TranslateText("SettingsCommand", "could not write the registry file %1")
                   .arg(platform::RegistryFilePath())
            << Qt::endl;
        return 1;
    }
    return 0;
}

int RunSettingsCommand(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunSettingsCommand(args, out, err);
}
