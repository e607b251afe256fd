#pragma once

// The manager a skin library hands to the program: the picture cache behind the
// operations of ITesManager.

#include "skin/ImageCache.h"
#include "skin/api/TesManager.h"

#include <string>

class CTesManager final : public ITesManager {
public:
    // Writes "CTesManager() begin constructor..." to `log` (when given) once set up.
    CTesManager(const char* libraryPath, CLogSink* log, const SkinPictureTable* pictures);
    ~CTesManager() override = default;

    std::int32_t GetVersion() override;
    std::int32_t AddResourceImage(std::uint32_t id) override;
    std::int32_t AddResourceImageOnColour(std::uint32_t id, TesColour colour) override;
    std::int32_t AddFileImage(const char* path) override;
    std::int32_t AddFileImageOnColour(const char* path, TesColour colour) override;
    std::int32_t ReleaseImage(std::int32_t handle) override;
    TesIcon* LoadSkinIcon(std::uint32_t id) override;
    std::int32_t DrawImage(TesSurface* dc, std::int32_t handle, std::int32_t x, std::int32_t y,
                           const TesRect* source) override;
    std::int32_t DrawImageOnColour(TesSurface* dc, std::int32_t handle, std::int32_t x,
                                   std::int32_t y, TesColour colour) override;
    std::int32_t TileImage(TesSurface* dc, std::int32_t handle, const TesRect* dest,
                           const TesRect* source) override;
    TesSize GetImageSize(std::int32_t handle) override;
    void SetOpacity(std::int32_t percent) override;
    std::int32_t GetOpacity() override;

    const std::string& LibraryPath() const { return m_libraryPath; }
    CImageCache& Cache() { return m_cache; }

private:
    std::string m_libraryPath;
    CLogSink* m_log;
    const SkinPictureTable* m_pictures;
    CImageCache m_cache;
};
