#include "ui/toolkit/SystemColours.h"

Colour GetSysColour(ESysColour which) {
    switch (which) {
    case COLOR_WINDOW: return RGBColour(255, 255, 255);
    case COLOR_WINDOWTEXT: return RGBColour(0, 0, 0);
    case COLOR_HIGHLIGHT: return RGBColour(0x31, 0x6A, 0xC5);
    case COLOR_BTNFACE: return RGBColour(0xEC, 0xEC, 0xEC);
    case COLOR_BTNTEXT: return RGBColour(0, 0, 0);
    case COLOR_BTNHIGHLIGHT: return RGBColour(255, 255, 255);
    case COLOR_BTNSHADOW: return RGBColour(0xA0, 0xA0, 0xA0);
    case COLOR_GRAYTEXT: return RGBColour(0x80, 0x80, 0x80);
    }
    return 0;
}
