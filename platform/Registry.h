#pragma once

// The device registry: a small typed key/value store with the call shapes of the handheld's
// registry API. It lives in one human-editable text file in the registry-export format
// (RegistryFile.h).
//
// Several processes share that file (the program and every terminal command). Each keeps the
// registry as it loaded it plus its own changes; a flush takes the registry's lock (flock on
// "<file>.lock" beside it), reads the file as it is now, applies the changes this process made
// since its last flush (values set and deleted, keys created and deleted) and replaces the
// file atomically. So a value is only ever changed by a process that changed it, never undone
// by one that merely loaded it earlier. Changes that depend on what is stored now (adding to
// a list) go through UpdateRegistry.

#include <QString>

#include <cstdint>
#include <functional>

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

// Stores a value unless one of the same type is stored under `name` already, both here and
// when the change reaches the file: a value another process stored meanwhile stays. For
// defaults written on first use.
LSTATUS RegSetDefaultValue(HKEY key, const QString& name, std::uint32_t type, const void* data,
                           std::uint32_t size);

LSTATUS RegDeleteValue(HKEY key, const QString& name);

// Deletes the key `subKey` below `parent` with all its values and subkeys. A root cannot be
// deleted (ERROR_ACCESS_DENIED); ERROR_FILE_NOT_FOUND when the key does not exist. Handles
// still open on a deleted key answer ERROR_INVALID_HANDLE.
LSTATUS RegDeleteKey(HKEY parent, const QString& subKey);

// The number of direct subkeys and of values of an open key; either pointer may be null.
LSTATUS RegQueryInfoKey(HKEY key, std::uint32_t* subKeys, std::uint32_t* values);

// Merges this process's changes since its last flush into the registry file as it is now
// (see above). ERROR_WRITE_FAULT when the file could not be written or the lock could not be
// taken in time; the changes are then kept for the next flush. Inside UpdateRegistry a flush
// only succeeds: the update writes everything once at its end.
LSTATUS RegFlushKey(HKEY key);

LSTATUS RegCloseKey(HKEY key);

// Where the registry file lives: $QUILLMARK_HOME/registry.reg, else
// $XDG_CONFIG_HOME/quillmark/registry.reg.
QString RegistryFilePath();

// Runs `change` on the registry as its file holds it now, with every other writer held off by
// the registry's lock, and writes what it changed (and any earlier unflushed change) in one
// replacement of the file. `change` returns false to give up: nothing it changed is kept.
// True when `change` returned true and everything reached the file. Afterwards this process
// sees the registry as the file held it then. Calls nest: an inner call is part of the outer.
bool UpdateRegistry(const std::function<bool()>& change);

// The registry's lock file, beside the registry file.
QString RegistryLockPath();

// Forgets the registry held in memory and every open key; the next call loads the file
// at RegistryFilePath() again. For tests and for tools that change QUILLMARK_HOME.
void ResetRegistry();

} // namespace platform
