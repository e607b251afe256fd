#include "session/RecoveryRecord.h"

#include "app/KnownFolders.h"
#include "platform/AtomicFile.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QtEndian>

#include <array>
#include <unistd.h>

namespace {

constexpr char kMagic[4] = {'Q', 'M', 'R', 'C'};
constexpr int kHeaderSize = 16;
// Far above any real session (a 10,000-page session is about 2 MB); a larger file is not ours.
constexpr qint64 kMaxRecordSize = qint64(64) * 1024 * 1024;
constexpr std::uint32_t kMaxPages = 1000000;
constexpr std::uint32_t kMaxPathUnits = 65535;
constexpr std::uint32_t kMaxBootIdBytes = 64;
constexpr std::uint8_t kFlagTemporaryCopy = 1;
constexpr std::uint8_t kFlagTurnCcw = 2;
constexpr std::uint8_t kKnownFlags = kFlagTemporaryCopy | kFlagTurnCcw;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

// CRC-32 as zip and PNG compute it.
std::uint32_t Crc32(const char* data, qsizetype size) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        c = kCrcTable[(c ^ std::uint8_t(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

template <typename T> void Put(QByteArray& out, T value) {
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

class CReader {
public:
    CReader(const char* data, qsizetype size) : m_data(data), m_left(size) {}

    template <typename T> bool Get(T& value) {
        if (m_left < qsizetype(sizeof(T)))
            return false;
        value = qFromLittleEndian<T>(m_data);
        Skip(sizeof(T));
        return true;
    }
    bool Bytes(qsizetype size, QByteArray& out) {
        if (size < 0 || m_left < size)
            return false;
        out = QByteArray(m_data, size);
        Skip(size);
        return true;
    }
    bool Path(QString& out) {
        std::uint32_t units = 0;
        if (!Get(units) || units > kMaxPathUnits || m_left < qsizetype(units) * 2)
            return false;
        out.resize(qsizetype(units));
        qFromLittleEndian<std::uint16_t>(m_data, qsizetype(units), out.data());
        Skip(qsizetype(units) * 2);
        return true;
    }
    bool AtEnd() const { return m_left == 0; }

private:
    void Skip(qsizetype n) {
        m_data += n;
        m_left -= n;
    }

    const char* m_data;
    qsizetype m_left;
};

QByteArray ReadBootId() {
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(kMaxBootIdBytes).trimmed();
}

// The state letter and start time (in clock ticks since boot) from /proc/<pid>/stat; false
// when there is no such process.
bool ReadProcessStat(const QString& pid, char* state, std::uint64_t* startTicks) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stat = file.read(4096);
    // The command name in parentheses may hold spaces and parentheses itself.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    // Field 3 (state) comes first here; field 22 is the start time.
    if (fields.size() < 20)
        return false;
    bool ok = false;
    *state = fields[0].isEmpty() ? '?' : fields[0][0];
    *startTicks = fields[19].toULongLong(&ok);
    return ok;
}

} // namespace

std::uint32_t RecoveryChecksum(const QByteArray& payload) {
    return Crc32(payload.constData(), payload.size());
}

QString RecoveryRecordPath() {
    return GetAppDataFolder() + "/" + QString::fromLatin1(kRecoveryRecordName);
}

QByteArray EncodeRecoveryRecord(const CRecoveryState& state) {
    QByteArray payload;
    payload.reserve(64 + qsizetype(state.pages.size()) * 96);
    Put<std::uint32_t>(payload, state.owner.pid);
    Put<std::uint64_t>(payload, state.owner.startTicks);
    const QByteArray boot = state.owner.bootId.left(kMaxBootIdBytes);
    Put<std::uint8_t>(payload, std::uint8_t(boot.size()));
    payload.append(boot);
    Put<std::int64_t>(payload, state.writtenMs);
    Put<std::int32_t>(payload, state.currentIndex);
    Put<std::int32_t>(payload, state.scanCounter);
    Put<std::uint32_t>(payload, std::uint32_t(state.pages.size()));
    for (const CRecoveryPage& page : state.pages) {
        std::uint8_t flags = 0;
        if (page.isTemporaryCopy)
            flags |= kFlagTemporaryCopy;
        if (page.turnCcw)
            flags |= kFlagTurnCcw;
        Put<std::uint8_t>(payload, flags);
        Put<std::int32_t>(payload, std::int32_t(page.typeCode));
        const QString path = page.path.left(kMaxPathUnits);
        Put<std::uint32_t>(payload, std::uint32_t(path.size()));
        if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
            payload.append(reinterpret_cast<const char*>(path.utf16()), path.size() * 2);
        } else {
            for (QChar c : path)
                Put<std::uint16_t>(payload, c.unicode());
        }
    }

    QByteArray record;
    record.reserve(kHeaderSize + payload.size());
    record.append(kMagic, sizeof kMagic);
    Put<std::uint32_t>(record, kRecoveryRecordVersion);
    Put<std::uint32_t>(record, std::uint32_t(payload.size()));
    Put<std::uint32_t>(record, Crc32(payload.constData(), payload.size()));
    record.append(payload);
    return record;
}

CRecordRead DecodeRecoveryRecord(const QByteArray& bytes) {
    CRecordRead read;
    read.status = ERecordStatus::kDamaged;
    if (bytes.size() < qsizetype(sizeof kMagic))
        return {bytes.isEmpty() ? ERecordStatus::kTruncated : ERecordStatus::kDamaged, {}};
    if (!bytes.startsWith(QByteArray(kMagic, sizeof kMagic)))
        return read;
    if (bytes.size() < kHeaderSize)
        return {ERecordStatus::kTruncated, {}};
    CReader header(bytes.constData() + sizeof kMagic, kHeaderSize - qsizetype(sizeof kMagic));
    std::uint32_t version = 0, length = 0, crc = 0;
    header.Get(version);
    header.Get(length);
    header.Get(crc);
    if (version > kRecoveryRecordVersion)
        return {ERecordStatus::kNewer, {}};
    if (version == 0)
        return read;
    if (bytes.size() - kHeaderSize < qsizetype(length))
        return {ERecordStatus::kTruncated, {}};
    if (bytes.size() - kHeaderSize > qsizetype(length))
        return read; // something was appended: not what was written
    const char* payload = bytes.constData() + kHeaderSize;
    if (Crc32(payload, qsizetype(length)) != crc)
        return read;

    CReader in(payload, qsizetype(length));
    CRecoveryState& state = read.state;
    std::uint8_t bootSize = 0;
    std::uint32_t count = 0;
    if (!in.Get(state.owner.pid) || !in.Get(state.owner.startTicks) || !in.Get(bootSize) ||
        !in.Bytes(bootSize, state.owner.bootId) || !in.Get(state.writtenMs) ||
        !in.Get(state.currentIndex) || !in.Get(state.scanCounter) || !in.Get(count) ||
        count > kMaxPages)
        return {ERecordStatus::kDamaged, {}};
    state.pages.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint8_t flags = 0;
        std::int32_t typeCode = 0;
        CRecoveryPage page;
        if (!in.Get(flags) || (flags & ~kKnownFlags) || !in.Get(typeCode) ||
            typeCode < kImageTypeUnknown || typeCode > kImageTypeLast || !in.Path(page.path))
            return {ERecordStatus::kDamaged, {}};
        page.typeCode = ImageType(typeCode);
        page.isTemporaryCopy = flags & kFlagTemporaryCopy;
        page.turnCcw = flags & kFlagTurnCcw;
        // A blank page owns no file and is never turned.
        if (page.path.isEmpty() && (page.isTemporaryCopy || page.turnCcw))
            return {ERecordStatus::kDamaged, {}};
        state.pages.push_back(std::move(page));
    }
    if (!in.AtEnd())
        return {ERecordStatus::kDamaged, {}};
    read.status = ERecordStatus::kOk;
    return read;
}

CRecordRead ReadRecoveryRecord(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {ERecordStatus::kMissing, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {ERecordStatus::kUnreadable, {}};
    if (file.size() > kMaxRecordSize)
        return {ERecordStatus::kDamaged, {}};
    const QByteArray bytes = file.read(kMaxRecordSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {ERecordStatus::kUnreadable, {}};
    return DecodeRecoveryRecord(bytes);
}

bool WriteRecoveryRecord(const QString& path, const CRecoveryState& state) {
    return platform::WriteFileAtomically(path, EncodeRecoveryRecord(state));
}

QString SetRecordAside(const QString& path, ERecordStatus why) {
    const char* kind = why == ERecordStatus::kNewer ? ".newer-" : ".damaged-";
    const QString stamp =
        path + kind + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = stamp + "-" + QString::number(n);
    return QFile::rename(path, aside) ? aside : QString();
}

CRecoveryOwner CurrentRecoveryOwner() {
    static const CRecoveryOwner self = [] {
        CRecoveryOwner owner;
        owner.pid = std::uint32_t(::getpid());
        char state = 0;
        if (!ReadProcessStat(QStringLiteral("self"), &state, &owner.startTicks))
            owner.startTicks = 0;
        owner.bootId = ReadBootId();
        return owner;
    }();
    return self;
}

bool IsOwnerRunning(const CRecoveryOwner& owner) {
    if (owner.pid == 0)
        return false;
    // Processes of an earlier boot are gone, whatever their numbers are now.
    const QByteArray boot = ReadBootId();
    if (!boot.isEmpty() && !owner.bootId.isEmpty() && boot != owner.bootId)
        return false;
    char state = 0;
    std::uint64_t startTicks = 0;
    if (!ReadProcessStat(QString::number(owner.pid), &state, &startTicks))
        return false;
    // A process that died but was not reaped yet is not running; one with another start time
    // got the number after the writer ended.
    return state != 'Z' && state != 'X' && startTicks == owner.startTicks;
}

CRecoveryPage RecoveryPageOf(const CPage& page) {
    CRecoveryPage p;
    p.path = page.path;
    p.typeCode = page.typeCode;
    p.isTemporaryCopy = page.isTemporaryCopy != 0 && !page.IsBlank();
    p.turnCcw = page.turnCcw && !page.IsBlank();
    return p;
}
