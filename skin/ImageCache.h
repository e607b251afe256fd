#pragma once

// The manager's picture cache: every picture added gets a record (kept in the order added,
// never removed) and a handle from 10000 on that is never reused; decoded pixels live in
// one of 128 slots. When all slots are taken the slot of lowest priority (lowest number on
// ties) is emptied, and its picture is decoded again the next time it is drawn.

#include "skin/PictureTable.h"
#include "skin/PngDecoder.h"
#include "skin/api/TesManager.h"

#include <array>
#include <string>
#include <vector>

class CImageCache {
public:
    static constexpr int kSlotCount = 128;
    static constexpr std::int32_t kSlotPriority = 20;
    static constexpr std::int32_t kFirstHandle = 10000;

    struct Slot {
        std::int32_t width = 0;
        std::int32_t height = 0;
        PixelBuffer pixels; // R, G, B, A; null when the slot is free
        std::int32_t priority = 0;
    };

    struct Record {
        int slot = -1; // -1: not decoded
        std::int32_t handle = 0;
        std::string path; // empty for a picture of the library
        std::uint32_t resourceId = 0;
        TesColour colour = 0;
        bool hasColour = false;
    };

    explicit CImageCache(const SkinPictureTable* pictures);

    std::int32_t AddResourceImage(std::uint32_t id, const TesColour* colour);
    std::int32_t AddFileImage(const char* path, const TesColour* colour);

    // Draws with the opacity (whole picture) or with each pixel's own alpha (a part).
    std::int32_t DrawImage(TesSurface* dc, std::int32_t handle, std::int32_t x, std::int32_t y,
                           const TesRect* source);
    std::int32_t DrawImageOnColour(TesSurface* dc, std::int32_t handle, std::int32_t x,
                                   std::int32_t y, TesColour colour);
    std::int32_t TileImage(TesSurface* dc, std::int32_t handle, const TesRect* dest,
                           const TesRect* source);
    TesSize GetImageSize(std::int32_t handle);

    void SetOpacity(std::int32_t percent);
    std::int32_t Opacity() const { return m_opacity; }

    // The last decode's result code (0 or one of PngDecodeResult).
    int LastDecodeResult() const { return m_lastDecodeResult; }
    const std::vector<Record>& Records() const { return m_records; }
    const Slot& SlotAt(int index) const { return m_slots[std::size_t(index)]; }
    std::uint8_t OpacityTable(int level, int alpha) const {
        return m_opacityTable[std::size_t(level - 1)][std::size_t(alpha)];
    }

private:
    int ChooseSlot();
    // Decodes the record's picture into a newly chosen slot; false when it cannot.
    bool Decode(Record& record);
    int DecodeInto(const Record& record, DecodedPicture& picture);
    // The record's position for drawing, decoding it first when needed; -1 when unknown
    // or not decodable.
    int FindForDrawing(std::int32_t handle);
    std::int32_t Add(Record record);
    void DrawOnColour(TesSurface* dc, const Slot& slot, std::int32_t x, std::int32_t y,
                      TesColour colour);
    void DrawPart(TesSurface* dc, const Slot& slot, std::int32_t x, std::int32_t y,
                  const TesRect& source);

    const SkinPictureTable* m_pictures;
    std::int32_t m_opacity = 100;
    std::array<std::array<std::uint8_t, 256>, 100> m_opacityTable{};
    std::int32_t m_nextHandle = kFirstHandle;
    std::array<Slot, kSlotCount> m_slots;
    std::vector<Record> m_records;
    int m_lastDecodeResult = 0;
};
