// Speed of the VGA skin library: decoding every picture once and drawing it, and a repaint
// from the decoded cache.

#include "skin/api/TesManager.h"

#include "resources/ids/SkinIds.h"

#include <benchmark/benchmark.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Library {
    Library() {
        module = dlopen(QM_SKIN_LIBRARY_DIR "/Quillmark.vga", RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            std::fprintf(stderr, "%s\n", dlerror());
            std::exit(1);
        }
        init = reinterpret_cast<InitTesManagerFn>(dlsym(module, kInitTesManagerName));
        cleanup = reinterpret_cast<CleanupTesManagerFn>(dlsym(module, kCleanupTesManagerName));
    }
    void* module = nullptr;
    InitTesManagerFn init = nullptr;
    CleanupTesManagerFn cleanup = nullptr;
};

Library& Vga() {
    static Library library;
    return library;
}

struct Surface {
    Surface() : pixels(480 * 640, 0xFFF8F8F8) {
        dc.pixels = pixels.data();
        dc.width = 480;
        dc.height = 640;
        dc.bytesPerLine = 480 * 4;
        dc.clip = {0, 0, 480, 640};
    }
    std::vector<std::uint32_t> pixels;
    TesSurface dc;
};

// Pictures laid out over the screen in reading order, wrapping at the right edge.
void DrawAll(ITesManager* manager, const std::vector<std::int32_t>& handles, Surface& surface) {
    int x = 0, y = 0, rowHeight = 0;
    for (std::int32_t handle : handles) {
        const TesSize size = manager->GetImageSize(handle);
        if (x + size.cx > 480) {
            x = 0;
            y = (y + rowHeight) % 640;
            rowHeight = 0;
        }
        manager->DrawImage(&surface.dc, handle, x, y, nullptr);
        x += size.cx;
        rowHeight = std::max(rowHeight, size.cy);
    }
}

void BM_DecodeAndDrawEveryVgaPicture(benchmark::State& state) {
    Surface surface;
    for (auto _ : state) {
        ITesManager* manager = Vga().init(QM_SKIN_LIBRARY_DIR "/Quillmark.vga", nullptr);
        std::vector<std::int32_t> handles;
        for (int i = 0; i < ids::kSkinPictureCount; ++i)
            handles.push_back(manager->AddResourceImage(ids::SkinPictureAt(i).id));
        DrawAll(manager, handles, surface);
        benchmark::DoNotOptimize(surface.pixels.data());
        Vga().cleanup(manager);
    }
    state.counters["pictures"] = ids::kSkinPictureCount;
}
BENCHMARK(BM_DecodeAndDrawEveryVgaPicture)->Unit(benchmark::kMillisecond);

void BM_RepaintEveryVgaPictureFromCache(benchmark::State& state) {
    Surface surface;
    ITesManager* manager = Vga().init(QM_SKIN_LIBRARY_DIR "/Quillmark.vga", nullptr);
    std::vector<std::int32_t> handles;
    for (int i = 0; i < ids::kSkinPictureCount; ++i)
        handles.push_back(manager->AddResourceImage(ids::SkinPictureAt(i).id));
    for (auto _ : state) {
        DrawAll(manager, handles, surface);
        benchmark::DoNotOptimize(surface.pixels.data());
    }
    Vga().cleanup(manager);
}
BENCHMARK(BM_RepaintEveryVgaPictureFromCache)->Unit(benchmark::kMicrosecond);

void BM_DrawButtonFaceAtHalfOpacity(benchmark::State& state) {
    Surface surface;
    ITesManager* manager = Vga().init(QM_SKIN_LIBRARY_DIR "/Quillmark.vga", nullptr);
    const std::int32_t face = manager->AddResourceImage(ids::IDB_BUTTON_NORMAL);
    manager->SetOpacity(50);
    for (auto _ : state)
        benchmark::DoNotOptimize(manager->DrawImage(&surface.dc, face, 100, 300, nullptr));
    Vga().cleanup(manager);
}
BENCHMARK(BM_DrawButtonFaceAtHalfOpacity)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
