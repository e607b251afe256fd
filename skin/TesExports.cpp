// The two entry points of a skin library; everything else stays hidden.

#include "skin/CTesManager.h"

#include <new>

// The pictures of this library, generated from the artwork at build time.
extern const SkinPictureTable g_skinPictures;

extern "C" __attribute__((visibility("default"))) ITesManager*
InitTesManager(const char* libraryPath, CLogSink* log) {
    return new (std::nothrow) CTesManager(libraryPath, log, &g_skinPictures);
}

extern "C" __attribute__((visibility("default"))) void CleanupTesManager(ITesManager* manager) {
    delete manager;
}
