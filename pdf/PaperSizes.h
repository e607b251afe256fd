#pragma once

// The paper sizes of PDF pages, indexed by the PageSize setting (EPaperSize); widths and
// heights in points (1/72 inch), every size portrait.

#include "app/AppSettings.h"

#include <QString>

#include <array>

struct CPaperSize {
    const char* name;
    int width;
    int height;
};

inline constexpr std::array<CPaperSize, 12> kPaperSizes = {{
    {"Letter", 612, 792},
    {"Note", 540, 720},
    {"Legal", 612, 1008},
    {"Tabloid", 792, 1224},
    {"Postcard", 283, 416},
    {"A0", 2384, 3370},
    {"A1", 1684, 2384},
    {"A2", 1191, 1684},
    {"A3", 842, 1191},
    {"A4", 595, 842},
    {"A5", 420, 595},
    {"A6", 297, 420},
}};

static_assert(kPaperSizes.size() == kPaperA6 + 1, "one size for every EPaperSize");

inline constexpr EPaperSize kDefaultPaperSize = kPaperA4;

// The index of a size by its name, any case ("a4" -> 9); -1 when unknown.
int FindPaperSize(const QString& name);
