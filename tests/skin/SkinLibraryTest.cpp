// The built libraries themselves: exports, version, the log hand-over, every picture's size
// and colour type in both of them, and the exact pixels of a header picture.

#include "skin/api/TesManager.h"

#include "resources/ids/SkinIds.h"
#include "skin/api/LogSink.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <vector>

namespace {

class CRecordingLog : public CLogSink {
public:
    void Log(std::uint32_t level, const char* format, ...) override {
        char text[512];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        records.push_back({level, text});
    }
    std::vector<std::pair<std::uint32_t, std::string>> records;
};

std::string LibraryPath(const char* name) {
    return std::string(QM_SKIN_LIBRARY_DIR "/") + name;
}

class SkinLibrary : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        m_path = LibraryPath(GetParam());
        m_module = dlopen(m_path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_TRUE(m_module) << dlerror();
        m_init = reinterpret_cast<InitTesManagerFn>(dlsym(m_module, kInitTesManagerName));
        m_cleanup = reinterpret_cast<CleanupTesManagerFn>(dlsym(m_module, kCleanupTesManagerName));
        ASSERT_TRUE(m_init);
        ASSERT_TRUE(m_cleanup);
        m_manager = m_init(m_path.c_str(), &m_log);
        ASSERT_TRUE(m_manager);
    }
    void TearDown() override {
        if (m_cleanup)
            m_cleanup(m_manager);
        if (m_module)
            dlclose(m_module);
    }
    bool IsVga() const { return std::string(GetParam()).ends_with(".vga"); }

    std::string m_path;
    void* m_module = nullptr;
    InitTesManagerFn m_init = nullptr;
    CleanupTesManagerFn m_cleanup = nullptr;
    ITesManager* m_manager = nullptr;
    CRecordingLog m_log;
};

} // namespace

TEST_P(SkinLibrary, ReportsVersion80AndWritesItsFirstRecordAtLevel32) {
    EXPECT_EQ(m_manager->GetVersion(), 80);
    ASSERT_EQ(m_log.records.size(), 1u);
    EXPECT_EQ(m_log.records[0].first, 32u);
    EXPECT_EQ(m_log.records[0].second, "CTesManager() begin constructor...");
    EXPECT_EQ(m_manager->GetOpacity(), 100);
    m_cleanup(nullptr); // ignored
}

TEST_P(SkinLibrary, EveryPictureHasItsListedSizeAndColourType) {
    int checked = 0;
    for (int i = 0; i < ids::kSkinPictureCount; ++i) {
        const ids::SkinPictureInfo info = ids::SkinPictureAt(i);
        SCOPED_TRACE(info.id);
        const std::int32_t handle = m_manager->AddResourceImage(info.id);
        ASSERT_EQ(handle, 10000 + i);
        const TesSize size = m_manager->GetImageSize(handle);
        EXPECT_EQ(size.cx, IsVga() ? info.vgaWidth : info.qvgaWidth);
        EXPECT_EQ(size.cy, IsVga() ? info.vgaHeight : info.qvgaHeight);

        // The stored PNG itself: 8-bit RGBA, except the banner (palette in VGA, RGB in QVGA).
        TesIcon* png = m_manager->LoadSkinIcon(info.id);
        ASSERT_TRUE(png);
        ASSERT_GT(png->size, 26u);
        EXPECT_EQ(png->data[24], 8); // bit depth
        const int expectedType = info.id == ids::IDB_BANNER ? (IsVga() ? 3 : 2) : 6;
        EXPECT_EQ(png->data[25], expectedType);
        std::free(png);
        ++checked;
    }
    EXPECT_EQ(checked, 73);
    EXPECT_EQ(m_manager->LoadSkinIcon(4711), nullptr);
    EXPECT_EQ(m_manager->AddResourceImage(4711), -1);
    EXPECT_EQ(m_manager->AddResourceImage(ids::IDB_LOGO), 10000 + 40); // the same record
}

TEST_P(SkinLibrary, DrawsItsPicturesOntoASurface) {
    const std::int32_t face = m_manager->AddResourceImage(ids::IDB_BUTTON_NORMAL);
    const TesSize size = m_manager->GetImageSize(face);
    std::vector<std::uint32_t> pixels(std::size_t(size.cx * size.cy), 0xFF000000);
    TesSurface dc;
    dc.pixels = pixels.data();
    dc.width = size.cx;
    dc.height = size.cy;
    dc.bytesPerLine = size.cx * 4;
    dc.clip = {0, 0, size.cx, size.cy};
    EXPECT_EQ(m_manager->DrawImage(&dc, face, 0, 0, nullptr), 1);
    // The face is white in the middle and its corners are transparent.
    EXPECT_EQ(pixels[std::size_t(size.cy / 2 * size.cx + size.cx / 2)], 0xFFFFFFFFu);
    EXPECT_EQ(pixels[0], 0xFF000000u);
    EXPECT_EQ(m_manager->ReleaseImage(face), face);
    EXPECT_EQ(m_manager->DrawImage(&dc, face, 0, 0, nullptr), 1); // still there
}

TEST_P(SkinLibrary, TheDocumentHeaderPictureIsAPageWithAFoldedCornerAndLinesOfText) {
    const std::int32_t header = m_manager->AddResourceImage(ids::IDB_HEADER_DOCUMENT);
    const TesSize size = m_manager->GetImageSize(header);
    ASSERT_EQ(size.cx, IsVga() ? 64 : 32);
    std::vector<std::uint32_t> pixels(std::size_t(size.cx * size.cy), 0xFFFFFFFF);
    TesSurface dc;
    dc.pixels = pixels.data();
    dc.width = size.cx;
    dc.height = size.cy;
    dc.bytesPerLine = size.cx * 4;
    dc.clip = {0, 0, size.cx, size.cy};
    ASSERT_EQ(m_manager->DrawImage(&dc, header, 0, 0, nullptr), 1);
    // Drawn on the pixel grid of both sizes: the same pixels, at half the coordinates in QVGA.
    const int scale = IsVga() ? 1 : 2;
    const auto at = [&](int x, int y) {
        const int index = y / scale * size.cx + x / scale;
        return pixels[std::size_t(index)];
    };
    constexpr std::uint32_t kBlue = 0xFF1E6FD9, kWhite = 0xFFFFFFFF, kFold = 0xFFB9D3F6;
    EXPECT_EQ(at(10, 32), kBlue);  // the tile
    EXPECT_EQ(at(20, 16), kWhite); // the page's top-left corner
    EXPECT_EQ(at(22, 18), kWhite);
    EXPECT_EQ(at(42, 17), kBlue); // the corner cut away...
    EXPECT_EQ(at(38, 22), kFold); // ...and folded over
    EXPECT_EQ(at(30, 28), kBlue); // the first line of text
    EXPECT_EQ(at(30, 31), kWhite);
    EXPECT_EQ(at(36, 40), kWhite); // the last line is short
    EXPECT_EQ(at(30, 46), kWhite);
    EXPECT_EQ(at(30, 49), kBlue); // below the page
    EXPECT_EQ(at(44, 30), kBlue); // right of it
}

INSTANTIATE_TEST_SUITE_P(BothResolutions, SkinLibrary,
                         ::testing::Values("Quillmark.vga", "Quillmark.qvga"));
