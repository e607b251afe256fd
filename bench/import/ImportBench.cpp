// The folder import of 200 camera JPEGs (2592 x 1944, 5 MP) as the main screen runs it, with
// auto-portrait off, next to the command-line decoder that does the same reduced decode:
//   ImportPictureFolder (search, sort, page and thumbnail per picture)  vs  djpeg -scale 1/8
// Both work on the same files in the same run; the time per page and the ratio are printed
// after the run (goal: at most 1.5 x djpeg).

#include "app/AppSettings.h"
#include "imaging/JpegWriter.h"
#include "session/PictureImport.h"
#include "session/Session.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kWidth = 2592;
constexpr int kHeight = 1944;
constexpr int kPictures = 200;
constexpr int kVariants = 4;

struct CFixture {
    QTemporaryDir dir;
    QString folder;
    std::vector<std::string> files;
};

// A page photographed by a camera: paper shading, sensor noise and dark text strokes; a few
// variants copied to 200 files, as a camera folder holds them.
CFixture& Fixture() {
    static CFixture* fixture = [] {
        auto* f = new CFixture;
        f->folder = f->dir.filePath("DCIM");
        QDir().mkpath(f->folder);
        std::vector<unsigned char> rgb(std::size_t(kWidth) * kHeight * 3);
        std::vector<QString> variants;
        for (int v = 0; v < kVariants; ++v) {
            std::uint32_t seed = 12345 + v;
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < kWidth; ++x) {
                    seed = seed * 1664525u + 1013904223u;
                    const int noise = int((seed >> 24) % 13) - 6;
                    int base =
                        200 + int(30.0 * std::sin((x + 97 * v) / 700.0) * std::cos(y / 500.0));
                    const bool line = (y / 24) % 3 != 2 && (y % 24) > 6 && (y % 24) < 18;
                    if (line && ((x / 9) * 7 + (y / 24) * (13 + v)) % 11 < 6 && (x % 9) > 2)
                        base = 40;
                    unsigned char* p = &rgb[(std::size_t(y) * kWidth + x) * 3];
                    p[0] = static_cast<unsigned char>(std::clamp(base + noise + 6, 0, 255));
                    p[1] = static_cast<unsigned char>(std::clamp(base + noise, 0, 255));
                    p[2] = static_cast<unsigned char>(std::clamp(base + noise - 10, 0, 255));
                }
            }
            variants.push_back(f->dir.filePath(QString("variant%1.jpg").arg(v)));
            WriteJpegRgb(variants.back(), kWidth, kHeight, 92, rgb.data()); // a camera's quality
        }
        for (int i = 0; i < kPictures; ++i) {
            const QString name =
                f->folder + QString("/IMG_%1.JPG").arg(i + 1, 4, 10, QLatin1Char('0'));
            QFile::copy(variants[i % kVariants], name);
            f->files.push_back(name.toStdString());
        }
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

void BM_Anchor_DjpegScale1_8(benchmark::State& state) {
    if (QStandardPaths::findExecutable("djpeg").isEmpty()) {
        state.SkipWithError("djpeg not installed (scripts/install-deps.sh --bench)");
        return;
    }
    const CFixture& f = Fixture();
    for (auto _ : state) {
        for (const std::string& file : f.files) {
            if (!RunTool({"djpeg", "-scale", "1/8", "-outfile", "/dev/null", file})) {
                state.SkipWithError("djpeg failed");
                return;
            }
        }
    }
    state.counters["pages"] = kPictures;
}

void BM_ImportFolder200(benchmark::State& state) {
    const CFixture& f = Fixture();
    CAppSettings settings;
    settings.autoPortrait = 0;
    settings.recursive = 1;
    settings.pictureImportOrder = kImportByNameAscending;
    CFolderImportDelegate quiet;
    for (auto _ : state) {
        CSession session;
        const CFolderImportResult result = ImportPictureFolder(session, settings, f.folder, quiet);
        if (result.imported != kPictures) {
            state.SkipWithError("not every picture became a page");
            return;
        }
    }
    state.counters["pages"] = kPictures;
}

BENCHMARK(BM_Anchor_DjpegScale1_8)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportFolder200)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keeps each run's time per iteration to print the comparison at the end.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred && run.iterations > 0)
                m_ms[run.benchmark_name()] =
                    run.real_accumulated_time * 1000.0 / double(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto djpeg = m_ms.find("BM_Anchor_DjpegScale1_8/iterations:3");
        const auto import = m_ms.find("BM_ImportFolder200/iterations:3");
        if (djpeg == m_ms.end() || import == m_ms.end())
            return;
        std::printf("\nimport: %.2f ms per page, djpeg -scale 1/8: %.2f ms per page, ratio %.2f "
                    "(goal <= 1.5)\n",
                    import->second / kPictures, djpeg->second / kPictures,
                    import->second / djpeg->second);
    }

private:
    std::map<std::string, double> m_ms;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
