#pragma once

// The recovery record: the running session kept in the program's data folder after every
// change, so that a run that ends without Exit (a crash, a kill, a flat battery) can be
// restored at the next start. It is a file of its own; the session file written at Exit is
// not touched by it.
//
// Layout (little-endian): magic "QMRC", version (32-bit), payload length (32-bit), CRC-32 of
// the payload, then the payload: the writer's process (pid, start time in clock ticks, boot
// id), the time written (ms since 1970), current index, scan counter, page count, and for each
// page its flags (bit 0 temporary copy, bit 1 turned), type code and path (UTF-16 code units,
// counted). A file that fails any check is refused, never half trusted.

#include "session/Page.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

inline constexpr const char* kRecoveryRecordName = "session.recovery";
inline constexpr std::uint32_t kRecoveryRecordVersion = 1;

// The process that keeps a record: a pid alone may be reused after a crash, so it goes with
// the process's start time and the boot it ran in.
struct CRecoveryOwner {
    std::uint32_t pid = 0;
    std::uint64_t startTicks = 0;
    QByteArray bootId;

    bool operator==(const CRecoveryOwner&) const = default;
};

struct CRecoveryPage {
    QString path; // empty for a blank page
    ImageType typeCode = kImageTypeJpeg;
    bool isTemporaryCopy = false;
    bool turnCcw = false;

    bool operator==(const CRecoveryPage&) const = default;
};

struct CRecoveryState {
    CRecoveryOwner owner;
    std::int64_t writtenMs = 0;
    std::int32_t currentIndex = -1;
    std::int32_t scanCounter = 1;
    std::vector<CRecoveryPage> pages;

    bool operator==(const CRecoveryState&) const = default;
};

enum class ERecordStatus {
    kOk,
    kMissing,    // no record (a clean end, or nothing was ever recorded)
    kUnreadable, // it exists but cannot be read (permissions, an I/O error)
    kDamaged,    // not a record, a wrong checksum or contents that do not add up
    kTruncated,  // shorter than its header says
    kNewer,      // written by a newer version of the program
};

struct CRecordRead {
    ERecordStatus status = ERecordStatus::kMissing;
    CRecoveryState state;
};

// Where the record lives: the program's data folder, the folder the window's lock protects.
QString RecoveryRecordPath();

// The CRC-32 (as zip and PNG compute it) that guards the payload.
std::uint32_t RecoveryChecksum(const QByteArray& payload);

// The record's bytes for `state`.
QByteArray EncodeRecoveryRecord(const CRecoveryState& state);
// The state in `bytes`, or why there is none (never kMissing or kUnreadable).
CRecordRead DecodeRecoveryRecord(const QByteArray& bytes);

// Reads the record at `path` (a file far larger than any session is refused as damaged).
CRecordRead ReadRecoveryRecord(const QString& path);
// Replaces the record in one step; false (the old record intact) when it cannot be written.
bool WriteRecoveryRecord(const QString& path, const CRecoveryState& state);
// Renames a record that cannot be trusted to "<path>.damaged-<time>" (".newer-<time>" for a
// newer version, which that version can still read) and returns the new name, or empty when it
// could not be moved.
QString SetRecordAside(const QString& path, ERecordStatus why);

// This process as a record names it.
CRecoveryOwner CurrentRecoveryOwner();
// Whether the process that wrote a record is still running (this one included): its record
// is not to be restored, nor overwritten, by anyone else.
bool IsOwnerRunning(const CRecoveryOwner& owner);

// The record's view of a page, and a page made from it (no thumbnail yet).
CRecoveryPage RecoveryPageOf(const CPage& page);
