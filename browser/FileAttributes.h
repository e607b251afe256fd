#pragma once

// File attributes in the handheld's bit layout, taken from what Linux offers: the directory
// bit, read-only when the owner may not write, hidden for dot names, system for devices,
// sockets and pipes, and compressed, encrypted and immutable ("in ROM") from the inode flags
// where the file system keeps them. Linux has no archive or temporary bit.

#include <QString>

#include <cstdint>

class QFileInfo;

inline constexpr std::uint32_t FILE_ATTRIBUTE_READONLY = 0x0001;
inline constexpr std::uint32_t FILE_ATTRIBUTE_HIDDEN = 0x0002;
inline constexpr std::uint32_t FILE_ATTRIBUTE_SYSTEM = 0x0004;
inline constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x0010;
inline constexpr std::uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x0020;
inline constexpr std::uint32_t FILE_ATTRIBUTE_INROM = 0x0040;
inline constexpr std::uint32_t FILE_ATTRIBUTE_TEMPORARY = 0x0100;
inline constexpr std::uint32_t FILE_ATTRIBUTE_COMPRESSED = 0x0800;
inline constexpr std::uint32_t FILE_ATTRIBUTE_ENCRYPTED = 0x4000;

// The attributes of a file or folder (of a link's target when it has one).
std::uint32_t FileAttributesOf(const QFileInfo& info);

// Nine characters, a letter for a set attribute and "." otherwise, in the order directory
// "d", archive "a", compressed "c", encrypted "e", hidden "h", read-only "r", system "s",
// temporary "t", in ROM "i": a read-only hidden file gives "....hr...".
QString AttributesText(std::uint32_t attributes);
