#pragma once

// The device registry: a small typed key/value store with the call shapes of the handheld's
// registry API. It lives in one human-editable text file in the registry-export format
// (RegistryFile.h); every flush rewrites that file atomically.

#include <QString>

#include <cstdint>

namespace platform {

using HKEY = std::uint32_t;
using LSTATUS = long;

// Predefined roots. Any of them can be used as the parent of an open or create, and flushed.
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;

// Value types.
inline constexpr std::uint32_t REG_NONE = 0;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_BINARY = 3;
inline constexpr std::uint32_t REG_DWORD = 4;
inline constexpr std::uint32_t REG_MULTI_SZ = 7;

// Access rights.
using REGSAM = std::uint32_t;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// Status codes.
inline constexpr LSTATUS ERROR_SUCCESS = 0;
inline constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
inline constexpr LSTATUS ERROR_ACCESS_DENIED = 5;
inline constexpr LSTATUS ERROR_INVALID_HANDLE = 6;
inline constexpr LSTATUS ERROR_WRITE_FAULT = 29;
inline constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
inline constexpr LSTATUS ERROR_MORE_DATA = 234;

// Opens an existing key below `parent` ("Software\\Maker\\Program"; "\\" or "/" separate
// parts, names compare without regard to case). ERROR_FILE_NOT_FOUND when it does not exist.
LSTATUS RegOpenKeyEx(HKEY parent, const QString& subKey, REGSAM access, HKEY* result);

// Opens a key, creating it and its missing parents. ERROR_ACCESS_DENIED when the registry
// cannot be written (its file or folder is not writable, or a damaged file could not be
// moved aside).
LSTATUS RegCreateKeyEx(HKEY parent, const QString& subKey, HKEY* result);

// Reads a value. With `data` null only `*type` and `*size` are filled. When `*size` is
// smaller than the stored data, `*size` receives the needed size and ERROR_MORE_DATA is
// returned; nothing is copied. REG_SZ data is UTF-16 with its terminating zero.
LSTATUS RegQueryValueEx(HKEY key, const QString& name, std::uint32_t* type, void* data,
                        std::uint32_t* size);

// Stores a value of any type under `name` ("" is the key's default value).
LSTATUS RegSetValueEx(HKEY key, const QString& name, std::uint32_t type, const void* data,
                      std::uint32_t size);

LSTATUS RegDeleteValue(HKEY key, const QString& name);

// Writes the whole registry to its file when anything changed since the last flush.
// ERROR_WRITE_FAULT when the file could not be written.
LSTATUS RegFlushKey(HKEY key);

LSTATUS RegCloseKey(HKEY key);

// Where the registry file lives: $QUILLMARK_HOME/registry.reg, else
// $XDG_CONFIG_HOME/quillmark/registry.reg.
QString RegistryFilePath();

// Forgets the registry held in memory and every open key; the next call loads the file
// at RegistryFilePath() again. For tests and for tools that change QUILLMARK_HOME.
void ResetRegistry();

} // namespace platform
