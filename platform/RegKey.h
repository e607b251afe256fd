#pragma once

// Typed access to one registry key, over the registry calls of Registry.h: callers read and
// write numbers, flags, enums and texts, never buffers and sizes. Numbers, flags and enums
// are REG_DWORD (an enum is stored as its number), texts are REG_SZ and read back whole at
// any length. A value of another type than asked counts as missing. Every call opens and
// closes the key on its own; nothing stays open between calls.

#include "platform/Registry.h"

#include <QByteArray>
#include <QString>

#include <concepts>
#include <cstdint>
#include <optional>
#include <type_traits>

namespace platform {

// How a value type is stored: its registry type and its bytes.
template <typename T> struct CRegCodec;

template <> struct CRegCodec<std::uint32_t> {
    static constexpr std::uint32_t kType = REG_DWORD;
    static std::optional<std::uint32_t> Decode(const QByteArray& data);
    static QByteArray Encode(std::uint32_t value);
};

template <> struct CRegCodec<std::int32_t> {
    static constexpr std::uint32_t kType = REG_DWORD;
    static std::optional<std::int32_t> Decode(const QByteArray& data) {
        if (auto n = CRegCodec<std::uint32_t>::Decode(data))
            return std::int32_t(*n);
        return std::nullopt;
    }
    static QByteArray Encode(std::int32_t value) {
        return CRegCodec<std::uint32_t>::Encode(std::uint32_t(value));
    }
};

template <> struct CRegCodec<bool> {
    static constexpr std::uint32_t kType = REG_DWORD;
    static std::optional<bool> Decode(const QByteArray& data) {
        if (auto n = CRegCodec<std::uint32_t>::Decode(data))
            return *n != 0;
        return std::nullopt;
    }
    static QByteArray Encode(bool value) { return CRegCodec<std::uint32_t>::Encode(value); }
};

template <> struct CRegCodec<QString> {
    static constexpr std::uint32_t kType = REG_SZ;
    // The text up to its terminating zero (or the end of the data when it has none).
    static std::optional<QString> Decode(const QByteArray& data);
    static QByteArray Encode(const QString& value);
};

// Enums are stored as their numbers; whether a number is one of the enumerators is for the
// caller to judge.
template <typename E>
requires std::is_enum_v<E>
struct CRegCodec<E> {
    static constexpr std::uint32_t kType = REG_DWORD;
    static std::optional<E> Decode(const QByteArray& data) {
        if (auto n = CRegCodec<std::uint32_t>::Decode(data))
            return static_cast<E>(*n);
        return std::nullopt;
    }
    static QByteArray Encode(E value) {
        return CRegCodec<std::uint32_t>::Encode(std::uint32_t(value));
    }
};

template <typename T>
concept RegValueType = requires(const QByteArray& data, const T& value) {
    { CRegCodec<T>::kType } -> std::convertible_to<std::uint32_t>;
    { CRegCodec<T>::Decode(data) } -> std::same_as<std::optional<T>>;
    { CRegCodec<T>::Encode(value) } -> std::same_as<QByteArray>;
};

class CRegKey {
public:
    // `path` below `root`, "\\" or "/" between its parts.
    CRegKey(HKEY root, QString path) : m_root(root), m_path(std::move(path)) {}

    HKEY Root() const { return m_root; }
    const QString& Path() const { return m_path; }
    // The key `name` below this one.
    CRegKey Sub(const QString& name) const { return CRegKey(m_root, m_path + u'\\' + name); }

    // The value, or nothing when the key or the value is missing or has another type.
    template <RegValueType T> std::optional<T> Read(const QString& name) const {
        if (auto data = ReadRaw(name, CRegCodec<T>::kType))
            return CRegCodec<T>::Decode(*data);
        return std::nullopt;
    }
    template <RegValueType T> T Read(const QString& name, const T& fallback) const {
        return Read<T>(name).value_or(fallback);
    }

    // Stores the value in the registry held in memory, creating the key when needed; it
    // reaches the file with the next flush. False when the registry cannot be written.
    template <RegValueType T> bool Set(const QString& name, const T& value) {
        return SetRaw(name, CRegCodec<T>::kType, CRegCodec<T>::Encode(value));
    }
    // As Set, but a value of this type that another process stores meanwhile wins when the
    // change reaches the file: for defaults written on first use.
    template <RegValueType T> bool SetDefault(const QString& name, const T& value) {
        return SetRaw(name, CRegCodec<T>::kType, CRegCodec<T>::Encode(value), true);
    }
    // Set, then flush: true only when the value reached the registry file.
    template <RegValueType T> bool Write(const QString& name, const T& value) {
        return Set(name, value) && Flush();
    }

    bool Exists() const;
    // A value of any type is stored under `name`.
    bool Has(const QString& name) const;
    // Deletes the value from the registry held in memory; true when it is gone, also when it
    // was never there. False when the registry cannot be written.
    bool Remove(const QString& name);
    // Deletes this key with its values and subkeys from the registry held in memory; true when
    // it is gone, also when it was never there. False when the registry cannot be written.
    bool RemoveKey();
    // How many values the key holds (0 when it does not exist).
    std::uint32_t ValueCount() const;
    // Writes the registry file when anything changed since it was last written.
    bool Flush();

private:
    std::optional<QByteArray> ReadRaw(const QString& name, std::uint32_t type) const;
    bool SetRaw(const QString& name, std::uint32_t type, const QByteArray& data,
                bool onlyWhenMissing = false);

    HKEY m_root;
    QString m_path;
};

} // namespace platform
