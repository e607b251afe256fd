#pragma once

#include <QStringList>
#include <QTextStream>

// "quillmark settings list | get NAME | set NAME VALUE": shows and changes the settings record
// through LoadSettings and SaveSettings. Exit status 0, 1 when the registry cannot be written,
// 2 for an unknown name, a value of the wrong kind or bad usage.
int RunSettingsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunSettingsCommand(const QStringList& args);

// The value of a setting of `settings` as the command prints it.
QString SettingValueText(const struct CAppSettings& settings, const struct CSettingDescriptor& d);
