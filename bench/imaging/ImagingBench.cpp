// Imaging benchmarks on a generated 2592 x 1944 camera-like JPEG, each next to the
// command-line tool that does the same work with the same libraries:
//   CPageThumb::Build (200 x 200 box)  vs  djpeg -scale 1/8, vipsthumbnail -s 200
//   LoadImageFile (full decode)        vs  djpeg
//   WriteJpegRgb quality 100           vs  cjpeg -quality 100
//   Rotate 90 / 180, full crop         memory-bandwidth work, goal under 30 ms
// The ratios are printed after the run.

#include "imaging/DibBitmap.h"
#include "imaging/ImageDecoder.h"
#include "imaging/ImageEdit.h"
#include "imaging/JpegWriter.h"
#include "imaging/PageThumb.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kWidth = 2592;
constexpr int kHeight = 1944;

struct CFixture {
    QTemporaryDir dir;
    QString jpeg;
    QString ppm;
    std::vector<unsigned char> rgb;
    QImage picture;
};

// A page photographed by a camera: paper shading, sensor noise and dark text strokes.
CFixture& Fixture() {
    static CFixture* fixture = [] {
        auto* f = new CFixture;
        f->rgb.resize(std::size_t(kWidth) * kHeight * 3);
        std::uint32_t seed = 12345;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                seed = seed * 1664525u + 1013904223u;
                const int noise = int((seed >> 24) % 13) - 6;
                int base = 200 + int(30.0 * std::sin(x / 700.0) * std::cos(y / 500.0));
                const bool line = (y / 24) % 3 != 2 && (y % 24) > 6 && (y % 24) < 18;
                const bool ink = line && ((x / 9) * 7 + (y / 24) * 13) % 11 < 6 && (x % 9) > 2;
                if (ink)
                    base = 40;
                unsigned char* p = &f->rgb[(std::size_t(y) * kWidth + x) * 3];
                p[0] = static_cast<unsigned char>(std::clamp(base + noise + 6, 0, 255));
                p[1] = static_cast<unsigned char>(std::clamp(base + noise, 0, 255));
                p[2] = static_cast<unsigned char>(std::clamp(base + noise - 10, 0, 255));
            }
        }
        f->jpeg = f->dir.filePath("camera.jpg");
        f->ppm = f->dir.filePath("camera.ppm");
        WriteJpegRgb(f->jpeg, kWidth, kHeight, 92, f->rgb.data()); // a camera's quality
        QFile ppm(f->ppm);
        if (ppm.open(QIODevice::WriteOnly)) {
            ppm.write(QString("P6\n%1 %2\n255\n").arg(kWidth).arg(kHeight).toLatin1());
            ppm.write(reinterpret_cast<const char*>(f->rgb.data()), qint64(f->rgb.size()));
        }
        f->picture = QImage(f->jpeg);
        return f;
    }();
    return *fixture;
}

bool RunTool(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BenchTool(benchmark::State& state, const std::vector<std::string>& args) {
    if (QStandardPaths::findExecutable(QString::fromStdString(args[0])).isEmpty()) {
        state.SkipWithError("tool not installed (scripts/install-deps.sh --bench)");
        return;
    }
    for (auto _ : state) {
        if (!RunTool(args)) {
            state.SkipWithError("tool failed");
            return;
        }
    }
}

std::string Std(const QString& s) {
    return s.toStdString();
}

void BM_Anchor_DjpegScale1_8(benchmark::State& state) {
    BenchTool(state, {"djpeg", "-scale", "1/8", "-outfile", "/dev/null", Std(Fixture().jpeg)});
}

void BM_Anchor_VipsThumbnail200(benchmark::State& state) {
    const std::string out = Std(Fixture().dir.filePath("vips_thumb.jpg"));
    BenchTool(state, {"vipsthumbnail", Std(Fixture().jpeg), "-s", "200", "-o", out});
}

void BM_Anchor_DjpegFull(benchmark::State& state) {
    BenchTool(state, {"djpeg", "-outfile", "/dev/null", Std(Fixture().jpeg)});
}

void BM_Anchor_CjpegQuality100(benchmark::State& state) {
    BenchTool(state, {"cjpeg", "-quality", "100", "-outfile", "/dev/null", Std(Fixture().ppm)});
}

void BM_PageThumbBuild200(benchmark::State& state) {
    for (auto _ : state) {
        CPageThumb thumb;
        if (!thumb.Build(Fixture().jpeg, nullptr, 200, 200)) {
            state.SkipWithError("Build failed");
            return;
        }
        benchmark::DoNotOptimize(thumb.surface.get());
    }
}

void BM_LoadImageFile(benchmark::State& state) {
    for (auto _ : state) {
        LoadedImage image;
        if (!LoadImageFile(Fixture().jpeg, &image)) {
            state.SkipWithError("decode failed");
            return;
        }
        benchmark::DoNotOptimize(image.pixels);
    }
}

void BM_WriteJpegRgbQuality100(benchmark::State& state) {
    for (auto _ : state) {
        if (!WriteJpegRgb("/dev/null", kWidth, kHeight, kJpegQuality, Fixture().rgb.data())) {
            state.SkipWithError("write failed");
            return;
        }
    }
}

// The edit operations without their JPEG undo copy: only the pixel work is timed.
class CBenchEdit : public CImageEdit {
public:
    void Use(BitmapHandle bitmap) { SetCurrent(std::move(bitmap)); }

protected:
    bool SaveUndoCopy() override {
        m_undoAvailable = true;
        return true;
    }
};

// Peak resident memory since the last reset, in bytes (VmHWM; reset by clear_refs 5).
// -1 when the peak cannot be reset here (then no figure is better than a wrong one).
long PeakResident(bool reset) {
    if (reset) {
        std::ofstream clear("/proc/self/clear_refs");
        clear << "5";
        clear.flush();
        if (!clear)
            return -1;
    }
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6)) * 1024;
    }
    return 0;
}

long Resident() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6)) * 1024;
    }
    return 0;
}

// fromDevice: the picture as loaded (a device bitmap), else a 24-bit section (after a turn).
// cold: every picture-sized block comes fresh from the system and goes back on free (as on
// the first change after start-up), so the time includes making the memory present and the
// resident-memory peak shows what the operation really holds at once. Otherwise the
// allocator reuses freed memory, as it does from the second change on.
void RunEdit(benchmark::State& state, bool fromDevice, bool cold,
             const std::function<bool(CBenchEdit&)>& op) {
    if (cold)
        mallopt(M_MMAP_THRESHOLD, 1 << 20); // the warm runs are registered first
    const QImage& picture = Fixture().picture;
    CDibBitmap section;
    section.CreateFromBitmap(CBitmap::FromImage(picture).get());
    const std::size_t sectionBytes = section.bitmap->ByteCount();
    BitmapHandle sectionHandle = section.Detach();
    double peakExtra = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (cold)
            malloc_trim(0); // nothing freed earlier is waiting in the heap
        CBenchEdit edit;
        BitmapHandle start;
        if (fromDevice) {
            start = CBitmap::FromImage(picture);
        } else {
            CDibBitmap copy;
            copy.CreateFromBitmap(sectionHandle.get());
            start = copy.Detach();
        }
        edit.Use(std::move(start));
        const long before = Resident();
        const bool measured = PeakResident(true) >= 0;
        state.ResumeTiming();
        if (!op(edit)) {
            state.SkipWithError("operation failed");
            return;
        }
        state.PauseTiming();
        if (measured)
            peakExtra = std::max(peakExtra, double(PeakResident(false) - before));
        else
            peakExtra = -1e18;
        state.ResumeTiming();
    }
    // Memory held beyond the current picture while the operation ran, in units of one
    // 24-bit copy of the picture: at most 2 (source and destination sections).
    if (cold && peakExtra >= 0)
        state.counters["peak_copies"] = peakExtra / double(sectionBytes);
}

#define QM_EDIT_BENCH(name, fromDevice, body)                                                      \
    void BM_##name(benchmark::State& state) {                                                      \
        RunEdit(state, fromDevice, false, [](CBenchEdit& e) { body });                             \
    }                                                                                              \
    void BM_Cold_##name(benchmark::State& state) {                                                 \
        RunEdit(state, fromDevice, true, [](CBenchEdit& e) { body });                              \
    }

QM_EDIT_BENCH(Rotate90_FromLoadedPicture, true, return e.Rotate(90);)
QM_EDIT_BENCH(Rotate180_FromLoadedPicture, true, return e.Rotate(180);)
QM_EDIT_BENCH(Rotate90_TurnedPicture, false, return e.Rotate(90);)
QM_EDIT_BENCH(Rotate180_TurnedPicture, false, return e.Rotate(180);)
QM_EDIT_BENCH(CropFull_FromLoadedPicture, true, e.SetSelection({0, 0, kWidth, kHeight});
              return e.CropToSelection();)

} // namespace

BENCHMARK(BM_Anchor_DjpegScale1_8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Anchor_VipsThumbnail200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageThumbBuild200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Anchor_DjpegFull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadImageFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Anchor_CjpegQuality100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteJpegRgbQuality100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rotate90_FromLoadedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rotate180_FromLoadedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rotate90_TurnedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rotate180_TurnedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CropFull_FromLoadedPicture)->Unit(benchmark::kMillisecond);
// Last: they change the allocator's settings for the rest of the run.
BENCHMARK(BM_Cold_Rotate90_FromLoadedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cold_Rotate180_FromLoadedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cold_Rotate90_TurnedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cold_Rotate180_TurnedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cold_CropFull_FromLoadedPicture)->Unit(benchmark::kMillisecond);

namespace {

// Keeps each benchmark's time per iteration so the ratios can be printed at the end.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.iterations > 0)
                ms[run.benchmark_name()] = run.GetAdjustedRealTime() *
                                           (run.time_unit == benchmark::kMillisecond ? 1.0 : 1e-6);
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintRatio(const CRatioReporter& r, const char* ours, const char* anchor, double limit) {
    const auto a = r.ms.find(ours);
    const auto b = r.ms.find(anchor);
    if (a == r.ms.end() || b == r.ms.end())
        return;
    std::printf("  %-32s %8.2f ms  vs %-28s %8.2f ms  ratio %.2f (goal <= %.1f)\n", ours, a->second,
                anchor, b->second, a->second / b->second, limit);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Fixture();
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios against the tools, same run:\n");
    PrintRatio(reporter, "BM_PageThumbBuild200", "BM_Anchor_DjpegScale1_8", 1.2);
    PrintRatio(reporter, "BM_PageThumbBuild200", "BM_Anchor_VipsThumbnail200", 1.2);
    PrintRatio(reporter, "BM_LoadImageFile", "BM_Anchor_DjpegFull", 1.5);
    PrintRatio(reporter, "BM_WriteJpegRgbQuality100", "BM_Anchor_CjpegQuality100", 1.2);
    benchmark::Shutdown();
    return 0;
}
