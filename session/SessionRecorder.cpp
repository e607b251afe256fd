#include "session/SessionRecorder.h"

#include "platform/AtomicFile.h"
#include "platform/Diagnostics.h"
#include "session/Session.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

CSessionRecorder::CSessionRecorder(const CSession& session, const QString& path)
    : m_session(session), m_path(path) {
    m_timer.setSingleShot(true);
    m_timer.callOnTimeout([this] {
        if (m_recording)
            Submit(Encoded());
    });
    m_writer = std::thread([this] { WriterLoop(); });
}

CSessionRecorder::~CSessionRecorder() {
    Stop();
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    m_writer.join();
}

void CSessionRecorder::SetTiming(int delayMs, int minIntervalMs) {
    m_delayMs = std::max(0, delayMs);
    m_minIntervalMs = std::max(0, minIntervalMs);
}

void CSessionRecorder::Start() {
    m_recording = true;
    WriteNow();
}

void CSessionRecorder::Changed() {
    if (!m_recording || m_timer.isActive())
        return; // the pending write will take this change along
    int due = m_delayMs;
    if (m_sinceWrite.isValid())
        due = int(std::max<qint64>(due, m_minIntervalMs - m_sinceWrite.elapsed()));
    m_timer.start(due);
}

CRecoveryState CSessionRecorder::Snapshot() const {
    CRecoveryState state;
    state.owner = CurrentRecoveryOwner();
    state.writtenMs = QDateTime::currentMSecsSinceEpoch();
    state.currentIndex = m_session.CurrentIndex();
    state.scanCounter = m_session.scanCounter;
    const CPageList& pages = m_session.Pages();
    state.pages.reserve(std::size_t(pages.Size()));
    for (int i = 0; i < pages.Size(); ++i)
        state.pages.push_back(RecoveryPageOf(*pages.At(i)));
    return state;
}

QByteArray CSessionRecorder::Encoded() const {
    // An empty session has no record: the job removes it.
    return EncodeRecoveryRecord(Snapshot());
}

void CSessionRecorder::Submit(CJob job) {
    m_timer.stop();
    m_sinceWrite.start();
    ++m_writes;
    if (job && m_session.PageCount() == 0)
        job.reset();
    {
        const std::lock_guard lock(m_mutex);
        // A write not yet begun is replaced: only the newest state matters.
        m_next = std::move(job);
    }
    m_wake.notify_all();
}

bool CSessionRecorder::Carry(const CJob& job) const {
    if (!job)
        return QFile::remove(m_path) || !QFile::exists(m_path);
    return platform::WriteFileAtomically(m_path, *job);
}

void CSessionRecorder::WriterLoop() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        // What was asked for before the end is still carried out.
        m_wake.wait(lock, [this] { return m_quit || m_next.has_value(); });
        if (!m_next)
            return;
        const CJob job = std::move(*m_next);
        m_next.reset();
        m_busy = true;
        lock.unlock();
        errno = 0;
        const bool carried = Carry(job);
        const int cause = errno;
        lock.lock();
        m_busy = false;
        m_lastFailed = !carried;
        m_lastErrno = cause;
        m_wake.notify_all();
    }
}

bool CSessionRecorder::Flush() {
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_next && !m_busy; });
    const bool failed = m_lastFailed;
    const int cause = m_lastErrno;
    lock.unlock();
    // Reported once per run of failures (a full disk fails every write until space is freed);
    // the log is the screen thread's.
    if (failed && !m_reported)
        platform::ReportDiagnostic(16, QStringLiteral("recovery record %1 cannot be written: %2")
                                           .arg(m_path, QString::fromLocal8Bit(strerror(cause))));
    m_reported = failed;
    return !failed;
}

bool CSessionRecorder::IsPending() const {
    if (m_timer.isActive())
        return true;
    const std::lock_guard lock(m_mutex);
    return m_next.has_value() || m_busy;
}

bool CSessionRecorder::WriteNow(bool beforeDeleting) {
    if (!m_recording)
        return false;
    Submit(Encoded());
    if (Flush())
        return true;
    if (beforeDeleting && QFile::exists(m_path) && !QFile::remove(m_path))
        platform::ReportDiagnostic(16, QStringLiteral("recovery record %1 cannot be removed; it "
                                                      "may name files that are deleted now")
                                           .arg(m_path));
    return false;
}

void CSessionRecorder::Forget() {
    if (!m_recording)
        return;
    Submit(CJob{});
    if (!Flush())
        platform::ReportDiagnostic(16, QStringLiteral("recovery record %1 cannot be removed; it "
                                                      "may name files that are deleted now")
                                           .arg(m_path));
}

bool CSessionRecorder::Discard() {
    const bool wasRecording = std::exchange(m_recording, false);
    m_timer.stop();
    if (!wasRecording)
        return true;
    Submit(CJob{});
    return Flush();
}

void CSessionRecorder::Stop() {
    // A change still waiting for its write is what the next start should find.
    if (m_recording && m_timer.isActive())
        Submit(Encoded());
    m_recording = false;
    m_timer.stop();
    Flush();
}
