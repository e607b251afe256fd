#include "platform/Registry.h"

#include "platform/AtomicFile.h"
#include "platform/Diagnostics.h"
#include "platform/Paths.h"
#include "platform/RegistryFile.h"
#include "platform/RegistryLock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

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

// One change this process made, kept until it reaches the file, so that it can be applied
// again to the file as another process left it.
struct CRegChange {
    enum class EKind { SetValue, SetDefault, DeleteValue, CreateKey, DeleteKey };
    EKind kind;
    QString path; // the key's full path with its root
    CRegValue value;
};

void EraseKey(CRegTree& tree, const QString& canonical) {
    tree.erase(canonical);
    // Keys below sort together, though not always right after the key ("a b" < "a\\b").
    const QString below = canonical + u'\\';
    auto it = tree.lower_bound(below);
    while (it != tree.end() && it->first.startsWith(below))
        it = tree.erase(it);
}

void Apply(CRegTree& tree, const CRegChange& change) {
    switch (change.kind) {
    case CRegChange::EKind::SetValue:
    case CRegChange::EKind::SetDefault: {
        CRegKeyNode& node = AddKey(tree, change.path);
        CRegValue* existing = node.Find(change.value.name);
        if (!existing)
            node.values.push_back(change.value);
        else if (change.kind == CRegChange::EKind::SetValue || existing->type != change.value.type)
            *existing = change.value;
        break;
    }
    case CRegChange::EKind::DeleteValue: {
        auto it = tree.find(CanonicalRegPath(change.path));
        if (it == tree.end())
            break;
        auto& values = it->second.values;
        std::erase_if(values, [&](const CRegValue& v) {
            return v.name.compare(change.value.name, Qt::CaseInsensitive) == 0;
        });
        break;
    }
    case CRegChange::EKind::CreateKey: AddKey(tree, change.path); break;
    case CRegChange::EKind::DeleteKey: EraseKey(tree, CanonicalRegPath(change.path)); break;
    }
}

// The registry as this process sees it: the file as it was last read, plus the changes made
// since. A flush merges those changes into the file as it is at that moment.
class CRegistryStore {
public:
    static CRegistryStore& Instance() {
        static CRegistryStore store;
        return store;
    }

    std::recursive_mutex& Mutex() { return m_mutex; }

    void Reset() {
        m_loaded = false;
        m_tree.clear();
        m_open.clear();
        m_changes.clear();
        m_readOnly = false;
        m_updateDepth = 0;
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
            Change({CRegChange::EKind::CreateKey, path, {}});
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

    LSTATUS QueryInfo(HKEY key, std::uint32_t* subKeys, std::uint32_t* values) {
        CRegKeyNode* node = NodeOf(key);
        if (!node)
            return ERROR_INVALID_HANDLE;
        if (values)
            *values = std::uint32_t(node->values.size());
        if (subKeys) {
            // Direct children only: one more part than this key.
            const QString canonical = CanonicalRegPath(node->path);
            const QString below = canonical + u'\\';
            std::uint32_t count = 0;
            for (auto it = m_tree.lower_bound(below);
                 it != m_tree.end() && it->first.startsWith(below); ++it)
                if (!it->first.mid(below.size()).contains(u'\\'))
                    ++count;
            *subKeys = count;
        }
        return ERROR_SUCCESS;
    }

    LSTATUS Set(HKEY key, const QString& name, std::uint32_t type, const void* data,
                std::uint32_t size, bool onlyWhenMissing = false) {
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
        // Storing what this process already sees stored is no change: it must not undo what
        // another process wrote meanwhile.
        if (const CRegValue* existing = node->Find(name))
            if (existing->type == type && existing->data == bytes)
                return ERROR_SUCCESS;
        Change({onlyWhenMissing ? CRegChange::EKind::SetDefault : CRegChange::EKind::SetValue,
                node->path, CRegValue{name, type, bytes}});
        return ERROR_SUCCESS;
    }

    LSTATUS Delete(HKEY key, const QString& name) {
        auto it = m_open.find(key);
        if (it != m_open.end() && !it->second.writable)
            return ERROR_ACCESS_DENIED;
        CRegKeyNode* node = NodeOf(key);
        if (!node)
            return ERROR_INVALID_HANDLE;
        if (!node->Find(name))
            return ERROR_FILE_NOT_FOUND;
        if (!CanWrite())
            return ERROR_ACCESS_DENIED;
        Change({CRegChange::EKind::DeleteValue, node->path, CRegValue{name, REG_NONE, {}}});
        return ERROR_SUCCESS;
    }

    LSTATUS DeleteKey(HKEY parent, const QString& subKey) {
        const QStringList parts =
            QString(subKey).replace(u'/', u'\\').split(u'\\', Qt::SkipEmptyParts);
        if (parts.isEmpty())
            return RootName(parent) ? ERROR_ACCESS_DENIED : ERROR_INVALID_PARAMETER;
        CRegKeyNode* base = NodeOf(parent);
        if (!base)
            return ERROR_INVALID_HANDLE;
        const QString path = base->path + u'\\' + parts.join(u'\\');
        if (m_tree.find(CanonicalRegPath(path)) == m_tree.end())
            return ERROR_FILE_NOT_FOUND;
        if (!CanWrite())
            return ERROR_ACCESS_DENIED;
        Change({CRegChange::EKind::DeleteKey, path, {}});
        return ERROR_SUCCESS;
    }

    LSTATUS Flush(HKEY key) {
        if (RootName(key) == nullptr && m_open.find(key) == m_open.end())
            return ERROR_INVALID_HANDLE;
        Load();
        if (m_changes.empty() || m_updateDepth > 0)
            return ERROR_SUCCESS;
        if (!CanWrite())
            return ERROR_ACCESS_DENIED;
        CRegistryLock lock(LockPath());
        if (!lock.Held()) {
            ReportLockFailure(lock);
            return ERROR_WRITE_FAULT;
        }
        auto current = ReadCurrent();
        if (!current)
            return ERROR_WRITE_FAULT;
        for (const CRegChange& change : m_changes)
            Apply(*current, change);
        if (!Write(*current))
            return ERROR_WRITE_FAULT;
        // What this process sees stays as it was (plus its own changes, already in m_tree):
        // values it never touched keep the state it loaded, so a later save of a whole record
        // does not take back what others changed meanwhile.
        m_changes.clear();
        return ERROR_SUCCESS;
    }

    bool Update(const std::function<bool()>& change) {
        Load();
        if (m_updateDepth > 0)
            return change();
        // Without a lock (a read-only folder) the change can still read; writing then fails.
        CRegistryLock lock(LockPath());
        if (lock.State() == CRegistryLock::EState::TimedOut) {
            ReportLockFailure(lock);
            return false;
        }
        if (!m_readOnly) {
            auto current = ReadCurrent();
            if (!current)
                return false;
            for (const CRegChange& earlier : m_changes)
                Apply(*current, earlier);
            m_tree = std::move(*current);
        }
        const CRegTree before = m_tree;
        const std::size_t earlierChanges = m_changes.size();
        ++m_updateDepth;
        bool ok = false;
        try {
            ok = change();
        } catch (...) {
            --m_updateDepth;
            Rollback(before, earlierChanges);
            throw;
        }
        --m_updateDepth;
        if (!ok) {
            Rollback(before, earlierChanges);
            return false;
        }
        if (m_changes.empty())
            return true;
        if (!lock.Held()) {
            ReportLockFailure(lock);
            return false;
        }
        if (!Write(m_tree))
            return false;
        m_changes.clear();
        return true;
    }

    LSTATUS Close(HKEY key) {
        if (RootName(key))
            return ERROR_SUCCESS;
        return m_open.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }

private:
    void Change(CRegChange change) {
        Apply(m_tree, change);
        m_changes.push_back(std::move(change));
    }

    void Rollback(const CRegTree& before, std::size_t changes) {
        m_tree = before;
        m_changes.resize(changes);
    }

    CRegKeyNode* NodeOf(HKEY key) {
        Load();
        if (const char* root = RootName(key)) {
            auto& node = m_tree[CanonicalRegPath(root)];
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

    // The file as it is now: empty when there is none; a damaged one is moved aside first.
    // Nothing when it cannot be read, or is damaged and cannot be moved aside: then it must
    // not be overwritten.
    std::optional<CRegTree> ReadCurrent() {
        QFile file(m_file);
        if (!file.exists())
            return CRegTree();
        if (!file.open(QIODevice::ReadOnly)) {
            ReportDiagnostic(8, "registry file cannot be read: " + m_file);
            return std::nullopt;
        }
        QString error;
        auto tree = ParseRegistryText(file.readAll(), &error);
        file.close();
        if (tree)
            return tree;
        if (!SetDamagedFileAside(error))
            return std::nullopt;
        return CRegTree();
    }

    bool SetDamagedFileAside(const QString& error) {
        const QString stamp =
            m_file + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
        QString aside = stamp;
        for (int n = 2; QFile::exists(aside); ++n)
            aside = stamp + "-" + QString::number(n);
        if (QFile::rename(m_file, aside)) {
            ReportDiagnostic(8, QStringLiteral("registry file %1 is damaged (%2); kept as %3, "
                                               "starting with an empty registry")
                                    .arg(m_file, error, aside));
            return true;
        }
        ReportDiagnostic(8, QStringLiteral("registry file %1 is damaged (%2) and could not "
                                           "be moved aside; settings will not be saved")
                                .arg(m_file, error));
        return false;
    }

    bool Write(const CRegTree& tree) {
        QString error;
        if (!WriteFileAtomically(m_file, SerializeRegistry(tree), &error)) {
            ReportDiagnostic(8, "registry not saved: " + error);
            return false;
        }
        return true;
    }

    void ReportLockFailure(const CRegistryLock& lock) {
        ReportDiagnostic(8,
                         lock.State() == CRegistryLock::EState::TimedOut
                             ? "registry not saved: another program kept it locked: " + LockPath()
                             : "registry not saved: its lock file cannot be opened: " + LockPath());
    }

    QString LockPath() const { return m_file + ".lock"; }

    void Load() {
        if (m_loaded)
            return;
        m_loaded = true;
        m_file = RegistryFilePath();
        if (!QFile::exists(m_file))
            return;
        if (auto tree = ReadCurrent())
            m_tree = std::move(*tree);
        else
            m_readOnly = true; // never overwrite what we could not read
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

    std::recursive_mutex m_mutex;
    bool m_loaded = false;
    bool m_readOnly = false;
    int m_updateDepth = 0;
    QString m_file;
    CRegTree m_tree;
    std::vector<CRegChange> m_changes; // since the last write of the file, in order
    std::unordered_map<HKEY, OpenKey> m_open;
    HKEY m_nextHandle = 1;
};

bool WantsWrite(REGSAM access) {
    return (access & KEY_WRITE & ~KEY_READ) != 0;
}

// Runs `call` on the store with its lock held: the registry may be used from worker threads.
template <typename F> auto Locked(F&& call) {
    CRegistryStore& store = CRegistryStore::Instance();
    std::lock_guard guard(store.Mutex());
    return call(store);
}

} // namespace

LSTATUS RegOpenKeyEx(HKEY parent, const QString& subKey, REGSAM access, HKEY* result) {
    return Locked([&](CRegistryStore& s) {
        return s.Open(parent, subKey, false, WantsWrite(access), result);
    });
}

LSTATUS RegCreateKeyEx(HKEY parent, const QString& subKey, HKEY* result) {
    return Locked([&](CRegistryStore& s) { return s.Open(parent, subKey, true, true, result); });
}

LSTATUS RegQueryValueEx(HKEY key, const QString& name, std::uint32_t* type, void* data,
                        std::uint32_t* size) {
    return Locked([&](CRegistryStore& s) { return s.Query(key, name, type, data, size); });
}

LSTATUS RegSetValueEx(HKEY key, const QString& name, std::uint32_t type, const void* data,
                      std::uint32_t size) {
    return Locked([&](CRegistryStore& s) { return s.Set(key, name, type, data, size); });
}

LSTATUS RegSetDefaultValue(HKEY key, const QString& name, std::uint32_t type, const void* data,
                           std::uint32_t size) {
    return Locked([&](CRegistryStore& s) { return s.Set(key, name, type, data, size, true); });
}

LSTATUS RegDeleteValue(HKEY key, const QString& name) {
    return Locked([&](CRegistryStore& s) { return s.Delete(key, name); });
}

LSTATUS RegDeleteKey(HKEY parent, const QString& subKey) {
    return Locked([&](CRegistryStore& s) { return s.DeleteKey(parent, subKey); });
}

LSTATUS RegQueryInfoKey(HKEY key, std::uint32_t* subKeys, std::uint32_t* values) {
    return Locked([&](CRegistryStore& s) { return s.QueryInfo(key, subKeys, values); });
}

LSTATUS RegFlushKey(HKEY key) {
    return Locked([&](CRegistryStore& s) { return s.Flush(key); });
}

LSTATUS RegCloseKey(HKEY key) {
    return Locked([&](CRegistryStore& s) { return s.Close(key); });
}

bool UpdateRegistry(const std::function<bool()>& change) {
    return Locked([&](CRegistryStore& s) { return s.Update(change); });
}

QString RegistryFilePath() {
    const QString home = HomeOverride();
    return (home.isEmpty() ? ConfigFolder() : home) + "/registry.reg";
}

QString RegistryLockPath() {
    return RegistryFilePath() + ".lock";
}

void ResetRegistry() {
    Locked([](CRegistryStore& s) {
        s.Reset();
        return 0;
    });
}

} // namespace platform
