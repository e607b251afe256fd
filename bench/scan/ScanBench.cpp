// Straighten and enhance on a generated 2592 x 1944 (5 MP) photo of a page lying at an angle
// on a wooden desk, lit unevenly, with sensor noise:
//   FindSheet                     corners on the full picture
//   StraightenBitmap              the warp alone
//   EnhanceBitmap (each look)     on the straightened page and on the whole photo
//   ScanPicture (each look)       the automatic step: find, warp, look; goal under 300 ms
// Each runs on a 24-bit section (what the import decodes) and the automatic step also on a
// device bitmap (what the editor holds). Medians of the repetitions are printed at the end.

#include "imaging/Bitmap.h"
#include "imaging/Enhance.h"
#include "imaging/PageFinder.h"
#include "imaging/ScanCopy.h"
#include "imaging/Straighten.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

constexpr int kWidth = 2592;
constexpr int kHeight = 1944;

QImage DrawPage() {
    QImage page(1700, 2400, QImage::Format_RGB32);
    page.fill(qRgb(248, 248, 244));
    QPainter painter(&page);
    std::mt19937 random(7);
    painter.fillRect(QRectF(150, 150, 900, 70), QColor(20, 30, 110));
    painter.fillRect(QRectF(1200, 140, 350, 90), QColor(200, 40, 40));
    for (int y = 320; y < 2250; y += 56) {
        double x = 150;
        while (x < 1500) {
            const double word = 40 + double(random() % 160);
            painter.fillRect(QRectF(x, y, std::min(word, 1550 - x), 30), QColor(30, 30, 30));
            x += word + 22;
        }
    }
    return page;
}

struct CFixture {
    BitmapHandle section;
    BitmapHandle device;
    BitmapHandle straightened;
    CPageCorners corners;
};

CFixture& Fixture() {
    static CFixture* fixture = [] {
        auto* f = new CFixture;
        QImage photo(kWidth, kHeight, QImage::Format_RGB32);
        std::mt19937 random(3);
        for (int y = 0; y < kHeight; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < kWidth; ++x) {
                const double grain = 25 * std::sin(y * 0.03 + 3 * std::sin(x * 0.004));
                const int n = int(random() % 17) - 8;
                row[x] =
                    qRgb(std::clamp(int(150 + grain) + n, 0, 255),
                         std::clamp(int(95 + grain * 0.7) + n, 0, 255), std::clamp(55 + n, 0, 255));
            }
        }
        const QImage page = DrawPage();
        const QPolygonF outline(
            {QPointF(420, 90), QPointF(2250, 220), QPointF(2150, 1880), QPointF(300, 1800)});
        QTransform transform;
        QTransform::quadToQuad(QPolygonF(QRectF(page.rect())).mid(0, 4), outline, transform);
        {
            QPainter painter(&photo);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setTransform(transform);
            painter.drawImage(QPointF(0, 0), page);
        }
        for (int y = 0; y < kHeight; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < kWidth; ++x) {
                const double light =
                    0.75 + 0.25 * (double(x) / kWidth) - 0.1 * (double(y) / kHeight);
                row[x] = qRgb(int(qRed(row[x]) * light), int(qGreen(row[x]) * light),
                              int(qBlue(row[x]) * light));
            }
        }
        f->device = CBitmap::FromImage(photo);
        f->section = CBitmap::CreateSection(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(photo.constScanLine(y));
            unsigned char* out =
                f->section->Bits() + std::size_t(kHeight - 1 - y) * f->section->RowPixels() * 3;
            for (int x = 0; x < kWidth; ++x, out += 3) {
                out[0] = uchar(qBlue(row[x]));
                out[1] = uchar(qGreen(row[x]));
                out[2] = uchar(qRed(row[x]));
            }
        }
        f->corners = FindPageCorners(*f->section);
        f->straightened = StraightenBitmap(*f->section, f->corners);
        const auto found = FindSheet(*f->section);
        std::printf("sheet %s; straightened page %d x %d\n", found ? "found" : "NOT FOUND",
                    f->straightened ? f->straightened->Width() : 0,
                    f->straightened ? f->straightened->Height() : 0);
        return f;
    }();
    return *fixture;
}

void BM_FindSheet(benchmark::State& state) {
    const CFixture& f = Fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindSheet(*f.section));
}

void BM_Straighten(benchmark::State& state) {
    const CFixture& f = Fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(StraightenBitmap(*f.section, f.corners));
}

void BM_Enhance(benchmark::State& state) {
    const CFixture& f = Fixture();
    const ELook look = ELook(state.range(0));
    state.SetLabel(LookName(look).toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(EnhanceBitmap(*f.straightened, look));
}

// The worst case: a look over all 5 MP (a page that fills the photo).
void BM_EnhanceWholePhoto(benchmark::State& state) {
    const CFixture& f = Fixture();
    const ELook look = ELook(state.range(0));
    state.SetLabel(LookName(look).toStdString());
    for (auto _ : state)
        benchmark::DoNotOptimize(EnhanceBitmap(*f.section, look));
}

void BM_StraightenAndEnhance(benchmark::State& state) {
    const CFixture& f = Fixture();
    const ELook look = ELook(state.range(0));
    const bool device = state.range(1) != 0;
    state.SetLabel(LookName(look).toStdString() + (device ? " device bitmap" : " section"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanPicture(device ? *f.device : *f.section, {true, look}));
}

constexpr int kRepetitions = 7;

BENCHMARK(BM_FindSheet)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_Straighten)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_Enhance)
    ->Arg(int(ELook::Grey))
    ->Arg(int(ELook::BlackAndWhite))
    ->Arg(int(ELook::ColourDocument))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions);
BENCHMARK(BM_EnhanceWholePhoto)
    ->Arg(int(ELook::Grey))
    ->Arg(int(ELook::BlackAndWhite))
    ->Arg(int(ELook::ColourDocument))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions);
BENCHMARK(BM_StraightenAndEnhance)
    ->Args({int(ELook::Grey), 0})
    ->Args({int(ELook::BlackAndWhite), 0})
    ->Args({int(ELook::ColourDocument), 0})
    ->Args({int(ELook::BlackAndWhite), 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions);

// Keeps the medians (real time) to print them against the goal after the run.
class CMedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                medians[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Fixture();
    CMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nMedians (goal for the straighten + enhance step: under 300 ms):\n");
    for (const auto& [name, ms] : reporter.medians)
        std::printf("  %-60s %8.1f ms%s\n", name.c_str(), ms,
                    name.find("StraightenAndEnhance") != std::string::npos
                        ? (ms < 300 ? "  within the goal" : "  OVER THE GOAL")
                        : "");
    benchmark::Shutdown();
    return 0;
}
