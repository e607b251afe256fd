#pragma once

// The pictures a skin library carries: complete PNG files by identifier. The build
// generates one table per library from the SVG artwork.

#include <cstdint>

struct SkinPicture {
    std::uint32_t id;
    const std::uint8_t* data;
    std::uint32_t size;
};

struct SkinPictureTable {
    const SkinPicture* pictures = nullptr;
    int count = 0;

    // The picture of that identifier, or null.
    const SkinPicture* Find(std::uint32_t id) const {
        for (int i = 0; i < count; ++i)
            if (pictures[i].id == id)
                return &pictures[i];
        return nullptr;
    }
};
