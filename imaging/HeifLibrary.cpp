#include "imaging/HeifLibrary.h"

#include "app/Log.h"
#include "platform/SharedLibrary.h"

namespace {

platform::CLoadedLibrary<CHeifLibrary> Load() {
    platform::CSharedLibrary library("libheif.so.1", "QM_HEIF_LIBRARY");
    platform::CLoadedLibrary<CHeifLibrary> loaded;
    CHeifLibrary& table = loaded.table;
    QM_RESOLVE(library, table, heif_context_alloc);
    QM_RESOLVE(library, table, heif_context_free);
    QM_RESOLVE(library, table, heif_context_read_from_memory_without_copy);
    QM_RESOLVE(library, table, heif_context_get_primary_image_handle);
    QM_RESOLVE(library, table, heif_image_handle_release);
    QM_RESOLVE(library, table, heif_image_handle_get_width);
    QM_RESOLVE(library, table, heif_image_handle_get_height);
    QM_RESOLVE(library, table, heif_image_handle_has_alpha_channel);
    QM_RESOLVE(library, table, heif_decode_image);
    QM_RESOLVE(library, table, heif_image_release);
    QM_RESOLVE(library, table, heif_image_get_width);
    QM_RESOLVE(library, table, heif_image_get_height);
    QM_RESOLVE(library, table, heif_image_get_plane_readonly);
    QM_RESOLVE(library, table, heif_image_get_bits_per_pixel_range);
    loaded.error = library.Error();
    if (!loaded.error.isEmpty())
        LogRecord(kLogError, "HEIF pictures cannot be read: %s", loaded.error.toUtf8().constData());
    return loaded;
}

} // namespace

const CHeifLibrary* HeifLibrary() {
    static const platform::CLoadedLibrary<CHeifLibrary> loaded = Load();
    return loaded.Get();
}
