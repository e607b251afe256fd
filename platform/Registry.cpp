#include "platform/Registry.h"

#include "platform/AtomicFile.h"
#include "platform/Diagnostics.h"
#include "platform/Paths.h"
#include "platform/RegistryFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <unordered_map>

namespace platform {
namespace {

const char* RootName(HKEY root) {
    switch (root) {
    case HKEY_CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER: return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS: return "HKEY_USERS";
    default: return nullptr;
    }
}

struct OpenKey {
    QString canonical;
    QString path;
    bool writable = false;
};

// The registry held in memory. Loaded from its file on first use; every flush writes the
// whole tree back when something changed.
class CRegistryStore {
public:
    static CRegistryStore& Instance() {
        static CRegistryStore store;
        return store;
    }

    void Reset() {
        m_loaded = false;
        m_tree.clear();
        m_open.clear();
        m_dirty = false;
        m_readOnly = false;
    }

    LSTATUS Open(HKEY parent, const QString& subKey, bool create, bool writable, HKEY* result) {
        if (!result)
            return ERROR_INVALID_PARAMETER;
        *result = 0;
        Load();
        QString base;
        if (const char* root = RootName(parent)) {
            base = root;
        } else {
            auto it = m_open.find(parent);
            if (it == m_open.end())
                return ERROR_INVALID_HANDLE;
            base = it->second.path;
        }
        const QStringList parts =
            QString(subKey).replace(u'/', u'\\').split(u'\\', Qt::SkipEmptyParts);
        const QString path = parts.isEmpty() ? base : base + u'\\' + parts.join(u'\\');
        const QString canonical = CanonicalRegPath(path);
        const bool isRoot = parts.isEmpty() && RootName(parent);
        if (!isRoot && m_tree.find(canonical) == m_tree.end()) {
            if (!create)
                return ERROR_FILE_NOT_FOUND;
            if (!CanWrite())
                return ERROR_ACCESS_DENIED;
            AddKey(m_tree, path);
        } else if (create && !CanWrite()) {
            return ERROR_ACCESS_DENIED;
        }
        const HKEY handle = m_nextHandle++;
        m_open[handle] = OpenKey{canonical, path, writable};
        *result = handle;
        return ERROR_SUCCESS;
    }

    LSTATUS Query(HKEY key, const QString& name, std::uint32_t* type, void* data,
                  std::uint32_t* size) {
        CRegKeyNode* node = NodeOf(key);
        if (!node)
            return ERROR_INVALID_HANDLE;
        const CRegValue* value = node->Find(name);
        if (!value)
            return ERROR_FILE_NOT_FOUND;
        if (type)
            *type = value->type;
        const auto needed = std::uint32_t(value->data.size());
        if (!data) {
            if (size)
                *size = needed;
            return ERROR_SUCCESS;
        }
        if (!size)
            return ERROR_INVALID_PARAMETER;
        if (*size < needed) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        std::memcpy(data, value->data.constData(), needed);
        *size = needed;
        return ERROR_SUCCESS;
    }

    LSTATUS Set(HKEY key, const QString& name, std::uint32_t type, const void* data,
                std::uint32_t size) {
        auto it = m_open.find(key);
        if (RootName(key) == nullptr && it == m_open.end())
            return ERROR_INVALID_HANDLE;
        if ((it != m_open.end() && !it->second.writable) || !CanWrite())
            return ERROR_ACCESS_DENIED;
        if (size > 0 && !data)
            return ERROR_INVALID_PARAMETER;
        CRegKeyNode* node = NodeOf(key);
        if (!node)
            return ERROR_INVALID_HANDLE;
        const QByteArray bytes(static_cast<const char*>(data), qsizetype(size));
        if (CRegValue* existing = node->Find(name)) {
            if (existing->type == type && existing->data == bytes)
                return ERROR_SUCCESS;
            existing->type = type;
            existing->data = bytes;
        } else {
            node->values.push_back(CRegValue{name, type, bytes});
        }
        m_dirty = true;
        return ERROR_SUCCESS;
    }

    LSTATUS Delete(HKEY key, const QString& name) {
        auto it = m_open.find(key);
        if (it != m_open.end() && !it->second.writable)
            return ERROR_ACCESS_DENIED;
        CRegKeyNode* node = NodeOf(key);
        if (!node)
            return ERROR_INVALID_HANDLE;
        auto& values = node->values;
        for (auto v = values.begin(); v != values.end(); ++v) {
            if (v->name.compare(name, Qt::CaseInsensitive) == 0) {
                if (!CanWrite())
                    return ERROR_ACCESS_DENIED;
                values.erase(v);
                m_dirty = true;
                return ERROR_SUCCESS;
            }
        }
        return ERROR_FILE_NOT_FOUND;
    }

    LSTATUS Flush(HKEY key) {
        if (RootName(key) == nullptr && m_open.find(key) == m_open.end())
            return ERROR_INVALID_HANDLE;
        Load();
        if (!m_dirty)
            return ERROR_SUCCESS;
        if (!CanWrite())
            return ERROR_ACCESS_DENIED;
        QString error;
        if (!WriteFileAtomically(m_file, SerializeRegistry(m_tree), &error)) {
            ReportDiagnostic(8, "registry not saved: " + error);
            return ERROR_WRITE_FAULT;
        }
        m_dirty = false;
        return ERROR_SUCCESS;
    }

    LSTATUS Close(HKEY key) {
        if (RootName(key))
            return ERROR_SUCCESS;
        return m_open.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }

private:
    CRegKeyNode* NodeOf(HKEY key) {
        Load();
        QString canonical;
        if (const char* root = RootName(key)) {
            canonical = CanonicalRegPath(root);
            auto& node = m_tree[canonical];
            if (node.path.isEmpty())
                node.path = root;
            return &node;
        }
        auto it = m_open.find(key);
        if (it == m_open.end())
            return nullptr;
        auto node = m_tree.find(it->second.canonical);
        return node == m_tree.end() ? nullptr : &node->second;
    }

    void Load() {
        if (m_loaded)
            return;
        m_loaded = true;
        m_file = RegistryFilePath();
        QFile file(m_file);
        if (!file.exists())
            return;
        if (!file.open(QIODevice::ReadOnly)) {
            ReportDiagnostic(8, "registry file cannot be read: " + m_file);
            m_readOnly = true; // never overwrite what we could not read
            return;
        }
        QString error;
        auto tree = ParseRegistryText(file.readAll(), &error);
        file.close();
        if (tree) {
            m_tree = std::move(*tree);
            return;
        }
        // Keep the damaged file for the user and start on an empty registry.
        const QString stamp =
            m_file + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
        QString aside = stamp;
        for (int n = 2; QFile::exists(aside); ++n)
            aside = stamp + "-" + QString::number(n);
        if (QFile::rename(m_file, aside)) {
            ReportDiagnostic(8, QStringLiteral("registry file %1 is damaged (%2); kept as %3, "
                                               "starting with an empty registry")
                                    .arg(m_file, error, aside));
        } else {
            ReportDiagnostic(8, QStringLiteral("registry file %1 is damaged (%2) and could not "
                                               "be moved aside; settings will not be saved")
                                    .arg(m_file, error));
            m_readOnly = true;
        }
    }

    bool CanWrite() {
        Load();
        if (m_readOnly)
            return false;
        const QFileInfo info(m_file);
        if (!EnsureFolder(info.absolutePath()) || !QFileInfo(info.absolutePath()).isWritable())
            return false;
        return !info.exists() || (info.isFile() && info.isWritable());
    }

    bool m_loaded = false;
    bool m_dirty = false;
    bool m_readOnly = false;
    QString m_file;
    CRegTree m_tree;
    std::unordered_map<HKEY, OpenKey> m_open;
    HKEY m_nextHandle = 1;
};

bool WantsWrite(REGSAM access) {
    return (access & KEY_WRITE & ~KEY_READ) != 0;
}

} // namespace

LSTATUS RegOpenKeyEx(HKEY parent, const QString& subKey, REGSAM access, HKEY* result) {
    return CRegistryStore::Instance().Open(parent, subKey, false, WantsWrite(access), result);
}

LSTATUS RegCreateKeyEx(HKEY parent, const QString& subKey, HKEY* result) {
    return CRegistryStore::Instance().Open(parent, subKey, true, true, result);
}

LSTATUS RegQueryValueEx(HKEY key, const QString& name, std::uint32_t* type, void* data,
                        std::uint32_t* size) {
    return CRegistryStore::Instance().Query(key, name, type, data, size);
}

LSTATUS RegSetValueEx(HKEY key, const QString& name, std::uint32_t type, const void* data,
                      std::uint32_t size) {
    return CRegistryStore::Instance().Set(key, name, type, data, size);
}

LSTATUS RegDeleteValue(HKEY key, const QString& name) {
    return CRegistryStore::Instance().Delete(key, name);
}

LSTATUS RegFlushKey(HKEY key) {
    return CRegistryStore::Instance().Flush(key);
}

LSTATUS RegCloseKey(HKEY key) {
    return CRegistryStore::Instance().Close(key);
}

QString RegistryFilePath() {
    const QString home = HomeOverride();
    return (home.isEmpty() ? ConfigFolder() : home) + "/registry.reg";
}

void ResetRegistry() {
    CRegistryStore::Instance().Reset();
}

} // namespace platform
