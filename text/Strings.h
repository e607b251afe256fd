#pragma once

// Loading texts from the string table and printf-style formatting of wide texts.
//
// The format rules are those of the platform's wide printf: %s takes a text, %d/%i a 32-bit
// integer, %u/%x/%X/%o unsigned 32-bit, %I64d/%lld 64-bit, %c one character, %f/%e/%g real
// numbers, %% a percent sign; flags (- + space 0 #), width and precision (also *) apply.
// Arguments are typed, so a mismatch between format and argument cannot read stray memory:
// a missing argument formats as nothing, a number given to %s as its decimal text, a text
// given to a number conversion as 0.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <initializer_list>

class CFormatArg {
public:
    enum class Kind { Signed, Unsigned, Real, Text };

    CFormatArg(int v) : m_kind(Kind::Signed), m_signed(v) {}
    CFormatArg(long v) : m_kind(Kind::Signed), m_signed(v) {}
    CFormatArg(long long v) : m_kind(Kind::Signed), m_signed(v) {}
    CFormatArg(unsigned v) : m_kind(Kind::Unsigned), m_unsigned(v) {}
    CFormatArg(unsigned long v) : m_kind(Kind::Unsigned), m_unsigned(v) {}
    CFormatArg(unsigned long long v) : m_kind(Kind::Unsigned), m_unsigned(v) {}
    CFormatArg(double v) : m_kind(Kind::Real), m_real(v) {}
    CFormatArg(const QString& v) : m_kind(Kind::Text), m_text(v) {}
    CFormatArg(QStringView v) : m_kind(Kind::Text), m_text(v) {}
    CFormatArg(const char16_t* v)
        : m_kind(Kind::Text), m_text(v ? QStringView(v) : QStringView()) {}
    CFormatArg(const char* v)
        : m_kind(Kind::Text), m_owned(QString::fromUtf8(v)), m_text(m_owned) {}
    CFormatArg(QChar v) : m_kind(Kind::Unsigned), m_unsigned(v.unicode()) {}

    CFormatArg(const CFormatArg&) = delete;
    CFormatArg& operator=(const CFormatArg&) = delete;

    Kind kind() const { return m_kind; }
    long long AsSigned() const;
    unsigned long long AsUnsigned() const;
    double AsReal() const;
    QString AsText() const;

private:
    Kind m_kind;
    long long m_signed = 0;
    unsigned long long m_unsigned = 0;
    double m_real = 0;
    QString m_owned;
    QStringView m_text;
};

// The longest text the loader and the formatter hand out (their buffers hold 1024
// characters with the terminator).
inline constexpr qsizetype kMaxFormattedLength = 1023;

// Formats `format` with `args`; the result is cut to `limit` characters.
QString FormatText(QStringView format, std::initializer_list<CFormatArg> args,
                   qsizetype limit = kMaxFormattedLength);

QString LoadFormattedArgs(std::uint16_t id, std::initializer_list<CFormatArg> args);

// The table text of `id` in the active language, formatted with `args`; empty for an unknown
// identifier.
template <typename... Args> QString LoadFormatted(std::uint16_t id, const Args&... args) {
    return LoadFormattedArgs(id, {CFormatArg(args)...});
}

// The raw table text of `id` in the active language (text/Catalogue.h), cut to the load limit,
// without formatting.
QString LoadRawString(std::uint16_t id);
