#pragma once

// The picture operations built on OpenCV (finding the sheet in a photo, straightening it, the
// document looks) live in a private library of their own, quillmark-vision, loaded the first
// time one of them is used: linked into the program, OpenCV and what it brings (BLAS, LAPACK,
// TBB, OpenMP) cost about 10 ms of every start, and most runs - the terminal commands, a
// window that only arranges pages - never use it. The public functions (Enhance.h,
// PageFinder.h, Straighten.h) call through the table below.

#include "imaging/Bitmap.h"
#include "imaging/Enhance.h"
#include "imaging/PageCorners.h"

#include <optional>

// What the library gives: one table, the same build's C++ functions.
struct CVisionModule {
    BitmapHandle (*enhance)(const CBitmap& picture, ELook look);
    std::optional<CPageCorners> (*findSheet)(const CBitmap& picture);
    BitmapHandle (*straighten)(const CBitmap& picture, const CPageCorners& corners);
};

// The library's one exported function: its table, or null when `programVersion` is not the
// version it was built for.
extern "C" const CVisionModule* QuillmarkVisionModule(const char* programVersion);
inline constexpr char kVisionModuleEntry[] = "QuillmarkVisionModule";
inline constexpr char kVisionModuleFile[] = "quillmark-vision.so";

// The library's table, loaded on the first call (from any thread) and kept for the life of the
// process; null when the library cannot be loaded, and then every operation fails as when
// memory is short. The reason goes to the log once.
//
// The library is looked for beside the program (the build folder), else in the program's
// private library folder. The environment variable QM_VISION_MODULE, read once, names another
// file: tests use one that does not exist.
const CVisionModule* VisionModule();

// The operations themselves, inside the library.
namespace vision {
BitmapHandle Enhance(const CBitmap& picture, ELook look);
std::optional<CPageCorners> FindSheet(const CBitmap& picture);
BitmapHandle Straighten(const CBitmap& picture, const CPageCorners& corners);
} // namespace vision
