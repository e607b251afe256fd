// Recognition of a photographed 5 MP page (1944 x 2592, text in two fonts and three sizes):
// the engine on one page, two workers on four pages (time per page), and the tesseract
// command on the same picture with the same settings, in the same run.

#include "ocr/OcrEngine.h"
#include "ocr/OcrQueue.h"
#include "tests/ocr/TextPages.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct CBenchPage {
    QTemporaryDir dir;
    QString path;
    int words = 0;
};

const CBenchPage& Page() {
    static CBenchPage page = [] {
        CBenchPage p;
        p.path = p.dir.filePath(QStringLiteral("page.jpg"));
        const CTextPage drawn = DrawTextPage(SampleWords(400, 5), QSize(1944, 2592), 5);
        drawn.image.save(p.path, "JPEG", 92);
        p.words = int(drawn.words.size());
        return p;
    }();
    return page;
}

void BM_OcrOnePage(benchmark::State& state) {
    const CBenchPage& page = Page();
    COcrEngine engine(QStringLiteral("eng"));
    if (!engine.Ready()) {
        state.SkipWithError("no English language data");
        return;
    }
    std::size_t words = 0;
    for (auto _ : state)
        words = engine.RecognisePicture(page.path, false).words.size();
    state.counters["words"] = double(words);
    state.counters["drawn"] = page.words;
}
BENCHMARK(BM_OcrOnePage)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Four pages on two workers, engines loaded inside: the time per page a job sees.
void BM_OcrTwoWorkersPerPage(benchmark::State& state) {
    const CBenchPage& page = Page();
    constexpr int kPages = 4;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        COcrQueue queue(QStringLiteral("eng"), QString(), 2);
        for (int i = 0; i < kPages; ++i)
            queue.Add(page.path, false);
        for (int i = 0; i < kPages; ++i)
            benchmark::DoNotOptimize(queue.Take(i).words.size());
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9 / kPages);
    }
}
BENCHMARK(BM_OcrTwoWorkersPerPage)->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();

// The tesseract command on the same picture, with the engine settings the program uses.
void BM_TesseractCommand(benchmark::State& state) {
    const CBenchPage& page = Page();
    const QString tesseract = QStandardPaths::findExecutable(QStringLiteral("tesseract"));
    if (tesseract.isEmpty()) {
        state.SkipWithError("tesseract not installed (scripts/install-deps.sh --bench)");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QProcess process;
        process.start(tesseract,
                      {page.path, QStringLiteral("stdout"), QStringLiteral("-l"),
                       QStringLiteral("eng"), QStringLiteral("--oem"), QStringLiteral("1"),
                       QStringLiteral("--dpi"), QStringLiteral("150"), QStringLiteral("-c"),
                       QStringLiteral("thresholding_method=2")});
        process.waitForFinished(120000);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (process.exitCode() != 0)
            state.SkipWithError("tesseract failed");
    }
}
BENCHMARK(BM_TesseractCommand)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
