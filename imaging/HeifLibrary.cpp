#include "imaging/HeifLibrary.h"

#include "app/Log.h"

#include <QByteArray>

#include <dlfcn.h>

namespace {

// The soname the -dev package's libheif.so points to.
constexpr char kHeifLibrary[] = "libheif.so.1";

template <typename Function>
bool Resolve(void* library, const QByteArray& file, const char* name, Function* slot) {
    *slot = reinterpret_cast<Function>(dlsym(library, name));
    if (*slot)
        return true;
    LogRecord(kLogError, "HEIF pictures cannot be read: %s has no %s", file.constData(), name);
    return false;
}

// The member and the symbol are named by one token, so they cannot drift apart.
#define QM_RESOLVE(name) Resolve(library, file, #name, &table.name)

const CHeifLibrary* Load() {
    QByteArray file = qgetenv("QM_HEIF_LIBRARY");
    if (file.isEmpty())
        file = kHeifLibrary;
    // Never closed: one load per process is the cheapest, and a codec library with static
    // state and worker threads is not safe to unload.
    void* library = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        LogRecord(kLogError, "HEIF pictures cannot be read: %s", why ? why : file.constData());
        return nullptr;
    }
    static CHeifLibrary table;
    const bool resolved =
        QM_RESOLVE(heif_context_alloc) && QM_RESOLVE(heif_context_free) &&
        QM_RESOLVE(heif_context_read_from_memory_without_copy) &&
        QM_RESOLVE(heif_context_get_primary_image_handle) &&
        QM_RESOLVE(heif_image_handle_release) && QM_RESOLVE(heif_image_handle_get_width) &&
        QM_RESOLVE(heif_image_handle_get_height) &&
        QM_RESOLVE(heif_image_handle_has_alpha_channel) && QM_RESOLVE(heif_decode_image) &&
        QM_RESOLVE(heif_image_release) && QM_RESOLVE(heif_image_get_width) &&
        QM_RESOLVE(heif_image_get_height) && QM_RESOLVE(heif_image_get_plane_readonly) &&
        QM_RESOLVE(heif_image_get_bits_per_pixel_range);
    return resolved ? &table : nullptr;
}

#undef QM_RESOLVE

} // namespace

const CHeifLibrary* HeifLibrary() {
    static const CHeifLibrary* const library = Load();
    return library;
}
