#include "program/SettingsCommand.h"

#include "app/AppSettings.h"
#include "platform/Registry.h"
#include "text/Catalogue.h"

#include <cstdio>
#include <optional>

namespace {

const char kUsage[] = "usage: quillmark settings list | get NAME | set NAME VALUE";

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
        err << kUsage << Qt::endl;
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
        const auto number = ParseNumber(value);
        if (!number || *number > d->maxNumber) {
            const QString why =
                d->maxNumber != 0xFFFFFFFFu
                    ? TranslateText("SettingsCommand",
                                    "%1 takes a whole number from 0 to %2, not '%3'")
                          .arg(FullName(*d), QString::number(d->maxNumber), value)
                    : TranslateText("SettingsCommand", "%1 takes a whole number, not '%2'")
                          .arg(FullName(*d), value);
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
