// The Create-PDF job as the screen runs it, headless: 200 camera JPEGs (2592 x 1944) become
// one PDF through the progress screen and its delegate, on the user-interface thread with the
// screen's event pumping. Reports the time per page, the peak memory of the process, and
// whether the progress screen received one notification for every object written.
//   goal: 200 pages well within a minute; every object notified

#include "pdf/PdfJob.h"
#include "pdf/screens/PdfJobScreenDelegate.h"
#include "pdf/screens/ProgressDialog.h"
#include "skin/binding/SkinBinding.h"
#include "ui/device/DeviceWindow.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <sys/resource.h>

namespace {

constexpr int kPages = 200;

// Distinct camera-sized pages: a sheet of text lines, each page shifted a little.
std::vector<CPdfJobPage> MakeCorpus(const QString& folder) {
    std::vector<CPdfJobPage> pages;
    QImage image(2592, 1944, QImage::Format_RGB32);
    for (int i = 0; i < kPages; ++i) {
        const QString path = QStringLiteral("%1/scan_%2.jpg").arg(folder).arg(i + 1);
        if (i < 8) { // eight different pictures, copied: writing 200 JPEGs is not the point
            image.fill(QColor(200 + i, 198, 190));
            QPainter p(&image);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(70, 70, 80));
            for (int line = 0; line < 60; ++line)
                p.drawRect(300 + 7 * i, 200 + 26 * line, 1800 - (line % 7) * 90, 12);
            p.end();
            image.save(path, "JPEG", 90);
        } else {
            QFile::copy(QStringLiteral("%1/scan_%2.jpg").arg(folder).arg(i % 8 + 1), path);
        }
        pages.push_back({path, kImageTypeJpeg, false});
    }
    return pages;
}

int XrefObjects(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    const auto match = QRegularExpression("xref\\s+0\\s+(\\d+)").match(QString::fromLatin1(bytes));
    return match.hasMatch() ? match.captured(1).toInt() - 1 : -1;
}

void BM_ScreenJob200Pages(benchmark::State& state) {
    QTemporaryDir dir;
    const std::vector<CPdfJobPage> pages = MakeCorpus(dir.path());
    CScreen owner;
    owner.ShowModeless();
    double seconds = 0;
    int notified = 0, objects = 0;
    for (auto _ : state) {
        CProgressDialog progress(&owner);
        progress.ShowModeless();
        progress.SetRange(100, {});
        CPdfJobScreenDelegate delegate(&progress, &owner);
        CPdfJobOptions options;
        options.outputPath = dir.path() + "/out.pdf";
        const auto start = std::chrono::steady_clock::now();
        const CPdfJobResult result = CPdfJob(options, delegate).Run(pages);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        progress.DestroyScreen();
        if (!result.Done()) {
            state.SkipWithError("the PDF was not written");
            return;
        }
        notified = delegate.ObjectsWritten();
        objects = XrefObjects(options.outputPath);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["ms_per_page"] = seconds * 1000.0 / kPages;
    state.counters["total_s"] = seconds;
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
    state.counters["objects"] = objects;
    state.counters["notified"] = notified;
    if (notified != objects)
        state.SkipWithError("the progress screen missed object notifications");
    owner.DestroyScreen();
}
BENCHMARK(BM_ScreenJob200Pages)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CDeviceWindow device(QSize(480, 640));
    device.show();
    if (!BindSkinLibraryFrom(QCoreApplication::applicationDirPath(), nullptr)) {
        std::fprintf(stderr, "no skin library beside the benchmark\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    UnbindSkinLibrary();
    return 0;
}
