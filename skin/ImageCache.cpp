#include "skin/ImageCache.h"

#include "skin/SurfaceBlend.h"

#include <algorithm>

CImageCache::CImageCache(const SkinPictureTable* pictures) : m_pictures(pictures) {
    // Row L, column a: floor(a x L / 100), so blending with the opacity is one lookup.
    for (int level = 1; level <= 100; ++level)
        for (int alpha = 0; alpha < 256; ++alpha)
            m_opacityTable[std::size_t(level - 1)][std::size_t(alpha)] =
                std::uint8_t(alpha * level / 100);
}

int CImageCache::ChooseSlot() {
    for (int i = 0; i < kSlotCount; ++i)
        if (!m_slots[std::size_t(i)].pixels)
            return i;
    int victim = 0;
    for (int i = 1; i < kSlotCount; ++i)
        if (m_slots[std::size_t(i)].priority < m_slots[std::size_t(victim)].priority)
            victim = i;
    m_slots[std::size_t(victim)] = Slot{};
    for (Record& record : m_records)
        if (record.slot == victim)
            record.slot = -1;
    return victim;
}

int CImageCache::DecodeInto(const Record& record, DecodedPicture& picture) {
    if (!record.path.empty())
        return DecodePngFile(record.path.c_str(), picture);
    const SkinPicture* resource = m_pictures ? m_pictures->Find(record.resourceId) : nullptr;
    if (!resource)
        return kPngNotFound;
    return DecodePngMemory(resource->data, resource->size, picture);
}

bool CImageCache::Decode(Record& record) {
    const int slot = ChooseSlot();
    DecodedPicture picture;
    m_lastDecodeResult = DecodeInto(record, picture);
    if (m_lastDecodeResult != kPngDecoded)
        return false;
    Slot& target = m_slots[std::size_t(slot)];
    target.width = picture.width;
    target.height = picture.height;
    target.pixels = std::move(picture.pixels);
    target.priority = kSlotPriority;
    record.slot = slot;
    return true;
}

std::int32_t CImageCache::Add(Record record) {
    if (!Decode(record))
        return -1;
    record.handle = m_nextHandle++;
    m_records.push_back(std::move(record));
    return m_records.back().handle;
}

std::int32_t CImageCache::AddResourceImage(std::uint32_t id, const TesColour* colour) {
    for (const Record& record : m_records)
        if (record.path.empty() && record.resourceId == id)
            return record.handle;
    Record record;
    record.resourceId = id;
    if (colour) {
        record.colour = *colour;
        record.hasColour = true;
    }
    return Add(std::move(record));
}

std::int32_t CImageCache::AddFileImage(const char* path, const TesColour* colour) {
    if (!path || !*path)
        return -1;
    Record record;
    record.path = path;
    if (colour) {
        record.colour = *colour;
        record.hasColour = true;
    }
    return Add(std::move(record));
}

int CImageCache::FindForDrawing(std::int32_t handle) {
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (m_records[i].handle != handle)
            continue;
        if (m_records[i].slot < 0 && !Decode(m_records[i]))
            return -1;
        return int(i);
    }
    return -1;
}

void CImageCache::DrawOnColour(TesSurface* dc, const Slot& slot, std::int32_t x, std::int32_t y,
                               TesColour colour) {
    const BlendSource source{slot.pixels.get(), slot.width * 4, 0, 0, slot.width, slot.height};
    BlendOntoSurface(*dc, source, x, y, nullptr, &colour);
}

void CImageCache::DrawPart(TesSurface* dc, const Slot& slot, std::int32_t x, std::int32_t y,
                           const TesRect& part) {
    const std::int32_t left = std::max(0, part.left);
    const std::int32_t top = std::max(0, part.top);
    const std::int32_t right = std::min(slot.width, part.right);
    const std::int32_t bottom = std::min(slot.height, part.bottom);
    if (right <= left || bottom <= top)
        return;
    const BlendSource source{slot.pixels.get(), slot.width * 4, left, top,
                             right - left,      bottom - top};
    BlendOntoSurface(*dc, source, x, y, nullptr, nullptr);
}

std::int32_t CImageCache::DrawImage(TesSurface* dc, std::int32_t handle, std::int32_t x,
                                    std::int32_t y, const TesRect* source) {
    if (m_opacity == 0)
        return 1;
    const int index = FindForDrawing(handle);
    if (index < 0)
        return 0;
    const Record& record = m_records[std::size_t(index)];
    const Slot& slot = m_slots[std::size_t(record.slot)];
    if (!dc)
        return 1;
    if (record.hasColour) {
        DrawOnColour(dc, slot, x, y, record.colour);
    } else if (source) {
        DrawPart(dc, slot, x, y, *source);
    } else {
        const BlendSource whole{slot.pixels.get(), slot.width * 4, 0, 0, slot.width, slot.height};
        BlendOntoSurface(*dc, whole, x, y, m_opacityTable[std::size_t(m_opacity - 1)].data(),
                         nullptr);
    }
    return 1;
}

std::int32_t CImageCache::DrawImageOnColour(TesSurface* dc, std::int32_t handle, std::int32_t x,
                                            std::int32_t y, TesColour colour) {
    const int index = FindForDrawing(handle);
    if (index < 0)
        return 0;
    if (dc)
        DrawOnColour(dc, m_slots[std::size_t(m_records[std::size_t(index)].slot)], x, y, colour);
    return 1;
}

std::int32_t CImageCache::TileImage(TesSurface* dc, std::int32_t handle, const TesRect* dest,
                                    const TesRect* source) {
    const int index = FindForDrawing(handle);
    if (index < 0)
        return 0;
    const Slot& slot = m_slots[std::size_t(m_records[std::size_t(index)].slot)];
    if (!dc || !dest)
        return 1;
    const TesRect part = source ? *source : TesRect{0, 0, slot.width, slot.height};
    const std::int32_t tileWidth = part.right - part.left;
    const std::int32_t tileHeight = part.bottom - part.top;
    // An empty source would never advance.
    if (tileWidth <= 0 || tileHeight <= 0)
        return 1;
    for (std::int64_t y = dest->top; y < dest->bottom; y += tileHeight) {
        const std::int32_t h = std::int32_t(std::min<std::int64_t>(tileHeight, dest->bottom - y));
        for (std::int64_t x = dest->left; x < dest->right; x += tileWidth) {
            const std::int32_t w = std::int32_t(std::min<std::int64_t>(tileWidth, dest->right - x));
            DrawPart(dc, slot, std::int32_t(x), std::int32_t(y),
                     TesRect{part.left, part.top, part.left + w, part.top + h});
        }
    }
    return 1;
}

TesSize CImageCache::GetImageSize(std::int32_t handle) {
    for (const Record& record : m_records) {
        if (record.handle != handle)
            continue;
        if (record.slot >= 0) {
            const Slot& slot = m_slots[std::size_t(record.slot)];
            return {slot.width, slot.height};
        }
        // Not decoded at the moment: its size needs the picture again.
        const int index = FindForDrawing(handle);
        if (index < 0)
            break;
        const Slot& slot = m_slots[std::size_t(m_records[std::size_t(index)].slot)];
        return {slot.width, slot.height};
    }
    return {-1, -1};
}

void CImageCache::SetOpacity(std::int32_t percent) {
    m_opacity = std::clamp(percent, 0, 100);
}
