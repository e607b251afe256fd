// The recovery record of a 500-page session as the recorder writes it after a change:
//   Encode           the record's bytes from a recorded state
//   WriteAtomically  the bytes written beside the record, synced and renamed over it
//   RecorderSnapshot what the screen's thread does for a change (snapshot of the session and
//                    encoding; the writer thread does the rest)
//   RecorderWriteNow a change waited for until it is on disk (snapshot, encoding, writing)
// Goal: a few milliseconds per change on the development machine.

#include "session/SessionRecorder.h"

#include "session/Session.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kPages = 500;

// Camera pictures with long real-world paths, a blank page every tenth page, a few copies.
CRecoveryState SessionState() {
    CRecoveryState state;
    state.owner = CurrentRecoveryOwner();
    state.currentIndex = kPages / 2;
    for (int i = 0; i < kPages; ++i) {
        CRecoveryPage page;
        if (i % 10 != 9)
            page.path =
                QStringLiteral("/home/someone/Pictures/Camera/IMG_20261209_%1.jpg").arg(100000 + i);
        page.isTemporaryCopy = i % 50 == 7;
        if (page.isTemporaryCopy)
            page.path += QStringLiteral(".tesimg");
        state.pages.push_back(page);
    }
    return state;
}

void Encode(benchmark::State& bench) {
    const CRecoveryState state = SessionState();
    for (auto _ : bench)
        benchmark::DoNotOptimize(EncodeRecoveryRecord(state));
    bench.counters["bytes"] = double(EncodeRecoveryRecord(state).size());
}

void WriteAtomically(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("session.recovery"));
    const CRecoveryState state = SessionState();
    for (auto _ : bench)
        if (!WriteRecoveryRecord(path, state))
            bench.SkipWithError("the record could not be written");
}

void RecorderSnapshot(benchmark::State& bench) {
    QTemporaryDir dir;
    CSession session;
    for (const CRecoveryPage& page : SessionState().pages)
        session.AddPage(std::make_unique<CPage>(page.path));
    CSessionRecorder recorder(session, dir.filePath(QStringLiteral("session.recovery")));
    for (auto _ : bench)
        benchmark::DoNotOptimize(recorder.Encoded());
}

void RecorderWriteNow(benchmark::State& bench) {
    QTemporaryDir dir;
    CSession session;
    for (const CRecoveryPage& page : SessionState().pages)
        session.AddPage(std::make_unique<CPage>(page.path));
    CSessionRecorder recorder(session, dir.filePath(QStringLiteral("session.recovery")));
    recorder.Start();
    for (auto _ : bench)
        if (!recorder.WriteNow())
            bench.SkipWithError("the record could not be written");
    recorder.Discard();
}

} // namespace

BENCHMARK(Encode)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteAtomically)->Unit(benchmark::kMillisecond);
BENCHMARK(RecorderSnapshot)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecorderWriteNow)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
