// PDF building against img2pdf, which also embeds JPEG files unchanged, in the same run:
//   the builder alone (pages added, JPEGs placed, saved)    goal: <= 0.3x img2pdf time,
//                                                            output within 1% of the JPEG
//                                                            bytes, peak memory below img2pdf
//   "quillmark pdf" end to end on 50 and 200 landscape      goal: <= 0.5x img2pdf time,
//   camera JPEGs, --no-auto-portrait and --auto-portrait    <= 0.3x its peak memory, output
//                                                            <= 1.01x the JPEG bytes, and
//                                                            <= 1.25x the time of "cat" of
//                                                            the same files into one file
//                                                            in the same folder + "sync -f"
//   10 document PNGs of 1600 x 1200                          time and size against img2pdf
//   a page made by the screens' import from a landscape     goal: <= 1.5x "djpeg -scale 1/8"
//   camera JPEG, auto-portrait on, thumbnail included        of the same file
// Every measured run of a whole PDF happens in a child process, so its peak memory (maxrss)
// is its own. The summary gives the median of the runs. The corpus (deterministic pictures)
// is generated once into the temporary folder.

#include "imaging/JpegWriter.h"
#include "pdf/PdfBuilder.h"
#include "session/PageFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kCameraWidth = 2592;
constexpr int kCameraHeight = 1944;
constexpr int kCameraFiles = 50;
constexpr int kPngFiles = 10;

struct CRun {
    double seconds = 0;
    double peakMb = 0;
    qint64 outputBytes = 0;
    bool ok = false;
};

struct CCorpus {
    QString folder;
    QStringList jpegs; // kCameraFiles distinct camera pictures
    QStringList pngs;  // kPngFiles document pages
    qint64 jpegBytes = 0;
};

// A page photographed by a camera: paper shading, sensor noise and dark text strokes; each
// file has its own seed and shading, so no two files are alike.
void MakeCameraJpeg(const QString& path, int index) {
    std::vector<unsigned char> rgb(std::size_t(kCameraWidth) * kCameraHeight * 3);
    std::vector<float> sx(kCameraWidth), cy(kCameraHeight);
    for (int x = 0; x < kCameraWidth; ++x)
        sx[x] = float(std::sin((x + 97 * index) / 700.0));
    for (int y = 0; y < kCameraHeight; ++y)
        cy[y] = float(std::cos((y + 53 * index) / 500.0));
    std::uint32_t seed = 12345u + std::uint32_t(index) * 7919u;
    for (int y = 0; y < kCameraHeight; ++y) {
        for (int x = 0; x < kCameraWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = int((seed >> 24) % 13) - 6;
            int base = 200 + int(30.0f * sx[x] * cy[y]);
            const bool line = (y / 24) % 3 != 2 && (y % 24) > 6 && (y % 24) < 18;
            const bool ink = line && ((x / 9) * 7 + (y / 24) * 13 + index) % 11 < 6 && (x % 9) > 2;
            if (ink)
                base = 40;
            unsigned char* p = &rgb[(std::size_t(y) * kCameraWidth + x) * 3];
            p[0] = static_cast<unsigned char>(std::clamp(base + noise + 6, 0, 255));
            p[1] = static_cast<unsigned char>(std::clamp(base + noise, 0, 255));
            p[2] = static_cast<unsigned char>(std::clamp(base + noise - 10, 0, 255));
        }
    }
    WriteJpegRgb(path, kCameraWidth, kCameraHeight, 90, rgb.data());
}

// A scanned document page: white paper, black text lines, a grey box.
void MakeDocumentPng(const QString& path, int index) {
    QImage page(1600, 1200, QImage::Format_RGB32);
    page.fill(Qt::white);
    std::uint32_t seed = 777u + std::uint32_t(index) * 31u;
    for (int line = 0; line < 40; ++line) {
        const int y = 80 + line * 26;
        for (int x = 100; x < 1500;) {
            seed = seed * 1664525u + 1013904223u;
            const int word = 20 + int((seed >> 20) % 80);
            for (int yy = y; yy < y + 14; ++yy)
                for (int xx = x; xx < std::min(x + word, 1500); ++xx)
                    if (((xx * 5 + yy * 3 + int(seed >> 28)) % 7) < 4)
                        page.setPixel(xx, yy, qRgb(20, 20, 30));
            x += word + 12;
        }
    }
    QPainter painter(&page);
    painter.fillRect(1100, 900 - index * 10, 300, 200, QColor(200, 210, 220));
    painter.end();
    page.save(path, "PNG");
}

CCorpus& Corpus() {
    static CCorpus* corpus = [] {
        auto* c = new CCorpus;
        c->folder = QDir::tempPath() + "/quillmark-bench-pdf-v3";
        QDir().mkpath(c->folder);
        for (int i = 0; i < kCameraFiles; ++i) {
            const QString path = c->folder + QString("/camera_%1.jpg").arg(i, 3, 10, QChar('0'));
            if (!QFileInfo::exists(path))
                MakeCameraJpeg(path, i);
            c->jpegs << path;
            c->jpegBytes += QFileInfo(path).size();
        }
        for (int i = 0; i < kPngFiles; ++i) {
            const QString path = c->folder + QString("/document_%1.png").arg(i, 2, 10, QChar('0'));
            if (!QFileInfo::exists(path))
                MakeDocumentPng(path, i);
            c->pngs << path;
        }
        return c;
    }();
    return *corpus;
}

// The first `count` pictures, repeating the corpus when more are asked for.
QStringList Pictures(const QStringList& corpus, int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << corpus[i % corpus.size()];
    return list;
}

qint64 Bytes(const QStringList& files) {
    qint64 total = 0;
    for (const QString& f : files)
        total += QFileInfo(f).size();
    return total;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

CRun Finish(pid_t pid, std::chrono::steady_clock::time_point start, const QString& output) {
    CRun run;
    int status = 0;
    rusage usage{};
    if (pid > 0 && ::wait4(pid, &status, 0, &usage) == pid) {
        run.seconds = Seconds(start);
        run.peakMb = double(usage.ru_maxrss) / 1024.0;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    run.outputBytes = QFileInfo(output).size();
    return run;
}

// Runs a program and waits for it; its output goes to /dev/null. `output` (may be empty) is
// the file it writes.
CRun RunProgram(const QStringList& args, const QString& output) {
    if (!output.isEmpty())
        QFile::remove(output);
    std::vector<std::string> strings;
    for (const QString& a : args)
        strings.push_back(QFile::encodeName(a).toStdString());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return Finish(pid, start, output);
}

// Runs `work` in a forked child, so that the peak memory is the work's own.
CRun RunInChild(const std::function<bool()>& work, const QString& output) {
    QFile::remove(output);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(work() ? 0 : 1);
    return Finish(pid, start, output);
}

bool BuildWithBuilder(const QStringList& pictures, ImageType typeCode, const QString& output) {
    CAppSettings settings;
    settings.pageSize = 9;
    settings.fitToPage = 1;
    CPdfBuilder builder(nullptr, settings);
    for (const QString& p : pictures) {
        if (!builder.AddPdfPage() || !builder.PlacePicture(typeCode, p))
            return false;
    }
    return builder.Save(nullptr, output);
}

QString Program() {
    return QFileInfo(QString::fromLocal8Bit(qgetenv("QM_QUILLMARK").isEmpty()
                                                ? QByteArray()
                                                : qgetenv("QM_QUILLMARK")))
        .absoluteFilePath();
}

std::map<std::string, std::vector<CRun>> g_runs;

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The median time and the median peak memory of a key's runs (each taken on its own).
CRun MedianRun(const std::vector<CRun>& runs) {
    std::vector<double> seconds, peaks;
    for (const CRun& r : runs) {
        seconds.push_back(r.seconds);
        peaks.push_back(r.peakMb);
    }
    CRun median;
    median.seconds = Median(seconds);
    median.peakMb = Median(peaks);
    median.outputBytes = runs.empty() ? 0 : runs.back().outputBytes;
    median.ok = !runs.empty();
    return median;
}

void Report(benchmark::State& state, const std::string& key, const CRun& run, qint64 inputBytes,
            int pages) {
    if (!run.ok) {
        state.SkipWithError(("run failed: " + key).c_str());
        return;
    }
    state.SetIterationTime(run.seconds);
    g_runs[key].push_back(run);
    state.counters["peak_MB"] = run.peakMb;
    state.counters["out/in"] = double(run.outputBytes) / double(inputBytes);
    state.counters["ms/page"] = 1000.0 * run.seconds / pages;
}

enum class Tool { Img2pdf, Builder, Command, CommandPortrait, CatSync };

const char* ToolName(Tool tool) {
    switch (tool) {
    case Tool::Img2pdf: return "img2pdf";
    case Tool::Builder: return "builder";
    case Tool::Command: return "command";
    case Tool::CommandPortrait: return "portrait";
    case Tool::CatSync: return "cat+sync";
    }
    return "";
}

CRun RunTool(Tool tool, const QStringList& pictures, bool png, const QString& output) {
    switch (tool) {
    case Tool::Img2pdf:
        return RunProgram(QStringList{"img2pdf", "--pagesize", "A4", "-o", output} + pictures,
                          output);
    case Tool::Builder:
        return RunInChild(
            [&] {
                return BuildWithBuilder(pictures, png ? kImageTypePng : kImageTypeJpeg, output);
            },
            output);
    case Tool::CatSync:
        // What the disk needs for the same bytes: read once, written once, synced once.
        return RunProgram(
            QStringList{"sh", "-c", "cat -- \"$@\" > \"$0\" && exec sync -f \"$0\"", output} +
                pictures,
            output);
    case Tool::Command:
    case Tool::CommandPortrait:
        return RunProgram(
            QStringList{Program(), "pdf",
                        tool == Tool::Command ? "--no-auto-portrait" : "--auto-portrait", "--fit",
                        "--page-size", "A4", "-o", output} +
                pictures,
            output);
    }
    return {};
}

std::string Key(bool png, int pages, Tool tool) {
    return std::string(png ? "png" : "jpeg") + "/" + std::to_string(pages) + "/" + ToolName(tool);
}

void BenchPages(benchmark::State& state, Tool tool, bool png) {
    const CCorpus& corpus = Corpus();
    const int pages = int(state.range(0));
    const QStringList pictures = Pictures(png ? corpus.pngs : corpus.jpegs, pages);
    const QString output = corpus.folder + "/out.pdf";
    for (auto _ : state)
        Report(state, Key(png, pages, tool), RunTool(tool, pictures, png, output), Bytes(pictures),
               pages);
}

// Each round runs img2pdf, the command both ways and cat + sync right after each other (in
// turns), so that a busy machine weighs on all of them alike; the ratios are taken per round.
std::map<std::string, std::vector<double>> g_pairedRatios, g_pairedCatRatios;

void BenchPaired(benchmark::State& state) {
    const CCorpus& corpus = Corpus();
    const int pages = int(state.range(0));
    const QStringList pictures = Pictures(corpus.jpegs, pages);
    const QString output = corpus.folder + "/out.pdf";
    const Tool tools[] = {Tool::Img2pdf, Tool::Command, Tool::CommandPortrait, Tool::CatSync};
    constexpr int kTools = int(sizeof tools / sizeof tools[0]);
    int round = 0;
    for (auto _ : state) {
        std::map<Tool, CRun> runs;
        for (int i = 0; i < kTools; ++i) {
            const Tool tool = tools[(i + round) % kTools];
            // img2pdf leaves its 86 MB unsynced: without this, whichever run follows it pays for
            // writing that back, and the rotation puts the command there most often.
            ::sync();
            runs[tool] = RunTool(tool, pictures, false, output);
            Report(state, Key(false, pages, tool), runs[tool], Bytes(pictures), pages);
        }
        QFile::remove(output); // the next round's runs all start without an old file
        ++round;
        state.SetIterationTime(runs[Tool::Command].seconds);
        for (const Tool tool : {Tool::Command, Tool::CommandPortrait}) {
            g_pairedRatios[Key(false, pages, tool)].push_back(runs[tool].seconds /
                                                              runs[Tool::Img2pdf].seconds);
            g_pairedCatRatios[Key(false, pages, tool)].push_back(runs[tool].seconds /
                                                                 runs[Tool::CatSync].seconds);
        }
    }
}

// Per file: the screens' import making a page (auto-portrait on, the preview's thumbnail)
// in this process, and "djpeg -scale 1/8" of the same file as a program.
std::vector<double> g_importMs, g_djpegMs, g_importRatios;

// Each file is made into a page and run through djpeg right after each other.
void ImportPage(benchmark::State& state) {
    const CCorpus& corpus = Corpus();
    int i = 0;
    for (auto _ : state) {
        const QString& path = corpus.jpegs[i++ % corpus.jpegs.size()];
        const CRun djpeg =
            RunProgram({"djpeg", "-scale", "1/8", "-outfile", "/dev/null", path}, QString());
        const auto start = std::chrono::steady_clock::now();
        auto page = MakePageFromFile(path, true, 200, 200);
        const double seconds = Seconds(start);
        if (!page || !page->turnCcw || !djpeg.ok) {
            state.SkipWithError("no turned page, or djpeg failed");
            return;
        }
        state.SetIterationTime(seconds);
        g_importMs.push_back(seconds * 1000);
        g_djpegMs.push_back(djpeg.seconds * 1000);
        g_importRatios.push_back(seconds / djpeg.seconds);
    }
}

void PrintSummary() {
    std::printf("\nSummary (median of the runs; ratios against img2pdf on the same pictures)\n");
    for (const char* kind : {"jpeg", "png"}) {
        for (int pages : {10, 50, 200}) {
            const std::string base = std::string(kind) + "/" + std::to_string(pages) + "/";
            const auto anchor = g_runs.find(base + "img2pdf");
            if (anchor == g_runs.end())
                continue;
            const CRun a = MedianRun(anchor->second);
            const qint64 input =
                Bytes(Pictures(std::string(kind) == "png" ? Corpus().pngs : Corpus().jpegs, pages));
            std::printf("  %-4s %3d pages  img2pdf  %7.3f s  %6.1f MB  output %.4fx the input\n",
                        kind, pages, a.seconds, a.peakMb, double(a.outputBytes) / double(input));
            for (const char* tool : {"builder", "command", "portrait", "cat+sync"}) {
                const auto it = g_runs.find(base + tool);
                if (it == g_runs.end())
                    continue;
                const CRun r = MedianRun(it->second);
                std::printf(
                    "                   %-8s %7.3f s (%.2fx)  %6.1f MB (%.2fx)  %.1f ms/page  "
                    "output %.4fx the input\n",
                    tool, r.seconds, r.seconds / a.seconds, r.peakMb, r.peakMb / a.peakMb,
                    1000.0 * r.seconds / pages, double(r.outputBytes) / double(input));
                const auto paired = g_pairedRatios.find(base + tool);
                const auto cat = g_pairedCatRatios.find(base + tool);
                if (paired != g_pairedRatios.end() && cat != g_pairedCatRatios.end())
                    std::printf("                            paired rounds: %.2fx img2pdf, %.2fx "
                                "cat+sync (goal <= 1.25x)\n",
                                Median(paired->second), Median(cat->second));
            }
        }
    }
    std::printf(
        "  (command: --no-auto-portrait, portrait: --auto-portrait; cat+sync: the same files "
        "copied into one file in the same folder and synced; the paired ratios are the medians "
        "of the rounds' own ratios)\n");
    if (!g_importMs.empty() && !g_djpegMs.empty()) {
        const double import = Median(g_importMs), djpeg = Median(g_djpegMs);
        std::printf("  import page (auto-portrait, thumbnail) %6.2f ms  djpeg -scale 1/8 %6.2f ms  "
                    "(%.2fx, median of the paired files %.2fx)\n",
                    import, djpeg, import / djpeg, Median(g_importRatios));
    }
    std::printf("  camera corpus: %d JPEGs of %d x %d, %.1f MB\n", kCameraFiles, kCameraWidth,
                kCameraHeight, double(Corpus().jpegBytes) / 1e6);
}

void CopyBytes(benchmark::State& state) {
    // The physical limit: the same JPEG bytes copied into one file.
    const CCorpus& corpus = Corpus();
    const QString output = corpus.folder + "/copy.bin";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QFile out(output);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (const QString& p : corpus.jpegs) {
            QFile in(p);
            in.open(QIODevice::ReadOnly);
            out.write(in.readAll());
        }
        out.close();
        state.SetIterationTime(Seconds(start));
    }
    QFile::remove(output);
}

} // namespace

#define QM_PAGES(fn, tool, png, ...)                                                               \
    BENCHMARK_CAPTURE(BenchPages, fn, tool, png)                                                   \
        ->__VA_ARGS__->UseManualTime()                                                             \
        ->Iterations(5)                                                                            \
        ->Unit(benchmark::kMillisecond)

BENCHMARK(BenchPaired)
    ->Arg(50)
    ->Arg(200)
    ->UseManualTime()
    ->Iterations(7)
    ->Unit(benchmark::kMillisecond);
QM_PAGES(builder_jpeg, Tool::Builder, false, Arg(50)->Arg(200));
QM_PAGES(img2pdf_png, Tool::Img2pdf, true, Arg(10));
QM_PAGES(builder_png, Tool::Builder, true, Arg(10));
QM_PAGES(command_png, Tool::Command, true, Arg(10));
BENCHMARK(ImportPage)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyBytes)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // The program measured end to end sits beside this benchmark.
    if (qgetenv("QM_QUILLMARK").isEmpty()) {
        char self[4096] = {};
        const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
        if (n > 0)
            qputenv("QM_QUILLMARK",
                    QFileInfo(QString::fromLocal8Bit(self, int(n))).absolutePath().toLocal8Bit() +
                        "/quillmark");
    }
    // The command reads and writes its settings here, not in the user's folders.
    const QString home = QDir::tempPath() + "/quillmark-bench-pdf-home";
    QDir().mkpath(home);
    qputenv("QUILLMARK_HOME", QFile::encodeName(home));
    Corpus();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}
