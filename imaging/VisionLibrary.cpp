// Loading the quillmark-vision library (VisionModule.h) on first use.

#include "imaging/VisionModule.h"

#include "app/Log.h"
#include "platform/SharedLibrary.h"

namespace {

platform::CLoadedLibrary<const CVisionModule*> Load() {
    auto loaded = platform::LoadProgramModule<CVisionModule>(kVisionModuleFile, "QM_VISION_MODULE",
                                                             kVisionModuleEntry, QM_VERSION);
    if (!loaded.error.isEmpty())
        LogRecord(kLogError, "finding, straightening and enhancing sheets are not available: %s",
                  loaded.error.toUtf8().constData());
    return loaded;
}

} // namespace

const CVisionModule* VisionModule() {
    static const platform::CLoadedLibrary<const CVisionModule*> loaded = Load();
    const CVisionModule* const* table = loaded.Get();
    return table ? *table : nullptr;
}
