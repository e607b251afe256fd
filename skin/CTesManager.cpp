#include "skin/CTesManager.h"

#include "skin/api/LogSink.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr std::uint32_t kLevelNote = 32;
}

CTesManager::CTesManager(const char* libraryPath, CLogSink* log, const SkinPictureTable* pictures)
    : m_libraryPath(libraryPath ? libraryPath : ""), m_log(log), m_pictures(pictures),
      m_cache(pictures) {
    if (m_log)
        m_log->Log(kLevelNote, "CTesManager() begin constructor...");
}

std::int32_t CTesManager::GetVersion() {
    return kTesManagerVersion;
}

std::int32_t CTesManager::AddResourceImage(std::uint32_t id) {
    return m_cache.AddResourceImage(id, nullptr);
}

std::int32_t CTesManager::AddResourceImageOnColour(std::uint32_t id, TesColour colour) {
    return m_cache.AddResourceImage(id, &colour);
}

std::int32_t CTesManager::AddFileImage(const char* path) {
    return m_cache.AddFileImage(path, nullptr);
}

std::int32_t CTesManager::AddFileImageOnColour(const char* path, TesColour colour) {
    return m_cache.AddFileImage(path, &colour);
}

std::int32_t CTesManager::ReleaseImage(std::int32_t handle) {
    return handle;
}

TesIcon* CTesManager::LoadSkinIcon(std::uint32_t id) {
    const SkinPicture* picture = m_pictures ? m_pictures->Find(id) : nullptr;
    if (!picture)
        return nullptr;
    auto* icon = static_cast<TesIcon*>(std::malloc(sizeof(TesIcon) + picture->size));
    if (!icon)
        return nullptr;
    icon->size = picture->size;
    std::memcpy(icon->data, picture->data, picture->size);
    return icon;
}

std::int32_t CTesManager::DrawImage(TesSurface* dc, std::int32_t handle, std::int32_t x,
                                    std::int32_t y, const TesRect* source) {
    return m_cache.DrawImage(dc, handle, x, y, source);
}

std::int32_t CTesManager::DrawImageOnColour(TesSurface* dc, std::int32_t handle, std::int32_t x,
                                            std::int32_t y, TesColour colour) {
    return m_cache.DrawImageOnColour(dc, handle, x, y, colour);
}

std::int32_t CTesManager::TileImage(TesSurface* dc, std::int32_t handle, const TesRect* dest,
                                    const TesRect* source) {
    return m_cache.TileImage(dc, handle, dest, source);
}

TesSize CTesManager::GetImageSize(std::int32_t handle) {
    return m_cache.GetImageSize(handle);
}

void CTesManager::SetOpacity(std::int32_t percent) {
    m_cache.SetOpacity(percent);
}

std::int32_t CTesManager::GetOpacity() {
    return m_cache.Opacity();
}
