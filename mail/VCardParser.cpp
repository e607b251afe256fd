#include "mail/VCardParser.h"

#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace {

// A header longer than this is no real one; it bounds the work on damaged lines.
constexpr qsizetype kMaxHeaderScan = 4096;
// An EMAIL without PREF sorts after every PREF value (1 to 100).
constexpr int kNotPreferred = 101;

struct CParam {
    QByteArray name; // upper case
    QByteArray value;
};

struct CProperty {
    QByteArray name; // upper case, without its group
    std::vector<CParam> params;
    QByteArray value;

    QByteArray Param(const char* wanted) const {
        for (const CParam& p : params)
            if (p.name == wanted)
                return p.value;
        return {};
    }
    // TYPE=work,pref / TYPE="work,pref" / TYPE=work;TYPE=pref / a bare 2.1 WORK;PREF.
    bool HasType(const char* wanted) const {
        for (const CParam& p : params)
            if (p.name == "TYPE")
                for (const QByteArray& t : p.value.split(','))
                    if (t.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
                        return true;
        return false;
    }
};

// The header (name and parameters) ends at the first ":" outside double quotes. A quote left
// open falls back to the first ":", as a 2.1 writer that knows no quoting meant it.
qsizetype HeaderEnd(const QByteArray& line) {
    bool quoted = false;
    const qsizetype scan = std::min(line.size(), kMaxHeaderScan);
    for (qsizetype i = 0; i < scan; ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return QByteArrayView(line).first(scan).indexOf(':');
}

// Splits on `separator` outside double quotes.
QList<QByteArray> SplitOutsideQuotes(const QByteArray& text, char separator) {
    QList<QByteArray> parts;
    QByteArray current;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == separator && !quoted) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

// A parameter value without its quotes, with the caret escapes of RFC 6868 undone.
QByteArray ParamValue(QByteArray value) {
    value = value.trimmed();
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"')
            continue;
        if (c == '^' && i + 1 < value.size()) {
            const char n = value[i + 1];
            if (n == 'n' || n == 'N') {
                out += '\n';
                ++i;
                continue;
            }
            if (n == '\'' || n == '^') {
                out += n == '\'' ? '"' : '^';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

bool IsEncodingName(const QByteArray& upper) {
    return upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "B" || upper == "8BIT" ||
           upper == "7BIT";
}

std::optional<CProperty> ParseProperty(const QByteArray& line) {
    const qsizetype end = HeaderEnd(line);
    if (end <= 0 || end > kMaxHeaderScan)
        return std::nullopt;
    CProperty property;
    property.value = line.mid(end + 1);
    const QList<QByteArray> header = SplitOutsideQuotes(line.left(end), ';');
    QByteArray name = header.front().trimmed();
    if (name.startsWith("\xef\xbb\xbf")) // a byte order mark of a file joined to another
        name = name.mid(3);
    // "item1.EMAIL" -> EMAIL
    property.name = name.mid(name.lastIndexOf('.') + 1).toUpper();
    for (qsizetype i = 1; i < header.size(); ++i) {
        const QByteArray& param = header[i];
        const qsizetype eq = param.indexOf('=');
        CParam p;
        if (eq < 0) {
            // 2.1's bare parameters: "EMAIL;INTERNET;PREF:", "N;QUOTED-PRINTABLE:"
            p.value = param.trimmed().toUpper();
            p.name = IsEncodingName(p.value) ? "ENCODING" : "TYPE";
        } else {
            p.name = param.left(eq).trimmed().toUpper();
            p.value = ParamValue(param.mid(eq + 1));
        }
        property.params.push_back(std::move(p));
    }
    return property;
}

bool IsQuotedPrintable(const CProperty& property) {
    return property.Param("ENCODING").toUpper() == "QUOTED-PRINTABLE";
}

// Joins folded lines, as bytes: a fold may fall inside a UTF-8 character. Physical lines end
// at LF, CR LF or a lone CR. A line starting with a space or tab continues the one before; a
// quoted-printable value ending in "=" continues on the next line whatever it starts with (a
// soft line break).
std::vector<QByteArray> LogicalLines(const QByteArray& text) {
    std::vector<QByteArray> logical;
    bool quotedPrintable = false;
    bool headerSeen = false;
    const auto addLine = [&](QByteArrayView line) {
        if (!logical.empty()) {
            QByteArray& last = logical.back();
            if (quotedPrintable && last.endsWith('=')) {
                last.chop(1);
                last += line;
                return;
            }
            if (!line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
                last += line.sliced(1);
                // A header folded before its ":" is looked at again once it is whole.
                if (!headerSeen && last.size() <= kMaxHeaderScan) {
                    const auto property = ParseProperty(last);
                    headerSeen = property.has_value();
                    quotedPrintable = property && IsQuotedPrintable(*property);
                }
                return;
            }
        }
        if (line.isEmpty()) // nothing to start a property with (the end of a 2.1 photo)
            return;
        logical.emplace_back(line.toByteArray());
        const auto property = ParseProperty(logical.back());
        headerSeen = property.has_value();
        quotedPrintable = property && IsQuotedPrintable(*property);
    };
    const QByteArrayView all(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i] != '\n' && all[i] != '\r')
            continue;
        addLine(all.sliced(start, i - start));
        if (all[i] == '\r' && i + 1 < all.size() && all[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < all.size())
        addLine(all.sliced(start));
    return logical;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray DecodeQuotedPrintable(const QByteArray& in) {
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() && HexDigit(in[i + 1]) >= 0 &&
            HexDigit(in[i + 2]) >= 0) {
            out += char(HexDigit(in[i + 1]) * 16 + HexDigit(in[i + 2]));
            i += 2;
        } else {
            out += in[i]; // a stray "=" stands for itself
        }
    }
    return out;
}

// Text in the card's charset; without one (or with one that does not fit), UTF-8 when the bytes
// are valid UTF-8, else the Windows code page older exports were written in.
QString DecodeCharset(const QByteArray& bytes, const QByteArray& charset) {
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid()) {
            QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows("windows-1252");
    return windows.isValid() ? QString(windows.decode(bytes)) : QString::fromLatin1(bytes);
}

// The value as text, transfer encoding and charset undone (escapes still in place).
QString DecodeValue(const CProperty& property) {
    const QByteArray encoding = property.Param("ENCODING").toUpper();
    QByteArray bytes = property.value;
    if (encoding == "QUOTED-PRINTABLE")
        bytes = DecodeQuotedPrintable(bytes);
    else if (encoding == "BASE64" || encoding == "B")
        bytes = QByteArray::fromBase64(bytes);
    return DecodeCharset(bytes, property.Param("CHARSET"));
}

// Undoes the escapes of a text value: \\ \, \; \: \n; another backslash stays as it is (2.1
// writers do not escape it).
QString Unescape(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            const QChar n = value[i + 1];
            if (n == 'n' || n == 'N') {
                out += QChar('\n');
                ++i;
                continue;
            }
            if (n == '\\' || n == ',' || n == ';' || n == ':') {
                out += n;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// The first `count` parts of a structured value (N, ORG), split on unescaped ";", escapes
// still in place.
QStringList SplitStructured(const QString& value, qsizetype count) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size() && parts.size() < count; ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == ';') {
            parts << value.mid(start, i - start);
            start = i + 1;
        }
    }
    if (parts.size() < count)
        parts << value.mid(start);
    return parts;
}

// Several values of one name component ("Anna,Maria") read as one name.
QString NamePart(const QString& raw) {
    QString out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            out += raw[i];
            out += raw[++i];
        } else {
            out += raw[i] == ',' ? QChar(' ') : raw[i];
        }
    }
    return out.simplified();
}

struct CEmail {
    QString address;
    int rank = kNotPreferred;
};

int Rank(const CProperty& property) {
    bool ok = false;
    const int pref = property.Param("PREF").trimmed().toInt(&ok);
    if (ok && pref >= 1 && pref <= 100)
        return pref;
    return property.HasType("PREF") ? 1 : kNotPreferred;
}

class CCardBuilder {
public:
    void Apply(const CProperty& property) {
        const QByteArray& name = property.name;
        if (name == "FN") {
            if (m_card.displayName.isEmpty())
                m_card.displayName = Unescape(DecodeValue(property)).trimmed();
        } else if (name == "N") {
            if (m_hasName)
                return;
            m_hasName = true;
            // Split before unescaping, so that "\;" and "\," stay inside their part.
            const QStringList raw = SplitStructured(DecodeValue(property), 2);
            m_card.secondName = Unescape(NamePart(raw.value(0))).trimmed();
            m_card.firstName = Unescape(NamePart(raw.value(1))).trimmed();
        } else if (name == "EMAIL") {
            QString address = Unescape(DecodeValue(property)).trimmed();
            if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
                address = address.mid(7);
            m_emails.push_back({address, Rank(property)});
        } else if (name == "ORG") {
            if (m_card.organisation.isEmpty())
                m_card.organisation =
                    Unescape(SplitStructured(DecodeValue(property), 1).value(0)).trimmed();
        } else if (name == "NOTE") {
            if (m_card.note.isEmpty())
                m_card.note = Unescape(DecodeValue(property));
        }
    }

    CContact Finish() {
        // Preferred addresses first, the others in file order; an empty EMAIL keeps its place
        // so that a second address stays the second.
        std::stable_sort(m_emails.begin(), m_emails.end(),
                         [](const CEmail& a, const CEmail& b) { return a.rank < b.rank; });
        QSet<QString> seen;
        std::size_t slot = 0;
        for (const CEmail& e : m_emails) {
            if (slot == m_card.email.size())
                break;
            if (!e.address.isEmpty()) {
                const QString key = e.address.toCaseFolded();
                if (seen.contains(key))
                    continue;
                seen.insert(key);
            }
            m_card.email[slot++] = e.address;
        }
        // A company's card often has no personal name: it is listed by the company's.
        if (m_card.displayName.isEmpty() && m_card.firstName.isEmpty() &&
            m_card.secondName.isEmpty())
            m_card.displayName = m_card.organisation;
        return m_card;
    }

private:
    CContact m_card;
    std::vector<CEmail> m_emails;
    bool m_hasName = false;
};

bool IsVCard(const QByteArray& value) {
    return value.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0;
}

// UTF-16 exports (with their byte order mark) are read as UTF-8; a UTF-8 mark is dropped.
QByteArray AsUtf8Bytes(const QByteArray& text) {
    if (text.startsWith("\xff\xfe") || text.startsWith("\xfe\xff")) {
        QStringDecoder decoder(text.startsWith("\xff\xfe") ? QStringDecoder::Utf16LE
                                                           : QStringDecoder::Utf16BE);
        return QString(decoder.decode(QByteArrayView(text).sliced(2))).toUtf8();
    }
    if (text.startsWith("\xef\xbb\xbf"))
        return text.mid(3);
    return text;
}

} // namespace

std::vector<CContact> CVCardParser::Parse(const QByteArray& text) {
    std::vector<CContact> cards;
    std::optional<CCardBuilder> card;
    int nested = 0;            // depth inside a card embedded in the current one
    bool agentPending = false; // the last property was "AGENT:" with the card to follow
    for (const QByteArray& line : LogicalLines(AsUtf8Bytes(text))) {
        const auto property = ParseProperty(line);
        if (!property)
            continue;
        const bool begin = property->name == "BEGIN" && IsVCard(property->value);
        const bool end = property->name == "END" && IsVCard(property->value);
        if (nested > 0) {
            nested += begin ? 1 : end ? -1 : 0;
            continue;
        }
        if (begin) {
            // An agent's card belongs to the card around it; any other BEGIN inside a card
            // means that card lost its END: it is dropped as incomplete.
            if (card && agentPending)
                nested = 1;
            else
                card.emplace();
            agentPending = false;
            continue;
        }
        if (!card)
            continue;
        if (end) {
            cards.push_back(card->Finish());
            card.reset();
            agentPending = false;
            continue;
        }
        agentPending = property->name == "AGENT" && property->value.trimmed().isEmpty();
        card->Apply(*property);
    }
    return cards;
}
