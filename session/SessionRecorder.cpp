#include "session/SessionRecorder.h"

#include "platform/Diagnostics.h"
#include "session/Session.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

CSessionRecorder::CSessionRecorder(const CSession& session, const QString& path)
    : m_session(session), m_path(path) {
    m_timer.setSingleShot(true);
    m_timer.callOnTimeout([this] { WriteNow(); });
}

CSessionRecorder::~CSessionRecorder() {
    Stop();
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
        due = std::max<qint64>(due, m_minIntervalMs - m_sinceWrite.elapsed());
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

bool CSessionRecorder::WriteNow(bool beforeDeleting) {
    if (!m_recording)
        return false;
    m_timer.stop();
    m_sinceWrite.start();
    ++m_writes;
    bool written;
    if (m_session.PageCount() == 0)
        written = QFile::remove(m_path) || !QFile::exists(m_path);
    else
        written = WriteRecoveryRecord(m_path, Snapshot());
    if (written) {
        m_failed = false;
        return true;
    }
    // Reported once per run of failures (a full disk fails every write until space is freed).
    if (!m_failed)
        platform::ReportDiagnostic(16, QStringLiteral("recovery record %1 cannot be written: %2")
                                           .arg(m_path, QString::fromLocal8Bit(strerror(errno))));
    m_failed = true;
    if (beforeDeleting && QFile::exists(m_path) && !QFile::remove(m_path))
        platform::ReportDiagnostic(16, QStringLiteral("recovery record %1 cannot be removed; it "
                                                      "may name files that are deleted now")
                                           .arg(m_path));
    return false;
}

void CSessionRecorder::Forget() {
    if (!m_recording)
        return;
    m_timer.stop();
    m_sinceWrite.start();
    ++m_writes;
    if (!QFile::remove(m_path) && QFile::exists(m_path))
        platform::ReportDiagnostic(16, QStringLiteral("recovery record %1 cannot be removed; it "
                                                      "may name files that are deleted now")
                                           .arg(m_path));
}

bool CSessionRecorder::Discard() {
    const bool wasRecording = m_recording;
    m_recording = false;
    m_timer.stop();
    if (!wasRecording)
        return true;
    return QFile::remove(m_path) || !QFile::exists(m_path);
}

void CSessionRecorder::Stop() {
    // A change still waiting for its write is what the next start should find.
    if (m_recording && m_timer.isActive())
        WriteNow();
    m_recording = false;
    m_timer.stop();
}
