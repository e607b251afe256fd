#include "platform/RegKey.h"

#include <QtEndian>

#include <cstring>

namespace platform {
namespace {

// Closes an open key however the caller leaves.
class COpenKey {
public:
    enum EMode { kRead, kWrite, kCreate };

    COpenKey(HKEY root, const QString& path, EMode mode) {
        const LSTATUS status =
            mode == kCreate
                ? RegCreateKeyEx(root, path, &m_key)
                : RegOpenKeyEx(root, path, mode == kWrite ? KEY_ALL_ACCESS : KEY_READ, &m_key);
        if (status != ERROR_SUCCESS)
            m_key = 0;
    }
    ~COpenKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    COpenKey(const COpenKey&) = delete;
    COpenKey& operator=(const COpenKey&) = delete;

    explicit operator bool() const { return m_key != 0; }
    HKEY Handle() const { return m_key; }

private:
    HKEY m_key = 0;
};

} // namespace

std::optional<std::uint32_t> CRegCodec<std::uint32_t>::Decode(const QByteArray& data) {
    if (data.size() != 4)
        return std::nullopt;
    return qFromLittleEndian<quint32>(data.constData());
}

QByteArray CRegCodec<std::uint32_t>::Encode(std::uint32_t value) {
    QByteArray data(4, '\0');
    qToLittleEndian<quint32>(value, data.data());
    return data;
}

std::optional<QString> CRegCodec<QString>::Decode(const QByteArray& data) {
    const qsizetype units = data.size() / 2;
    QString text(units, Qt::Uninitialized);
    std::memcpy(text.data(), data.constData(), std::size_t(units) * 2);
    const qsizetype end = text.indexOf(QChar(u'\0'));
    if (end >= 0)
        text.truncate(end);
    return text;
}

QByteArray CRegCodec<QString>::Encode(const QString& value) {
    // UTF-16 with its terminating zero, as the registry keeps texts.
    return QByteArray(reinterpret_cast<const char*>(value.utf16()), (value.size() + 1) * 2);
}

bool CRegKey::Exists() const {
    return bool(COpenKey(m_root, m_path, COpenKey::kRead));
}

bool CRegKey::Has(const QString& name) const {
    COpenKey key(m_root, m_path, COpenKey::kRead);
    std::uint32_t type = REG_NONE;
    std::uint32_t size = 0;
    return key && RegQueryValueEx(key.Handle(), name, &type, nullptr, &size) == ERROR_SUCCESS;
}

bool CRegKey::Remove(const QString& name) {
    COpenKey key(m_root, m_path, COpenKey::kWrite);
    if (!key)
        return !Exists();
    const LSTATUS status = RegDeleteValue(key.Handle(), name);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool CRegKey::RemoveKey() {
    const LSTATUS status = RegDeleteKey(m_root, m_path);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::uint32_t CRegKey::ValueCount() const {
    COpenKey key(m_root, m_path, COpenKey::kRead);
    std::uint32_t values = 0;
    if (!key || RegQueryInfoKey(key.Handle(), nullptr, &values) != ERROR_SUCCESS)
        return 0;
    return values;
}

bool CRegKey::Flush() {
    return RegFlushKey(m_root) == ERROR_SUCCESS;
}

std::optional<QByteArray> CRegKey::ReadRaw(const QString& name, std::uint32_t type) const {
    COpenKey key(m_root, m_path, COpenKey::kRead);
    if (!key)
        return std::nullopt;
    // Ask for the size first, so that a value of any length is read whole.
    std::uint32_t stored = REG_NONE;
    std::uint32_t size = 0;
    if (RegQueryValueEx(key.Handle(), name, &stored, nullptr, &size) != ERROR_SUCCESS ||
        stored != type)
        return std::nullopt;
    QByteArray data(qsizetype(size), '\0');
    LSTATUS status = RegQueryValueEx(key.Handle(), name, &stored, data.data(), &size);
    if (status == ERROR_MORE_DATA) { // it grew in between
        data.resize(qsizetype(size));
        status = RegQueryValueEx(key.Handle(), name, &stored, data.data(), &size);
    }
    if (status != ERROR_SUCCESS || stored != type)
        return std::nullopt;
    data.truncate(qsizetype(size));
    return data;
}

bool CRegKey::SetRaw(const QString& name, std::uint32_t type, const QByteArray& data,
                     bool onlyWhenMissing) {
    COpenKey key(m_root, m_path, COpenKey::kCreate);
    const auto set = onlyWhenMissing ? RegSetDefaultValue : RegSetValueEx;
    return key && set(key.Handle(), name, type, data.constData(), std::uint32_t(data.size())) ==
                      ERROR_SUCCESS;
}

} // namespace platform
