#include "text/Strings.h"

#include "resources/StringTable.h"
#include "text/Catalogue.h"

#include <cstdio>
#include <string>

long long CFormatArg::AsSigned() const {
    switch (m_kind) {
    case Kind::Signed: return m_signed;
    case Kind::Unsigned: return static_cast<long long>(m_unsigned);
    case Kind::Real: return static_cast<long long>(m_real);
    case Kind::Text: return 0;
    }
    return 0;
}

unsigned long long CFormatArg::AsUnsigned() const {
    switch (m_kind) {
    case Kind::Signed: return static_cast<unsigned long long>(m_signed);
    case Kind::Unsigned: return m_unsigned;
    case Kind::Real: return static_cast<unsigned long long>(m_real);
    case Kind::Text: return 0;
    }
    return 0;
}

double CFormatArg::AsReal() const {
    switch (m_kind) {
    case Kind::Signed: return double(m_signed);
    case Kind::Unsigned: return double(m_unsigned);
    case Kind::Real: return m_real;
    case Kind::Text: return 0;
    }
    return 0;
}

QString CFormatArg::AsText() const {
    switch (m_kind) {
    case Kind::Signed: return QString::number(m_signed);
    case Kind::Unsigned: return QString::number(m_unsigned);
    case Kind::Real: return QString::number(m_real);
    case Kind::Text: return m_text.toString();
    }
    return {};
}

namespace {

struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    bool wide64 = false;
    char conversion = 0;
};

bool IsFlag(QChar c) {
    return c == u'-' || c == u'+' || c == u' ' || c == u'0' || c == u'#';
}

// Number conversions go through the C library so that flags, width and precision behave
// exactly as printf's.
QString FormatNumber(const Conversion& conv, const CFormatArg* arg) {
    if (!arg)
        return {};
    std::string fmt(1, '%');
    fmt += conv.flags;
    if (conv.width >= 0)
        fmt += std::to_string(conv.width);
    if (conv.precision >= 0) {
        fmt += '.';
        fmt += std::to_string(conv.precision);
    }
    char buffer[512];
    const char c = conv.conversion;
    if (c == 'f' || c == 'F' || c == 'e' || c == 'E' || c == 'g' || c == 'G' || c == 'a' ||
        c == 'A') {
        fmt += c;
        std::snprintf(buffer, sizeof buffer, fmt.c_str(), arg ? arg->AsReal() : 0.0);
    } else if (c == 'd' || c == 'i') {
        fmt += "lld";
        long long v = arg ? arg->AsSigned() : 0;
        if (!conv.wide64)
            v = static_cast<std::int32_t>(v);
        std::snprintf(buffer, sizeof buffer, fmt.c_str(), v);
    } else {
        fmt += "ll";
        fmt += c;
        unsigned long long v = arg ? arg->AsUnsigned() : 0;
        if (!conv.wide64)
            v = static_cast<std::uint32_t>(v);
        std::snprintf(buffer, sizeof buffer, fmt.c_str(), v);
    }
    return QString::fromLatin1(buffer);
}

QString Pad(const QString& text, const Conversion& conv) {
    if (conv.width < 0 || text.size() >= conv.width)
        return text;
    const QString fill(conv.width - text.size(), u' ');
    return conv.flags.find('-') != std::string::npos ? text + fill : fill + text;
}

} // namespace

QString FormatText(QStringView format, std::initializer_list<CFormatArg> args, qsizetype limit) {
    QString out;
    auto next = args.begin();
    auto take = [&]() -> const CFormatArg* { return next != args.end() ? &*next++ : nullptr; };

    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n && out.size() < limit; ++i) {
        const QChar c = format[i];
        if (c != u'%') {
            out += c;
            continue;
        }
        if (i + 1 >= n)
            break; // a lone % at the end prints nothing
        if (format[i + 1] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        Conversion conv;
        while (j < n && IsFlag(format[j]))
            conv.flags += char(format[j++].unicode());
        if (j < n && format[j] == u'*') {
            const CFormatArg* a = take();
            conv.width = a ? int(a->AsSigned()) : 0;
            if (conv.width < 0) {
                conv.flags += '-';
                conv.width = -conv.width;
            }
            ++j;
        } else {
            while (j < n && format[j].isDigit())
                conv.width = std::max(conv.width, 0) * 10 + format[j++].digitValue();
        }
        if (j < n && format[j] == u'.') {
            ++j;
            conv.precision = 0;
            if (j < n && format[j] == u'*') {
                const CFormatArg* a = take();
                conv.precision = a ? std::max(0, int(a->AsSigned())) : 0;
                ++j;
            } else {
                while (j < n && format[j].isDigit())
                    conv.precision = conv.precision * 10 + format[j++].digitValue();
            }
        }
        conv.width = std::min(conv.width, 1024);
        conv.precision = std::min(conv.precision, 1024);
        // Length modifiers: I64 and ll select 64 bits; h, l, w, L, I32 change nothing here.
        while (j < n) {
            const QStringView rest = format.mid(j);
            if (rest.startsWith(u"I64")) {
                conv.wide64 = true;
                j += 3;
            } else if (rest.startsWith(u"I32")) {
                j += 3;
            } else if (rest.startsWith(u"ll")) {
                conv.wide64 = true;
                j += 2;
            } else if (format[j] == u'h' || format[j] == u'l' || format[j] == u'w' ||
                       format[j] == u'L' || format[j] == u'z' || format[j] == u'j') {
                ++j;
            } else {
                break;
            }
        }
        if (j >= n)
            break;
        const char letter = char(format[j].unicode());
        conv.conversion = letter;
        switch (letter) {
        case 's':
        case 'S': {
            const CFormatArg* a = take();
            QString text = a ? a->AsText() : QString();
            if (conv.precision >= 0)
                text.truncate(conv.precision);
            out += Pad(text, conv);
            break;
        }
        case 'c':
        case 'C': {
            const CFormatArg* a = take();
            out += Pad(QString(QChar(char16_t(a ? a->AsUnsigned() : 0))), conv);
            break;
        }
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 'o':
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A': out += FormatNumber(conv, take()); break;
        case 'p': take(); break;
        default:
            // Not a conversion: copy it as it stands.
            out += format.mid(i, j - i + 1);
            break;
        }
        i = j;
    }
    out.truncate(limit);
    return out;
}

QString LoadRawString(std::uint16_t id) {
    const QStringView english = LookupString(id);
    if (english.isEmpty())
        return {};
    return ActiveCatalogue()
        ->Translate(kStringTableContext, english.toUtf8().constData())
        .left(kMaxFormattedLength);
}

QString LoadFormattedArgs(std::uint16_t id, std::initializer_list<CFormatArg> args) {
    const QString raw = LoadRawString(id);
    return FormatText(raw, args);
}
