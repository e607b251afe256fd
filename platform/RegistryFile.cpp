#include "platform/RegistryFile.h"

#include <QStringList>
#include <QtEndian>

#include <cstring>

namespace platform {
namespace {

const char kHeader[] = "Windows Registry Editor Version 5.00";
const QStringList kRoots = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                            "HKEY_USERS"};

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// Reads a quoted string starting at line[pos] == '"'; pos ends after the closing quote.
std::optional<QString> ReadQuoted(const QString& line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString out;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'\\') {
            if (++pos >= line.size())
                return std::nullopt;
            out += line[pos];
        } else if (c == u'"') {
            ++pos;
            return out;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

QString Quote(const QString& text) {
    QString out = "\"";
    for (QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

std::optional<QByteArray> ParseHexBytes(QString text) {
    text.remove(u' ');
    QByteArray out;
    if (text.isEmpty())
        return out;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const uint byte = part.toUInt(&ok, 16);
        if (!ok || part.size() > 2 || byte > 0xFF)
            return std::nullopt;
        out.append(char(byte));
    }
    return out;
}

QString HexBytes(const QByteArray& data) {
    QStringList parts;
    parts.reserve(data.size());
    for (char c : data)
        parts << QStringLiteral("%1").arg(uchar(c), 2, 16, QChar(u'0'));
    return parts.join(u',');
}

QByteArray Utf16Bytes(const QString& text) {
    QByteArray out(reinterpret_cast<const char*>(text.utf16()), (text.size() + 1) * 2);
    return out;
}

// A text that reads back exactly from "name"="text": terminated once, no control characters,
// and nothing UTF-8 cannot carry (a surrogate without its partner).
bool IsPlainText(const QByteArray& data, QString* text) {
    if (data.size() < 2 || data.size() % 2 != 0)
        return false;
    const qsizetype count = data.size() / 2 - 1;
    QString units(count + 1, Qt::Uninitialized);
    std::memcpy(units.data(), data.constData(), std::size_t(data.size()));
    if (units[count] != u'\0')
        return false;
    units.truncate(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QChar c = units[i];
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
        if (c.isHighSurrogate() && i + 1 < count && units[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    // Copied unit by unit: QString::fromUtf16 would take a leading U+FEFF for a byte-order mark
    // and drop it (or swap every byte after a U+FFFE).
    *text = units;
    return true;
}

std::optional<CRegValue> ParseValueLine(const QString& line, QString* why) {
    CRegValue value;
    qsizetype pos = 0;
    if (line.startsWith(u'@')) {
        pos = 1;
    } else {
        auto name = ReadQuoted(line, pos);
        if (!name) {
            *why = "value name is not quoted";
            return std::nullopt;
        }
        value.name = *name;
    }
    if (pos >= line.size() || line[pos] != u'=') {
        *why = "'=' expected after the value name";
        return std::nullopt;
    }
    const QString rest = line.mid(pos + 1).trimmed();
    if (rest.startsWith(u'"')) {
        qsizetype p = 0;
        auto text = ReadQuoted(rest, p);
        if (!text || p != rest.size()) {
            *why = "text value is not properly quoted";
            return std::nullopt;
        }
        value.type = kRegSz;
        value.data = Utf16Bytes(*text);
        return value;
    }
    if (rest.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString digits = rest.mid(6);
        bool ok = false;
        const uint number = digits.toUInt(&ok, 16);
        if (!ok || digits.size() != 8) {
            *why = "dword needs eight hexadecimal digits";
            return std::nullopt;
        }
        value.type = kRegDword;
        const quint32 le = qToLittleEndian(quint32(number));
        value.data = QByteArray(reinterpret_cast<const char*>(&le), 4);
        return value;
    }
    if (rest.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        qsizetype colon = rest.indexOf(u':');
        if (colon < 0) {
            *why = "':' expected after hex";
            return std::nullopt;
        }
        const QString kind = rest.left(colon);
        value.type = kRegBinary;
        if (kind.size() > 3) {
            bool ok = false;
            if (!kind.startsWith(QLatin1String("hex("), Qt::CaseInsensitive) ||
                !kind.endsWith(u')')) {
                *why = "hex(type) expected";
                return std::nullopt;
            }
            value.type = kind.mid(4, kind.size() - 5).toUInt(&ok, 16);
            if (!ok) {
                *why = "hex(type) has no valid type";
                return std::nullopt;
            }
        }
        auto bytes = ParseHexBytes(rest.mid(colon + 1));
        if (!bytes) {
            *why = "hex bytes are malformed";
            return std::nullopt;
        }
        value.data = *bytes;
        return value;
    }
    *why = "unknown value form";
    return std::nullopt;
}

} // namespace

CRegValue* CRegKeyNode::Find(const QString& name) {
    for (auto& v : values)
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

QString CanonicalRegPath(const QString& path) {
    QString p = path;
    p.replace(u'/', u'\\');
    QStringList parts = p.split(u'\\', Qt::SkipEmptyParts);
    return parts.join(u'\\').toLower();
}

CRegKeyNode& AddKey(CRegTree& tree, const QString& path) {
    // Parents exist whenever a child does.
    const QStringList parts = path.split(u'\\', Qt::SkipEmptyParts);
    CRegKeyNode* node = nullptr;
    for (int n = 1; n <= parts.size(); ++n) {
        const QString sub = parts.mid(0, n).join(u'\\');
        node = &tree[CanonicalRegPath(sub)];
        if (node->path.isEmpty())
            node->path = sub;
    }
    return node ? *node : tree[CanonicalRegPath(path)];
}

std::optional<CRegTree> ParseRegistryText(const QByteArray& bytes, QString* error) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QStringList raw = text.split(u'\n');

    // Join continuation lines ("hex:00,01,\" followed by "  02").
    QStringList lines;
    QList<int> lineNumbers;
    for (int i = 0; i < raw.size(); ++i) {
        QString line = raw[i].trimmed();
        const int first = i + 1;
        // Appended in place: a value continued over many lines costs linear time.
        if (line.endsWith(u'\\') && line.contains(QLatin1String("=hex"))) {
            while (line.endsWith(u'\\') && i + 1 < raw.size()) {
                line.chop(1);
                line += QStringView(raw[++i]).trimmed();
            }
        }
        lines << line;
        lineNumbers << first;
    }

    auto fail = [&](int index, const QString& why) -> std::optional<CRegTree> {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(lineNumbers.value(index)).arg(why);
        return std::nullopt;
    };

    int i = 0;
    while (i < lines.size() && lines[i].isEmpty())
        ++i;
    if (i >= lines.size() || lines[i] != QLatin1String(kHeader))
        return fail(i, "the file does not start with the registry-export header");

    CRegTree tree;
    CRegKeyNode* current = nullptr;
    for (++i; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return fail(i, "key line does not end with ']'");
            const QString path = line.mid(1, line.size() - 2);
            const QString root = path.section(u'\\', 0, 0);
            if (!kRoots.contains(root, Qt::CaseInsensitive))
                return fail(i, "key does not start with a known root");
            current = &AddKey(tree, path);
            continue;
        }
        if (!current)
            return fail(i, "value outside of a key");
        QString why;
        auto value = ParseValueLine(line, &why);
        if (!value)
            return fail(i, why);
        if (CRegValue* existing = current->Find(value->name))
            *existing = *value;
        else
            current->values.push_back(*value);
    }
    return tree;
}

QByteArray SerializeRegistry(const CRegTree& tree) {
    QString out = QLatin1String(kHeader) + "\n";
    for (const auto& [canonical, node] : tree) {
        // Intermediate keys without values are implied by their children; keep the file short.
        if (node.values.empty()) {
            auto next = tree.upper_bound(canonical);
            if (next != tree.end() && next->first.startsWith(canonical + u'\\'))
                continue;
        }
        out += "\n[" + node.path + "]\n";
        for (const CRegValue& v : node.values) {
            out += v.name.isEmpty() ? QString("@") : Quote(v.name);
            out += u'=';
            QString text;
            if (v.type == kRegDword && v.data.size() == 4) {
                quint32 number = qFromLittleEndian<quint32>(v.data.constData());
                out += QStringLiteral("dword:%1").arg(number, 8, 16, QChar(u'0'));
            } else if (v.type == kRegSz && IsPlainText(v.data, &text)) {
                out += Quote(text);
            } else if (v.type == kRegBinary) {
                out += "hex:" + HexBytes(v.data);
            } else {
                out += QStringLiteral("hex(%1):").arg(v.type, 0, 16) + HexBytes(v.data);
            }
            out += u'\n';
        }
    }
    return out.toUtf8();
}

} // namespace platform
