// Turning a 2592 x 1944 (5 MP) page in the image editor until the turned picture has been
// painted, as the user sees it: the Tools > Rotate command through the editor's busy frame
// (undo copy as a JPEG at quality 100, the pixel turn) and a synchronous paint of the view.
// The page is decoded once before the timing starts. Goal: under 100 ms per turn, at 100 %
// (the editor's opening view) and in fit mode (the whole page scaled into the view).

#include "imaging/ImageDecoder.h"
#include "resources/ResourceIds.h"
#include "screens/ImageEditDlg.h"
#include "screens/ImageView.h"
#include "ui/device/DeviceWindow.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

constexpr int kWidth = 2592;
constexpr int kHeight = 1944;

struct CEditorFixture {
    QTemporaryDir dir;
    std::unique_ptr<CDeviceWindow> device;
    std::unique_ptr<CImageEditDlg> editor;
};

// A photographed page: paper shading, noise and dark strokes, so the JPEG work is realistic.
QImage CameraPage() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::uint32_t seed = 4711;
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = int((seed >> 24) % 11) - 5;
            const bool ink = (y / 24) % 3 == 0 && (x / 7) % 5 != 0 && x > 200 && x < 2400;
            const int paper = 225 - (x + y) / 200 + noise;
            const int v = ink ? 40 + noise : paper;
            line[x] = qRgb(v, v - 3, v - 8);
        }
    }
    return image;
}

CEditorFixture& Fixture() {
    static CEditorFixture* fixture = [] {
        auto* f = new CEditorFixture;
        qputenv("QUILLMARK_HOME", QFile::encodeName(f->dir.path()));
        const QString page = f->dir.filePath("page.jpg");
        CameraPage().save(page, "JPEG", 92);
        StartImaging();
        f->device = std::make_unique<CDeviceWindow>(QSize(480, 640));
        f->device->show();
        f->editor = std::make_unique<CImageEditDlg>();
        f->editor->LoadPicture(page);
        f->editor->ShowModeless();
        QApplication::processEvents();
        return f;
    }();
    return *fixture;
}

void TurnUntilShown(benchmark::State& state, bool fit) {
    CEditorFixture& f = Fixture();
    CImageView* view = f.editor->View();
    f.editor->SendCommand(fit ? ids::ID_ZOOM_FIT : ids::ID_ZOOM_100);
    view->viewport()->repaint();
    for (auto _ : state) {
        f.editor->SendCommand(ids::ID_ROTATE_90_CW);
        view->viewport()->repaint();
        benchmark::DoNotOptimize(view->PaintedImage().constBits());
    }
    state.counters["picture_w"] = view->PictureWidth();
    state.counters["picture_h"] = view->PictureHeight();
}

void BM_TurnShownAt100(benchmark::State& state) {
    TurnUntilShown(state, false);
}
void BM_TurnShownFitted(benchmark::State& state) {
    TurnUntilShown(state, true);
}

BENCHMARK(BM_TurnShownAt100)->Unit(benchmark::kMillisecond)->Iterations(12);
BENCHMARK(BM_TurnShownFitted)->Unit(benchmark::kMillisecond)->Iterations(12);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
