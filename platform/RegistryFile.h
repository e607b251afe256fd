#pragma once

// Reading and writing the registry-export text format:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\Software\Tessaly\Quillmark\Profiles\Default\SCAN_SETTINGS]
//   "PageSize"=dword:00000009
//   "pdfTitle"="text with \\ and \" escaped"
//   "Other"=hex(7):41,00,00,00
//
// Texts that cannot stand on one line (line breaks, control characters, missing terminator)
// are written as hex(1) so that every value survives a round trip byte for byte.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace platform {

struct CRegValue {
    QString name;
    std::uint32_t type = 0;
    QByteArray data;
};

struct CRegKeyNode {
    QString path;                  // full path with the root name, as first written
    std::vector<CRegValue> values; // in the order they were first set

    CRegValue* Find(const QString& name);
};

// Keys by their canonical path (lower case, "\\" separated), so files list them sorted.
using CRegTree = std::map<QString, CRegKeyNode>;

QString CanonicalRegPath(const QString& path);

// The key at `path` (a full path with its root), created with its missing parents.
CRegKeyNode& AddKey(CRegTree& tree, const QString& path);

// Parses a whole file. Returns nothing when the text is not a registry export or a line
// cannot be understood; `error` then says which line and why.
std::optional<CRegTree> ParseRegistryText(const QByteArray& text, QString* error);

QByteArray SerializeRegistry(const CRegTree& tree);

} // namespace platform
