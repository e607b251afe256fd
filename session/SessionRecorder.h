#pragma once

// Keeps the recovery record of a running session up to date. Every change is reported with
// Changed; the record is rewritten a short delay later, and never more often than once per
// minimum interval, so a burst of changes (a folder import of hundreds of pages) writes it a
// few times rather than once per page. The screen's thread only takes the snapshot and encodes
// it; a writer thread of the recorder puts it on disk (synced, renamed over the old record),
// so a slow disk never holds the screen up. A clean end removes the record (Discard); an
// unclean one leaves it as last written. An empty session has no record.

#include "session/RecoveryRecord.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class CSession;

class CSessionRecorder {
public:
    CSessionRecorder(const CSession& session, const QString& path);
    // Stops recording (Stop) and leaves the record in place.
    ~CSessionRecorder();
    CSessionRecorder(const CSessionRecorder&) = delete;
    CSessionRecorder& operator=(const CSessionRecorder&) = delete;

    // The delay after a change and the least time between two writes (tests shorten them).
    void SetTiming(int delayMs, int minIntervalMs);

    // Begins recording and writes the session as it is now (on disk when this returns).
    void Start();
    bool IsRecording() const { return m_recording; }
    // The session changed: the record is rewritten soon.
    void Changed();
    // Rewrites the record now (removes it for an empty session) and waits until it is on disk.
    // With `beforeDeleting` (files of pages that just left are about to be deleted) a record
    // that cannot be brought up to date is removed, so that it never names a deleted file.
    // False when the record is not current.
    bool WriteNow(bool beforeDeleting = false);
    // The session is about to be emptied (a new session): the record goes now, before the
    // pages' files, and recording goes on.
    void Forget();
    // A clean end: stops recording and removes the record.
    bool Discard();
    // Stops recording; the record keeps the session as it is (a pending change is written).
    void Stop();

    QString Path() const { return m_path; }
    // Writes (and removals) asked for, for tests and benchmarks.
    int WriteCount() const { return m_writes; }
    // A change waits for its write, or a write is still on its way to the disk.
    bool IsPending() const;
    // Waits until every write asked for is on disk; false when the last one failed.
    bool Flush();

    // The record as it would be written now: all the screen's thread does for a change.
    QByteArray Encoded() const;

private:
    // What the writer thread is to do next: write these bytes, or (empty) remove the record.
    using CJob = std::optional<QByteArray>;

    CRecoveryState Snapshot() const;
    // Hands the record's new contents to the writer thread.
    void Submit(CJob job);
    void WriterLoop();
    bool Carry(const CJob& job) const;
    void ReportFailure(bool failed);

    const CSession& m_session;
    QString m_path;
    QTimer m_timer;
    QElapsedTimer m_sinceWrite;
    int m_delayMs = 100;
    int m_minIntervalMs = 1000;
    int m_writes = 0;
    bool m_recording = false;
    bool m_reported = false;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<CJob> m_next; // guarded by m_mutex
    bool m_busy = false;        // guarded by m_mutex
    bool m_lastFailed = false;  // guarded by m_mutex
    int m_lastErrno = 0;        // guarded by m_mutex
    bool m_quit = false;        // guarded by m_mutex
    std::thread m_writer;
};
