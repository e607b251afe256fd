#pragma once

// The interface between the program and its skin graphics library (Quillmark.vga /
// Quillmark.qvga). Both sides include this header; it uses plain types only, because the
// libraries link nothing of the program and nothing of Qt.

#include <cstdint>

class CLogSink;

// The version a library must report; the program refuses any other.
inline constexpr std::int32_t kTesManagerVersion = 80;

// A colour as an RGB value, red in the low byte (0x00BBGGRR).
using TesColour = std::uint32_t;

constexpr TesColour TesRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TesColour(r) | (TesColour(g) << 8) | (TesColour(b) << 16);
}

// A rectangle, right and bottom exclusive.
struct TesRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct TesSize {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

// The device context handed to the library: a 32-bit pixel surface. Each pixel is one 32-bit
// word 0xAARRGGBB (the layout of QImage's RGB32 and ARGB32 formats); the library writes
// opaque pixels (alpha 0xFF). Drawing coordinates are moved by the origin and nothing is
// drawn outside the clip rectangle (surface pixels, clamped to the surface by the library).
struct TesSurface {
    std::uint32_t* pixels = nullptr; // first pixel of the top row
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bytesPerLine = 0;
    std::int32_t originX = 0;
    std::int32_t originY = 0;
    TesRect clip;
};

// An icon of the library: a complete PNG file. Allocated by the library with malloc and
// owned by the caller, who frees it with free().
struct TesIcon {
    std::uint32_t size = 0;
    std::uint8_t data[1];
};

// The manager's operations, in their slot order. Handles are the numbers the add
// operations return (from 10000 on, never reused); -1 reports a failure.
class ITesManager {
public:
    // 0: frees every decoded picture, record and table of the manager.
    virtual ~ITesManager() = default;
    // 1: kTesManagerVersion.
    virtual std::int32_t GetVersion() = 0;
    // 2: a picture of the library by identifier; an identifier added before returns its
    // handle again without decoding.
    virtual std::int32_t AddResourceImage(std::uint32_t id) = 0;
    // 3: as 2, always drawn onto `colour`.
    virtual std::int32_t AddResourceImageOnColour(std::uint32_t id, TesColour colour) = 0;
    // 4: a PNG file (UTF-8 path), decoded at once.
    virtual std::int32_t AddFileImage(const char* path) = 0;
    // 5: as 4, always drawn onto `colour`.
    virtual std::int32_t AddFileImageOnColour(const char* path, TesColour colour) = 0;
    // 6: returns its argument; pictures stay until the manager is destroyed.
    virtual std::int32_t ReleaseImage(std::int32_t handle) = 0;
    // 7: the icon of that identifier, or null.
    virtual TesIcon* LoadSkinIcon(std::uint32_t id) = 0;
    // 8: draws the picture (or the `source` part of it) with its top-left corner at (x, y).
    // 1 when drawn (or the opacity is 0), 0 for an unknown handle or a picture that cannot
    // be decoded.
    virtual std::int32_t DrawImage(TesSurface* dc, std::int32_t handle, std::int32_t x,
                                   std::int32_t y, const TesRect* source) = 0;
    // 9: the whole picture blended onto a solid colour.
    virtual std::int32_t DrawImageOnColour(TesSurface* dc, std::int32_t handle, std::int32_t x,
                                           std::int32_t y, TesColour colour) = 0;
    // 10: fills `dest` with copies of the `source` part (the whole picture when null).
    virtual std::int32_t TileImage(TesSurface* dc, std::int32_t handle, const TesRect* dest,
                                   const TesRect* source) = 0;
    // 11: (-1, -1) for an unknown handle.
    virtual TesSize GetImageSize(std::int32_t handle) = 0;
    // 12, 13: percentage 0-100, initially 100.
    virtual void SetOpacity(std::int32_t percent) = 0;
    virtual std::int32_t GetOpacity() = 0;
};

// The two exports of the library, bound by name.
extern "C" {
// A new manager, or null. `libraryPath` is the library's own path (UTF-8); `log` receives
// the manager's records and must outlive it.
using InitTesManagerFn = ITesManager* (*)(const char* libraryPath, CLogSink* log);
// Destroys the manager; null is ignored.
using CleanupTesManagerFn = void (*)(ITesManager* manager);
}

inline constexpr const char* kInitTesManagerName = "InitTesManager";
inline constexpr const char* kCleanupTesManagerName = "CleanupTesManager";
