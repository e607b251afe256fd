// Skin libraries the binding must cope with, one source built three ways: a manager that
// answers version 79, no manager at all (QM_TEST_SKIN_NO_MANAGER), and a library without
// CleanupTesManager (QM_TEST_SKIN_NO_CLEANUP).

#include "skin/api/TesManager.h"

namespace {

class CWrongVersionManager final : public ITesManager {
public:
    std::int32_t GetVersion() override { return 79; }
    std::int32_t AddResourceImage(std::uint32_t) override { return -1; }
    std::int32_t AddResourceImageOnColour(std::uint32_t, TesColour) override { return -1; }
    std::int32_t AddFileImage(const char*) override { return -1; }
    std::int32_t AddFileImageOnColour(const char*, TesColour) override { return -1; }
    std::int32_t ReleaseImage(std::int32_t handle) override { return handle; }
    TesIcon* LoadSkinIcon(std::uint32_t) override { return nullptr; }
    std::int32_t DrawImage(TesSurface*, std::int32_t, std::int32_t, std::int32_t,
                           const TesRect*) override {
        return 0;
    }
    std::int32_t DrawImageOnColour(TesSurface*, std::int32_t, std::int32_t, std::int32_t,
                                   TesColour) override {
        return 0;
    }
    std::int32_t TileImage(TesSurface*, std::int32_t, const TesRect*, const TesRect*) override {
        return 0;
    }
    TesSize GetImageSize(std::int32_t) override { return {-1, -1}; }
    void SetOpacity(std::int32_t) override {}
    std::int32_t GetOpacity() override { return 100; }
};

} // namespace

extern "C" __attribute__((visibility("default"))) ITesManager* InitTesManager(const char*,
                                                                              CLogSink*) {
#ifdef QM_TEST_SKIN_NO_MANAGER
    return nullptr;
#else
    return new CWrongVersionManager;
#endif
}

#ifndef QM_TEST_SKIN_NO_CLEANUP

extern "C" __attribute__((visibility("default"))) void CleanupTesManager(ITesManager* manager) {
    delete manager;
}
#endif
