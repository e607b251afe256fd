#pragma once

// Colours of the toolkit. Colours are RGB values with red in the low byte (0x00BBGGRR), as the
// skin library takes them; QtColour turns one into a QColor.

#include <QColor>

#include <cstdint>

using Colour = std::uint32_t;

inline constexpr Colour RGBColour(int r, int g, int b) {
    return Colour(r & 0xFF) | (Colour(g & 0xFF) << 8) | (Colour(b & 0xFF) << 16);
}
inline QColor QtColour(Colour c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// "Use the system colour" in the progress control's colour settings.
inline constexpr Colour kSystemColour = 0xFF000000u;

// The device's system colours.
enum ESysColour {
    COLOR_WINDOW,
    COLOR_WINDOWTEXT,
    COLOR_HIGHLIGHT,
    COLOR_BTNFACE,
    COLOR_BTNTEXT,
    COLOR_BTNHIGHLIGHT,
    COLOR_BTNSHADOW,
    COLOR_GRAYTEXT
};
Colour GetSysColour(ESysColour which);
