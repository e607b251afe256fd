#pragma once

// How the builder lays out pages, fixed for one document: the paper size (index into
// kPaperSizes, the PageSize setting) and whether BMP and PNG pictures are always fitted to
// the page (the FitToPage setting) or keep their natural size when they fit.

#include "app/AppSettings.h"
#include "pdf/PaperSizes.h"

#include <cstdint>

struct CPdfPageOptions {
    std::uint32_t pageSize = kDefaultPaperSize;
    bool fitToPage = false;

    // The PageSize and FitToPage values of a settings record.
    static CPdfPageOptions FromSettings(const CAppSettings& settings) {
        return {settings.pageSize, settings.fitToPage != 0};
    }
};
